// vosk8200-sim: looks into and steers the simulated mouse that --simulate talks to.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QStringList>

#include <climits>
#include <cstdio>
#include <functional>
#include <map>

#include "device/DeviceImage.h"
#include "platform/Trace.h"
#include "sim/SimFirmware.h"
#include "sim/SimStateStore.h"

namespace {

enum { kOk = 0, kFailure = 1, kUsage = 2 };

void Out(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
}

int Fail(const QString& what, int code = kFailure) {
    std::fputs(("vosk8200-sim: " + what + "\n").toUtf8().constData(), stderr);
    return code;
}

QString ZoneText(const DecodedImage::Zone& zone) {
    return QString("%1 %2 %3 / %4").arg(zone.red).arg(zone.green).arg(zone.blue).arg(zone.effect);
}

QString DescribeImage(int slot, const std::array<std::uint8_t, SimState::kImageSize>& bytes) {
    const DecodedImage d = DecodeDeviceImage(bytes);
    QString text = QString("slot %1: \"%2\" (slot byte %3, length %4, %5)\n")
                       .arg(slot + 1)
                       .arg(QString::fromLatin1(d.name.c_str()))
                       .arg(d.slot)
                       .arg(d.length)
                       .arg(d.enabled ? "enabled" : "disabled");
    text += QString("  polling %1 ms, lift distance %2, DPI level byte %3, %4 levels, defined %5\n")
                .arg(d.polling)
                .arg(d.liftDistance)
                .arg(d.dpiLevel)
                .arg(d.levelCount)
                .arg(d.definedMode);
    for (std::size_t i = 0; i < d.levels.size(); ++i) {
        text += QString("  DPI %1: %2 x %3 (separate %4)\n")
                    .arg(i + 1)
                    .arg(d.levels[i].x)
                    .arg(d.levels[i].y)
                    .arg(d.levels[i].separate);
    }
    text += QString("  LED (r g b / effect): wheel %1, logo %2, DPI indicator %3, DPI buttons %4\n")
                .arg(ZoneText(d.wheel), ZoneText(d.logo), ZoneText(d.dpiIndicator),
                     ZoneText(d.dpiButtons));
    for (std::size_t i = 0; i < d.buttons.size(); ++i) {
        const DecodedImage::Button& b = d.buttons[i];
        text += QString("  button %1: type %2 value %3")
                    .arg(i + 1)
                    .arg(b.type, 2, 16, QChar('0'))
                    .arg(b.value, 2, 16, QChar('0'));
        if (b.type == 0x03) {
            text += QString(", macro at %1, %2 events").arg(b.macroOffset).arg(b.macroCount);
        }
        text += "\n";
        for (const auto& event : b.events) {
            text += QString("    kind %1 usage %2 %3 after %4 ms\n")
                        .arg(event[0])
                        .arg(event[1] | (event[2] << 8))
                        .arg(event[3] ? "up" : "down")
                        .arg(event[4] | (event[5] << 8) | (event[6] << 16));
        }
    }
    return text;
}

int Show(FileSimStateStore& store) {
    const SimState s = store.Read();
    Out(QString("state file: %1\n").arg(QString::fromStdString(store.path().string())));
    Out(QString("mode: %1, %2\n")
            .arg(s.bootloader ? "bootloader (22D4:1303)" : "normal (22D4:1301)")
            .arg(s.plugged ? "plugged in" : "unplugged"));
    Out(QString("firmware version: %1.%2\n")
            .arg(s.firmwareVersion / 100)
            .arg(s.firmwareVersion % 100, 2, 10, QChar('0')));
    Out(QString("active profile: %1\n").arg(s.activeSlot + 1));
    Out(QString("lift-off: last test %1, last save %2\n")
            .arg(s.lodTest < 0 ? QString("none") : QString::number(s.lodTest))
            .arg(s.lodSave < 0 ? QString("none") : QString::number(s.lodSave)));
    Out(QString("surface: raw result %1%2\n")
            .arg(s.surfaceRaw)
            .arg(s.surfaceStarted ? ", analysis started" : ""));
    Out(QString("faults: busy %1, fail command %2, failing transfer in %3, unplug after %4\n")
            .arg(s.faults.busyPolls)
            .arg(s.faults.failCommand)
            .arg(s.faults.failTransferIn)
            .arg(s.faults.unplugAfter));
    Out(QString("bootloader faults: restart takes %1 searches, send again %2, unplug at block %3, "
                "damaged block %4\n")
            .arg(s.faults.restartSearches)
            .arg(s.faults.resendReports)
            .arg(s.faults.unplugAtBlock)
            .arg(s.faults.badChecksumAtBlock));
    if (s.boot.firmware.empty()) {
        Out("flashed firmware: none\n");
    } else {
        const QByteArray bytes(reinterpret_cast<const char*>(s.boot.firmware.data()),
                               qsizetype(s.boot.firmware.size()));
        Out(QString("flashed firmware: %1 bytes, SHA-256 %2\n")
                .arg(bytes.size())
                .arg(QString::fromLatin1(
                    QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex())));
    }
    if (s.boot.imageSize > 0) {
        Out(QString("receiving: %1 bytes announced, %2 blocks so far\n")
                .arg(s.boot.imageSize)
                .arg(s.boot.blocksReceived));
    }
    Out(QString("transfers so far: %1\n").arg(s.transfers));
    for (int slot = 0; slot < SimState::kSlots; ++slot) {
        Out(DescribeImage(slot, s.images[std::size_t(slot)]));
    }
    return kOk;
}

std::optional<int> Number(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 0);  // 0x… too
    return ok ? std::optional(value) : std::nullopt;
}

