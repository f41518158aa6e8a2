// show, convert and new: the commands that work on .profile files.
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include "CommandLine.h"
#include "ProfileJson.h"
#include "ProfileText.h"
#include "profile/FileWrite.h"
#include "profile/ProfileCodec.h"
#include "profile/ProfileSet.h"

namespace {

std::filesystem::path PathOf(const QString& argument) {
    return std::filesystem::path(argument.toStdU16String());
}

enum class FileKind { Profile, Json, Other };

FileKind KindOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "profile" ? FileKind::Profile
                               : (suffix == "json" ? FileKind::Json : FileKind::Other);
}

// Loads a .profile file, or says on stderr why not.
bool LoadOrComplain(const QString& path, ProfileRecord& record) {
    const ProfileReadStatus status = LoadProfileFile(PathOf(path), record);
    if (status != ProfileReadStatus::Loaded) {
        Fail(path, Describe(status));
        return false;
    }
    return true;
}

bool LoadJsonOrComplain(const QString& path, ProfileRecord& record) {
    DataStream stream(DataStream::Mode::Read);
    if (!stream.LoadFile(PathOf(path))) {
        Fail(path, "cannot be opened");
        return false;
    }
    QJsonParseError parseError;
    const QByteArray bytes(reinterpret_cast<const char*>(stream.Bytes().data()),
                           qsizetype(stream.Bytes().size()));
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        Fail(path, QString("not valid JSON at offset %1: %2")
                       .arg(parseError.offset)
                       .arg(parseError.errorString()));
        return false;
    }
    if (!document.isObject()) {
        Fail(path, "must hold one JSON object");
        return false;
    }
    QString error;
    if (!ProfileFromJson(document.object(), record, error)) {
        Fail(path, error);
        return false;
    }
    return true;
}

int SaveOrComplain(const QString& path, std::error_code error) {
    if (error) {
        return Fail(path, QString("cannot be written: %1").arg(error.message().c_str()));
    }
    return kExitOk;
}

QByteArray JsonText(const ProfileRecord& record) {
    return QJsonDocument(ProfileToJson(record)).toJson(QJsonDocument::Indented);
}

int RunShow(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Print a .profile file readably, or as JSON.");
    parser.addPositionalArgument("FILE", "The .profile file.");
    const QCommandLineOption json("json", "Print the JSON form that convert writes.");
    parser.addOption(json);
    if (auto done = ParseCommand(parser, arguments, 1)) {
        return *done;
    }
    const QString path = parser.positionalArguments().at(0);
    ProfileRecord record;
    if (!LoadOrComplain(path, record)) {
        return kExitFailure;
    }
    PrintOut(parser.isSet(json) ? QString::fromUtf8(JsonText(record)) : DescribeProfile(record));
    return kExitOk;
}

int RunConvert(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Convert a .profile file to JSON or JSON to a .profile file; the file names' extensions "
        "say which. A JSON file must hold every field of the profile file, with values in their "
        "ranges; otherwise nothing is written.");
    parser.addPositionalArgument("IN", "The file to read (.profile or .json).");
    parser.addPositionalArgument("OUT", "The file to write (.json or .profile).");
    if (auto done = ParseCommand(parser, arguments, 2)) {
        return *done;
    }
    const QString in = parser.positionalArguments().at(0);
    const QString out = parser.positionalArguments().at(1);
    const FileKind from = KindOf(in);
    const FileKind to = KindOf(out);
    ProfileRecord record;
    if (from == FileKind::Profile && to == FileKind::Json) {
        if (!LoadOrComplain(in, record)) {
            return kExitFailure;
        }
        const QByteArray text = JsonText(record);
        return SaveOrComplain(
            out,
            WriteFileReplacing(PathOf(out), {reinterpret_cast<const std::uint8_t*>(text.data()),
                                             std::size_t(text.size())}));
    }
    if (from == FileKind::Json && to == FileKind::Profile) {
        if (!LoadJsonOrComplain(in, record)) {
            return kExitFailure;
        }
        return SaveOrComplain(out, SaveProfile(record, PathOf(out)));
    }
    return Fail("convert", "needs one .profile and one .json file (see --help)", kExitUsage);
}

int RunNew(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Write the profile a slot starts with when it has no file yet: factory settings, named "
        "Profile<SLOT>.");
    parser.addPositionalArgument("FILE", "The .profile file to write.");
    const QCommandLineOption slot("slot", "Slot 1 to 5 (default 1).", "SLOT", "1");
    parser.addOption(slot);
    if (auto done = ParseCommand(parser, arguments, 1)) {
        return *done;
    }
    bool number = false;
    const int n = parser.value(slot).toInt(&number);
    if (!number || n < 1 || n > ProfileSet::kSlotCount) {
        return Fail("new", "--slot takes 1 to 5", kExitUsage);
    }
    ProfileRecord record;
    record.slotIndex = static_cast<std::uint8_t>(n - 1);
    record.name = ProfileSet::InitialName(n);
    const QString path = parser.positionalArguments().at(0);
    return SaveOrComplain(path, SaveProfile(record, PathOf(path)));
}

constexpr Command kCommands[] = {
    {"show", "Print a .profile file (readable or --json).", RunShow},
    {"convert", "Convert .profile to .json or .json to .profile.", RunConvert},
    {"new", "Write a default .profile file.", RunNew},
};

}  // namespace

std::span<const Command> ProfileCommands() {
    return kCommands;
}
