// vosk8200ctl: the suite's command-line tool for scripting and checks.
#include <QCoreApplication>

#include <vector>

#include "CommandLine.h"

namespace {

std::vector<Command> AllCommands() {
    std::vector<Command> all;
    for (auto group : {ProfileCommands(), MacroCommands(), DeviceCommands()}) {
        all.insert(all.end(), group.begin(), group.end());
    }
    return all;
}

QString Usage(const std::vector<Command>& commands) {
    QString text =
        "Usage: vosk8200ctl COMMAND [options] [arguments]\n"
        "Configure and inspect the OSTREL VOSK8200 mouse and its profile files.\n\nCommands:\n";
    for (const Command& command : commands) {
        text += QString("  %1 %2\n").arg(command.name, -10).arg(command.summary);
    }
    text +=
        "\nRun 'vosk8200ctl COMMAND --help' for a command's options. The commands that talk to\n"
        "the mouse take --simulate (the simulated mouse) and --trace (every report and pause).\n";
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("vosk8200ctl");
    QCoreApplication::setApplicationVersion(VOSK8200_VERSION);
    const std::vector<Command> commands = AllCommands();
    QStringList arguments = QCoreApplication::arguments().mid(1);
    // "vosk8200ctl --simulate --trace apply …": the mouse options may stand before the command;
    // the command's own parser takes them.
    QStringList leading;
    while (!arguments.isEmpty() &&
           (arguments.first() == "--simulate" || arguments.first() == "--trace")) {
        leading << arguments.takeFirst();
    }
    if (!arguments.isEmpty()) {
        for (const QString& option : leading) {
            arguments.insert(1, option);
        }
    }
    if (arguments.isEmpty()) {
        std::fputs(Usage(commands).toUtf8().constData(), stderr);
        return kExitUsage;
    }
    const QString first = arguments.first();
    if (first == "-h" || first == "--help" || first == "help") {
        PrintOut(Usage(commands));
        return kExitOk;
    }
    if (first == "--version") {
        PrintOut(QString("vosk8200ctl %1\n").arg(VOSK8200_VERSION));
        return kExitOk;
    }
    for (const Command& command : commands) {
        if (first == command.name) {
            return command.run(arguments);
        }
    }
    return Fail("", QString("unknown command '%1' (see --help)").arg(first), kExitUsage);
}