// The numeric settings of the set command: their range, and where each goes.
struct NumberSetting {
    const char* key;
    int min;
    int max;
    const char* range;
    void (*set)(SimState& s, int value);
};

constexpr NumberSetting kNumberSettings[] = {
    {"firmware", 0, 0xFFFF, "0 to 65535", [](SimState& s, int v) { s.firmwareVersion = v; }},
    {"active", 1, 5, "1 to 5",
     [](SimState& s, int v) { s.activeSlot = static_cast<std::uint8_t>(v - 1); }},
    {"surface", 0, 255, "0 to 255", [](SimState& s, int v) { s.surfaceRaw = v; }},
    {"busy", 0, INT_MAX, "0 or more", [](SimState& s, int v) { s.faults.busyPolls = v; }},
    {"failtransfer", 0, INT_MAX, "0 or more",
     [](SimState& s, int v) { s.faults.failTransferIn = v; }},
    {"unplugafter", -1, INT_MAX, "-1 or more",
     [](SimState& s, int v) { s.faults.unplugAfter = v; }},
    {"restartsearches", 0, INT_MAX, "0 or more",
     [](SimState& s, int v) { s.faults.restartSearches = v; }},
    {"resend", 0, INT_MAX, "0 or more", [](SimState& s, int v) { s.faults.resendReports = v; }},
    {"unplugblock", -1, INT_MAX, "-1 or more",
     [](SimState& s, int v) { s.faults.unplugAtBlock = v; }},
    {"badblock", -1, INT_MAX, "-1 or more",
     [](SimState& s, int v) { s.faults.badChecksumAtBlock = v; }},
};

const NumberSetting* FindNumberSetting(const QString& key) {
    for (const NumberSetting& setting : kNumberSettings) {
        if (key == setting.key) {
            return &setting;
        }
    }
    return nullptr;
}

// One "key=value" of the set command applied to the state; false with a reason otherwise.
bool ApplySetting(SimState& s, const QString& setting, QString& error) {
    const qsizetype eq = setting.indexOf('=');
    const QString key = setting.left(eq);
    const QString text = setting.mid(eq + 1);
    const std::optional<int> value = Number(text);
    auto need = [&](bool ok, const char* what) {
        if (!ok) {
            error = QString("%1: %2").arg(setting, what);
        }
        return ok;
    };
    if (eq < 0) {
        return need(false, "not KEY=VALUE");
    }
    if (key == "mode") {
        if (!need(text == "normal" || text == "bootloader", "normal or bootloader")) {
            return false;
        }
        s.bootloader = text == "bootloader";
    } else if (key == "fail") {
        if (text == "none" || text == "block") {
            s.faults.failCommand = text == "none" ? -1 : SimFaults::kFailBlock;
        } else if (need(value && *value >= 0 && *value <= 255, "a command code, block or none")) {
            s.faults.failCommand = *value;
        } else {
            return false;
        }
    } else if (!need(value.has_value(), "not a number")) {
        return false;
    } else if (const NumberSetting* number = FindNumberSetting(key)) {
        if (!need(*value >= number->min && *value <= number->max, number->range)) {
            return false;
        }
        number->set(s, *value);
    } else {
        return need(false, "unknown key");
    }
    return true;
}

