// Reflasher: the VOSK8200's firmware updater.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "platform/Trace.h"
#include "sim/DeviceEnvironment.h"
#include "updater/Headless.h"
#include "updater/MessageBoxes.h"
#include "updater/MonitorProgram.h"
#include "updater/SingleInstance.h"
#include "updater/UpdaterFlow.h"

namespace {

std::atomic<bool> gStop{false};

void StopOnSignal(int) {
    gStop = true;
}

std::filesystem::path ProgramFolder() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace

int main(int argc, char** argv) {
    // The terminal mode needs no display: it gets no GUI application.
    const bool headless = std::any_of(
        argv + 1, argv + argc, [](const char* arg) { return std::strcmp(arg, "--no-gui") == 0; });
    std::unique_ptr<QCoreApplication> app = headless
                                                ? std::make_unique<QCoreApplication>(argc, argv)
                                                : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName("Reflasher");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Upgrade the firmware of the OSTREL VOSK8200 mouse. The image file is named in\n"
        "config.ini beside the program ([Firmware] Name=…) or given with --firmware.");
    parser.addHelpOption();
    const QCommandLineOption noGui("no-gui", "Run in the terminal, with a text progress bar.");
    const QCommandLineOption yes("yes", "With --no-gui: do not ask before touching the mouse.");
    const QCommandLineOption firmware("firmware", "The firmware image (instead of config.ini).",
                                      "FILE");
    const QCommandLineOption simulate("simulate", "Talk to the simulated mouse.");
    const QCommandLineOption trace("trace", "Print every HID report and pause on stderr.");
    parser.addOptions({noGui, yes, firmware, simulate, trace});
    parser.process(*app);

    SingleInstance instance("VOSK 8200 firmware update");
    if (!instance.Acquire()) {
        if (headless) {
            std::fputs("Reflasher: another copy is running\n", stderr);
        }
        return 1;  // the window-less way the first copy keeps the mouse to itself
    }
    DeviceEnvironmentOptions deviceOptions;
    deviceOptions.simulate = parser.isSet(simulate);
    if (parser.isSet(trace)) {
        deviceOptions.trace = [](const std::string& line) {
            std::fputs((line + "\n").c_str(), stderr);
        };
    }
    DeviceEnvironment devices(deviceOptions);
    const std::filesystem::path image =
        parser.isSet(firmware)
            ? std::filesystem::path(QFile::encodeName(parser.value(firmware)).toStdString())
            : FirmwarePathFromConfig(ProgramFolder());

    if (headless) {
        std::signal(SIGINT, StopOnSignal);
        std::signal(SIGTERM, StopOnSignal);
        if (CloseMonitorProgram()) {
            devices.sleeper().SleepMs(1000);  // let it let go of the mouse
        }
        return RunHeadless({image, parser.isSet(yes)}, devices.hid(), devices.sleeper(), gStop,
                           stdin, stderr);
    }
    MessageBoxes messages("Reflasher");
    UpgradeServices services{
        devices.hid(), devices.sleeper(), messages, image, &CloseMonitorProgram, [] {
            std::unique_ptr<SkinnedWindow> failure(MakeSmallWindow(SmallWindow::Failure));
            failure->exec();
        }};
    return RunUpdaterWindows(std::move(services), [](QDialog& window) { return window.exec(); });
}
