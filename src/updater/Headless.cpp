#include "updater/Headless.h"

#include <unistd.h>

#include <string>

#include "updater/UpgradeProcedure.h"

namespace {

void Say(std::FILE* out, const std::string& text) {
    std::fputs(text.c_str(), out);
    std::fflush(out);
}

bool Confirmed(std::FILE* in, std::FILE* out) {
    Say(out,
        "New firmware version available.\n"
        "WARNING! The firmware update overwrites the game profiles, macros and settings stored "
        "on the mouse: back up your profiles first.\n"
        "IMPORTANT: Do not unplug the mouse cable while the new firmware is being installed!\n"
        "Upgrade the firmware now? [y/N] ");
    char answer[16] = {};
    if (!std::fgets(answer, sizeof answer, in)) {
        Say(out, "\n");
        return false;
    }
    return answer[0] == 'y' || answer[0] == 'Y';
}

std::string Bar(int sent, int total) {
    constexpr int kWidth = 30;
    const int filled = total > 0 ? kWidth * sent / total : kWidth;
    return "[" + std::string(std::size_t(filled), '#') +
           std::string(std::size_t(kWidth - filled), '-') + "] " + std::to_string(sent) + "/" +
           std::to_string(total) + " blocks";
}

}  // namespace

int RunHeadless(const HeadlessOptions& options, HidBackend& hid, Sleeper& sleeper,
                const std::atomic<bool>& stop, std::FILE* in, std::FILE* out) {
    FirmwareImage image;
    const FirmwareLoadError error = LoadFirmwareImage(options.firmware, image);
    if (error != FirmwareLoadError::None) {
        const std::string name = options.firmware.empty()
                                     ? "no firmware file named in config.ini (or --firmware)"
                                     : options.firmware.string() + " " + Describe(error);
        Say(out, "Reflasher: " + name + "\n" + kFailureText + "\n");
        return 1;
    }
    if (!options.yes && !Confirmed(in, out)) {
        Say(out, "Nothing was changed.\n");
        return 1;
    }
    const int total = static_cast<int>(image.BlockCount());
    const bool terminal = ::isatty(::fileno(out)) != 0;
    UpgradeReports reports;
    reports.progress = [&](int block) {
        const int sent = block + 1;
        // On a terminal the bar redraws in place; in a log, a line every tenth of the way.
        if (terminal) {
            Say(out, "\r" + Bar(sent, total));
        } else if (sent == total || sent % std::max(1, total / 10) == 0) {
            Say(out, Bar(sent, total) + "\n");
        }
    };
    reports.message = [&](const std::string& text) { Say(out, (terminal ? "\n" : "") + text); };
    SlicedWaiter waiter(sleeper, stop);
    BootloaderLink link(hid, waiter);
    Say(out, "Upgrading with " + options.firmware.string() + " (" + std::to_string(image.size) +
                 " bytes, " + std::to_string(total) + " blocks)\n");
    const bool succeeded = RunUpgrade(link, waiter, image, reports);
    if (terminal) {
        Say(out, "\n");
    }
    if (!succeeded) {
        Say(out, std::string(stop ? "Stopped.\n" : "") + kFailureText + "\n");
        return 1;
    }
    Say(out, "The firmware was upgraded.\n");
    return 0;
}
