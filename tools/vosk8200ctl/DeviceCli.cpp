// devices, info, active, apply, image, lod and surface: the commands that talk to the mouse.
#include <QFile>

#include "CommandLine.h"
#include "MouseSession.h"
#include "device/DeviceApply.h"
#include "device/DeviceCommands.h"
#include "device/DeviceImage.h"
#include "device/SurfaceGrade.h"
#include "platform/Trace.h"
#include "profile/Folders.h"
#include "profile/ProfileSet.h"

namespace {

// The active profile as users count it, 1 … 5; nothing (said on stderr) when the mouse does not
// tell.
std::optional<int> ActiveSlot(MouseSession& session) {
    std::uint8_t slot = 0xFF;
    if (ReadActiveProfile(session.link(), slot) != kResultDone || slot > 4) {
        Fail("", "the mouse did not say which profile is active");
        return std::nullopt;
    }
    return slot + 1;
}

std::filesystem::path PathOf(const QString& argument) {
    return std::filesystem::path(argument.toStdU16String());
}

QString Hex4(std::uint16_t value) {
    return QString("%1").arg(value, 4, 16, QChar('0')).toUpper();
}

// A slot as users count it, 1 … 5, or nothing.
std::optional<int> SlotArgument(const QString& text) {
    bool number = false;
    const int slot = text.toInt(&number);
    return number && slot >= 1 && slot <= ProfileSet::kSlotCount ? std::optional(slot)
                                                                 : std::nullopt;
}

int RunDevices(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "List every HID collection of a VOSK8200 mouse (normal mode 22D4:1301, bootloader "
        "22D4:1303) and whether it can be opened.");
    AddMouseOptions(parser);
    if (auto done = ParseCommand(parser, arguments, 0)) {
        return *done;
    }
    MouseSession session(parser);
    int found = 0;
    for (const HidDeviceInfo& device : session.hid().Enumerate()) {
        if (device.vendorId != kVoskVendorId ||
            (device.productId != kVoskProductId && device.productId != kVoskBootloaderProductId)) {
            continue;
        }
        std::error_code error;
        const HidBackend::Handle handle = session.hid().Open(device.path, error);
        if (handle != HidBackend::kInvalidHandle) {
            session.hid().Close(handle);
        }
        QString access = "can be opened";
        if (handle == HidBackend::kInvalidHandle) {
            access = "cannot be opened: " + QString::fromStdString(error.message());
            if (error == std::errc::permission_denied) {
                access += " \u2014 install the udev rule (see README)";
            }
        }
        const QString mode = device.productId == kVoskBootloaderProductId ? "bootloader" : "normal";
        for (const HidCollection& collection : device.collections) {
            const bool vendor = collection == kVoskVendorCollection;
            PrintOut(QString("%1  %2:%3  %4/%5  %6  %7%8\n")
                         .arg(QString::fromStdString(device.path))
                         .arg(Hex4(device.vendorId), Hex4(device.productId))
                         .arg(Hex4(collection.usagePage), Hex4(collection.usage))
                         .arg(mode, access, vendor ? "  (configuration)" : ""));
            ++found;
        }
    }
    if (found == 0) {
        return Fail("", "no VOSK8200 mouse found (vendor 22D4, product 1301 or 1303)");
    }
    return kExitOk;
}

int RunInfo(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Print the mouse's firmware version and active profile.");
    AddMouseOptions(parser);
    if (auto done = ParseCommand(parser, arguments, 0)) {
        return *done;
    }
    MouseSession session(parser);
    if (!session.Open()) {
        PrintOut("firmware: -.--\n");
        return kExitFailure;
    }
    int version = 0;
    if (ReadFirmwareVersion(session.link(), version) != kResultDone) {
        PrintOut("firmware: -.--\n");
        return Fail("", "the mouse did not answer the firmware request");
    }
    PrintOut(QString("firmware: %1\n").arg(FormatFirmwareVersion(version).c_str()));
    const std::optional<int> slot = ActiveSlot(session);
    if (!slot) {
        return kExitFailure;
    }
    PrintOut(QString("active profile: %1\n").arg(*slot));
    return kExitOk;
}