int Run(const QStringList& args, FileSimStateStore& store) {
    const QString command = args.value(0);
    const QStringList rest = args.mid(1);
    if (command == "show" && rest.isEmpty()) {
        return Show(store);
    }
    if (command == "image" && rest.size() == 1) {
        const std::optional<int> slot = Number(rest[0]);
        if (!slot || *slot < 1 || *slot > 5) {
            return Fail("image takes a slot 1 to 5", kUsage);
        }
        const auto image = store.Read().images[std::size_t(*slot - 1)];
        for (std::size_t at = 0; at < image.size(); at += 16) {
            Out(QString("%1  %2\n")
                    .arg(at, 4, 16, QChar('0'))
                    .arg(QString::fromStdString(HexBytes({image.data() + at, 16}))));
        }
        return kOk;
    }
    if (command == "set" && !rest.isEmpty()) {
        QString error;
        SimState changed;
        bool ok = true;
        store.Transact([&](SimState& s) {
            changed = s;
            for (const QString& setting : rest) {
                ok = ok && ApplySetting(changed, setting, error);
            }
            if (ok) {
                s = changed;  // all settings or none
            }
        });
        return ok ? kOk : Fail(error, kUsage);
    }
    if (command == "firmware" && rest.size() == 2 && rest[0] == "-o") {
        const std::vector<std::uint8_t> firmware = store.Read().boot.firmware;
        if (firmware.empty()) {
            return Fail("no firmware has been flashed");
        }
        QFile out(rest[1]);
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(reinterpret_cast<const char*>(firmware.data()), qint64(firmware.size())) !=
                qint64(firmware.size())) {
            return Fail(QString("%1: cannot be written").arg(rest[1]));
        }
        return kOk;
    }
    if (command == "press" && rest.size() == 1 &&
        (rest[0] == "profile-up" || rest[0] == "profile-down")) {
        store.Transact([&](SimState& s) { SimPressProfileButton(s, rest[0] == "profile-up"); });
        return kOk;
    }
    if ((command == "unplug" || command == "plug") && rest.isEmpty()) {
        store.Transact([&](SimState& s) { SimSetPlugged(s, command == "plug"); });
        return kOk;
    }
    if (command == "reset" && rest.isEmpty()) {
        store.Transact([](SimState& s) { s = SimState::Factory(); });
        return kOk;
    }
    return Fail("unknown command or wrong arguments (see --help)", kUsage);
}

const char* const kHelp =
    "Usage: vosk8200-sim COMMAND [arguments]\n"
    "Looks into and steers the simulated mouse of 'vosk8200ctl --simulate' and the programs.\n"
    "Its state lives in $VOSK8200_SIM_STATE (default: vosk8200-sim.json in $XDG_RUNTIME_DIR).\n"
    "\nCommands:\n"
    "  show                       everything the mouse holds, images decoded\n"
    "  image SLOT                 the image of slot 1 to 5 in hex\n"
    "  set KEY=VALUE …            firmware=N active=1-5 surface=0-255 mode=normal|bootloader\n"
    "                             faults: busy=K (next K polls busy), fail=CODE|block|none,\n"
    "                             failtransfer=N (the N-th transfer from now fails),\n"
    "                             unplugafter=N (unplug after N more transfers, -1 never)\n"
    "                             bootloader: restartsearches=N (searches it stays away),\n"
    "                             resend=K (next K reports get 'send again'),\n"
    "                             unplugblock=N, badblock=N (-1 none)\n"
    "  firmware -o FILE           write out the firmware flashed last\n"
    "  press profile-up|profile-down   the mouse's own profile button\n"
    "  unplug, plug               pull the mouse out, put it back\n"
    "  reset                      a mouse fresh from the factory\n";

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument("command", "What to do.", "COMMAND [arguments]");
    if (!parser.parse(QCoreApplication::arguments())) {
        return Fail(parser.errorText(), kUsage);
    }
    if (parser.isSet("help") || parser.positionalArguments().value(0) == "help") {
        Out(kHelp);
        return kOk;
    }
    if (parser.positionalArguments().isEmpty()) {
        std::fputs(kHelp, stderr);
        return kUsage;
    }
    FileSimStateStore store(DefaultSimStatePath());
    try {
        return Run(parser.positionalArguments(), store);
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}
