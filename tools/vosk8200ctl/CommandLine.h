#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// What every vosk8200ctl command shares: exit codes, argument parsing and output.

enum ExitCode { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& arguments);  // arguments start with the command's name
};

std::span<const Command> ProfileCommands();
std::span<const Command> DeviceCommands();
std::span<const Command> MacroCommands();

// Parses a command's arguments. Returns an exit code when the command is already done: its help
// was printed (0) or the arguments are wrong (2, with a message). The command takes from
// `fewest` to `most` arguments after its name.
std::optional<int> ParseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                qsizetype fewest, qsizetype most);
inline std::optional<int> ParseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                       qsizetype positionals) {
    return ParseCommand(parser, arguments, positionals, positionals);
}

void PrintOut(const QString& text);
// One line on stderr naming what is wrong: "vosk8200ctl: FILE: what".
int Fail(const QString& subject, const QString& what, int code = kExitFailure);