int RunActive(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Print the active profile (1 to 5), or make SLOT active.");
    parser.addPositionalArgument("SLOT", "The profile to make active, 1 to 5.", "[SLOT]");
    AddMouseOptions(parser);
    if (auto done = ParseCommand(parser, arguments, 0, 1)) {
        return *done;
    }
    std::optional<int> slot;
    if (!parser.positionalArguments().isEmpty()) {
        slot = SlotArgument(parser.positionalArguments().first());
        if (!slot) {
            return Fail("active", "SLOT is 1 to 5", kExitUsage);
        }
    }
    MouseSession session(parser);
    if (!session.Open()) {
        return kExitFailure;
    }
    if (slot) {
        if (SetActiveProfile(session.link(), static_cast<std::uint8_t>(*slot - 1)) != kResultDone) {
            return Fail("", "set current profile id failed.");
        }
        return kExitOk;
    }
    const std::optional<int> active = ActiveSlot(session);
    if (!active) {
        return kExitFailure;
    }
    PrintOut(QString("%1\n").arg(*active));
    return kExitOk;
}

int RunApply(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Write five profiles into the mouse, as the program's Apply does: make the active slot "
        "current, send the five images, make it current again. Without files, the five default "
        "files of the user data folder are used (factory settings where one is missing).");
    parser.addPositionalArgument("P1 … P5", "Five .profile files for slots 1 to 5.", "[P1 … P5]");
    const QCommandLineOption active("active", "The slot to make active, 1 to 5 (default 1).",
                                    "SLOT", "1");
    parser.addOption(active);
    AddMouseOptions(parser);
    if (auto done = ParseCommand(parser, arguments, 0, ProfileSet::kSlotCount)) {
        return *done;
    }
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty() && files.size() != ProfileSet::kSlotCount) {
        return Fail("apply", "takes no file or all five (see --help)", kExitUsage);
    }
    const std::optional<int> activeSlot = SlotArgument(parser.value(active));
    if (!activeSlot) {
        return Fail("apply", "--active takes 1 to 5", kExitUsage);
    }
    // Loaded as the program loads its set: each record keeps its own slot number.
    ProfileSet set(files.isEmpty() ? UserDataFolder() : std::nullopt);
    for (int slot = 1; slot <= files.size(); ++slot) {
        const ProfileReadStatus status = set.Import(slot, PathOf(files[slot - 1]));
        if (status != ProfileReadStatus::Loaded) {
            return Fail(files[slot - 1], Describe(status));
        }
    }
    std::array<const ProfileRecord*, 5> records;
    for (int slot = 1; slot <= ProfileSet::kSlotCount; ++slot) {
        records[std::size_t(slot - 1)] = &set.Record(slot);
    }
    MouseSession session(parser);
    const DeviceApplyReport report = ApplyToDevice(
        session.link(), records, set.Record(*activeSlot).slotIndex, session.messages());
    if (report.outcome == DeviceApplyReport::Outcome::NoMouse) {
        Fail("", QString::fromStdString(session.link().DescribeOpenFailure()));
    }
    bool failed = report.outcome != DeviceApplyReport::Outcome::Sent;
    for (int slot = 1; slot <= ProfileSet::kSlotCount; ++slot) {
        const int result = report.imageResults[std::size_t(slot - 1)];
        if (result == kResultTooLarge) {
            Fail("", QString("profile %1 has more than %2 macro events")
                         .arg(slot)
                         .arg(kMaxEventsPerImage));
        } else if (result == kResultFailed) {
            Fail("", QString("profile %1: the transfer failed").arg(slot));
        }
        failed = failed ||
                 (report.outcome != DeviceApplyReport::Outcome::SelectFailedBefore &&
                  report.outcome != DeviceApplyReport::Outcome::NoMouse && result != kResultDone);
    }
    return failed ? kExitFailure : kExitOk;
}

