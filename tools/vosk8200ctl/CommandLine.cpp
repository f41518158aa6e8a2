#include "CommandLine.h"

#include <cstdio>

void PrintOut(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
}

int Fail(const QString& subject, const QString& what, int code) {
    const QString line = "vosk8200ctl: " + (subject.isEmpty() ? "" : subject + ": ") + what + "\n";
    std::fputs(line.toUtf8().constData(), stderr);
    return code;
}

std::optional<int> ParseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                qsizetype fewest, qsizetype most) {
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    parser.addOption(help);
    if (!parser.parse(arguments)) {
        return Fail(arguments.value(0), parser.errorText(), kExitUsage);
    }
    if (parser.isSet(help)) {
        // The parser names the program by its path; users type "vosk8200ctl COMMAND".
        QString text = parser.helpText();
        const qsizetype end = text.indexOf(" [options]");
        text.replace(0, end, "Usage: vosk8200ctl " + arguments.value(0));
        PrintOut(text);
        return kExitOk;
    }
    // parse() takes the first argument, the command's name, for the program's.
    const qsizetype given = parser.positionalArguments().size();
    if (given < fewest || given > most) {
        const QString wanted =
            fewest == most ? QString::number(fewest) : QString("%1 to %2").arg(fewest).arg(most);
        return Fail(arguments.value(0),
                    QString("takes %1 argument(s), got %2 (see --help)").arg(wanted).arg(given),
                    kExitUsage);
    }
    return std::nullopt;
}
