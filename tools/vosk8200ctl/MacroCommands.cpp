// macros and macro show: the macro library and single macro files.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CommandLine.h"
#include "MacroJson.h"
#include "macro/EventLabel.h"
#include "macro/MacroFiles.h"
#include "macro/MacroLibrary.h"
#include "profile/Folders.h"
#include "profile/PathText.h"

namespace {

QString Text(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

QString EventLine(std::size_t index, const CEventItem& event) {
    const EventLabel label = LabelOf(event);
    QString text = Text(label.text).trimmed();
    if (label.marker == EventMarker::V) {
        text += " (press)";
    } else if (label.marker == EventMarker::InvertedV) {
        text += " (release)";
    } else if (text.isEmpty()) {
        text = QString("code %1").arg(event.keyCode);
    }
    return QString("  %1. %2 %3\n").arg(index + 1, 3).arg(text, -28).arg(Text(label.delay));
}

QString DescribeMacro(const CMacro& macro) {
    QString text = QString("%1 \"%2\": %3 event(s)\n")
                       .arg(macro.macroId)
                       .arg(Text(macro.name))
                       .arg(macro.events.size());
    for (std::size_t i = 0; i < macro.events.size(); ++i) {
        text += EventLine(i, macro.events[i]);
    }
    return text;
}

void PrintJson(const QJsonObject& object) {
    PrintOut(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)));
}

int RunMacros(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "List the macro library: every macro with its identifier, name and events. Exits 1 when "
        "an entry of the index could not be read (it is listed as skipped).");
    const QCommandLineOption folderOption(
        "folder", "The macro folder (default: Macros in the user data folder).", "DIR");
    const QCommandLineOption json("json", "Print JSON.");
    parser.addOptions({folderOption, json});
    if (auto done = ParseCommand(parser, arguments, 0)) {
        return *done;
    }
    std::filesystem::path folder;
    if (parser.isSet(folderOption)) {
        folder = QFile::encodeName(parser.value(folderOption)).toStdString();
    } else if (const auto userData = UserDataFolder()) {
        folder = MacroFolderOf(*userData);
    } else {
        return Fail("macros", "no user data folder: set HOME or XDG_CONFIG_HOME, or use --folder");
    }

    MacroLibrary library;
    const MacroLibrary::LoadReport report = library.Load(folder);
    if (parser.isSet(json)) {
        QJsonArray macros;
        for (const auto& macro : library.macros()) {
            macros.append(MacroToJson(*macro));
        }
        QJsonArray skipped;
        for (const std::u16string& path : report.skipped) {
            skipped.append(Text(path));
        }
        PrintJson({{"macros", macros}, {"skipped", skipped}});
    } else if (!report.indexFound) {
        PrintOut(QString("no macro library in %1\n").arg(Text(Utf16FromPath(folder))));
    } else {
        for (const auto& macro : library.macros()) {
            PrintOut(DescribeMacro(*macro));
        }
    }
    for (const std::u16string& path : report.skipped) {
        Fail(Text(path), "skipped: missing, unreadable or damaged");
    }
    return report.skipped.empty() ? kExitOk : kExitFailure;
}

int RunMacroShow(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Print one .macro file readably, or as JSON.");
    parser.addPositionalArgument("show", "The subcommand.");
    parser.addPositionalArgument("FILE", "The .macro file.");
    const QCommandLineOption json("json", "Print JSON.");
    parser.addOption(json);
    if (auto done = ParseCommand(parser, arguments, 2)) {
        return *done;
    }
    if (parser.positionalArguments().at(0) != "show") {
        return Fail("macro", "the only subcommand is 'show' (see --help)", kExitUsage);
    }
    const QString path = parser.positionalArguments().at(1);
    DataStream stream(DataStream::Mode::Read);
    if (!stream.LoadFile(QFile::encodeName(path).toStdString())) {
        return Fail(path, "cannot be opened");
    }
    CMacro macro;
    if (!ReadMacroFile(stream, macro)) {
        return Fail(path, "is damaged: it ends early or announces more events than it holds");
    }
    if (parser.isSet(json)) {
        PrintJson(MacroToJson(macro));
    } else {
        PrintOut(DescribeMacro(macro));
    }
    return kExitOk;
}

constexpr Command kCommands[] = {
    {"macros", "List the macro library (readable or --json).", RunMacros},
    {"macro", "macro show FILE.macro: print one macro file.", RunMacroShow},
};

}  // namespace

std::span<const Command> MacroCommands() {
    return kCommands;
}