int RunImage(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Print the 2048-byte image the mouse receives for a profile, and the event count of each "
        "macro block.");
    parser.addPositionalArgument("FILE", "The .profile file.");
    const QCommandLineOption out({"o", "output"}, "Write the raw image to OUT instead.", "OUT");
    parser.addOption(out);
    if (auto done = ParseCommand(parser, arguments, 1)) {
        return *done;
    }
    const QString path = parser.positionalArguments().first();
    ProfileRecord record;
    const ProfileReadStatus status = LoadProfileFile(PathOf(path), record);
    if (status != ProfileReadStatus::Loaded) {
        return Fail(path, Describe(status));
    }
    const DeviceImage image = BuildDeviceImage(record);
    if (parser.isSet(out)) {
        QFile file(parser.value(out));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(image.bytes.data()), kImageSize) !=
                qint64(kImageSize)) {
            return Fail(parser.value(out), "cannot be written: " + file.errorString());
        }
    } else {
        for (std::size_t at = 0; at < kImageSize; at += 16) {
            PrintOut(QString("%1  %2\n")
                         .arg(at, 4, 16, QChar('0'))
                         .arg(QString::fromStdString(HexBytes({image.bytes.data() + at, 16}))));
        }
    }
    for (int button = 0; button < kButtonCount; ++button) {
        if (image.bytes[101 + 7 * button] == 0x03) {
            PrintOut(QString("button %1: macro block of %2 events\n")
                         .arg(button + 1)
                         .arg(image.macroEventCounts[std::size_t(button)]));
        }
    }
    if (image.TotalMacroEvents() > kMaxEventsPerImage) {
        return Fail(path, QString("has more than %1 macro events: the mouse would refuse it")
                              .arg(kMaxEventsPerImage));
    }
    return kExitOk;
}

int RunLiftOff(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Test a lift-off distance, or save it in the mouse (the value is clamped to 6 … 31).");
    parser.addPositionalArgument("test|save", "Test the distance, or save it.");
    parser.addPositionalArgument("VALUE", "The lift-distance slider value.");
    AddMouseOptions(parser);
    if (auto done = ParseCommand(parser, arguments, 2)) {
        return *done;
    }
    const QString action = parser.positionalArguments().at(0);
    bool number = false;
    const int value = parser.positionalArguments().at(1).toInt(&number);
    if ((action != "test" && action != "save") || !number) {
        return Fail("lod", "takes test or save and a number (see --help)", kExitUsage);
    }
    MouseSession session(parser);
    if (!session.Open()) {
        return kExitFailure;
    }
    bool shown = false;
    class Watch : public Messages {
      public:
        Watch(Messages& inner, bool& shown) : inner_(inner), shown_(shown) {}
        void Show(const std::string& text) override {
            shown_ = true;
            inner_.Show(text);
        }

      private:
        Messages& inner_;
        bool& shown_;
    } messages(session.messages(), shown);
    (action == "test" ? TestLiftOff : SaveLiftOff)(session.link(), value, messages);
    return shown ? kExitFailure : kExitOk;
}

int RunSurface(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Run the surface analysis: start it, wait for the mouse, read the raw result and print "
        "it with its grade 0 … 10.");
    AddMouseOptions(parser);
    if (auto done = ParseCommand(parser, arguments, 0)) {
        return *done;
    }
    MouseSession session(parser);
    if (!session.Open()) {
        return kExitFailure;
    }
    StartSurfaceAnalysis(session.link());
    int raw = 0;
    if (ReadSurfaceAnalysis(session.link(), raw) != kResultDone) {
        return Fail("", "the mouse did not give a surface result");
    }
    PrintOut(QString("raw %1, grade %2\n").arg(raw).arg(SurfaceGrade(raw)));
    return kExitOk;
}

constexpr Command kCommands[] = {
    {"devices", "List the mouse's HID collections and whether they open.", RunDevices},
    {"info", "Print the firmware version and the active profile.", RunInfo},
    {"active", "Print or set the active profile (1 to 5).", RunActive},
    {"apply", "Write five profiles into the mouse.", RunApply},
    {"image", "Print the device image of a .profile file.", RunImage},
    {"lod", "Test or save the lift-off distance.", RunLiftOff},
    {"surface", "Run the surface analysis.", RunSurface},
};

}  // namespace

std::span<const Command> DeviceCommands() {
    return kCommands;
}
