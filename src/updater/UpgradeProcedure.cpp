#include "updater/UpgradeProcedure.h"

namespace {

constexpr int kBootloaderSearches = 180;

}  // namespace

bool RunUpgrade(BootloaderLink& link, Waiter& waiter, const FirmwareImage& image,
                const UpgradeReports& reports) {
    auto message = [&](const char* text) {
        if (reports.message) {
            reports.message(text);
        }
    };
    link.CloseDevice();
    if (link.FindDevice(kMouseVendorId, kMouseNormalProductId)) {
        if (!link.EnterBootloader()) {
            message(kEnterBootloaderFailed);
            return false;
        }
        link.CloseDevice();
        // The mouse restarts: it leaves and comes back as the bootloader.
        if (!waiter.Wait(500) || !waiter.Wait(5000)) {
            return false;
        }
    }
    link.CloseDevice();
    if (!waiter.Wait(500)) {
        return false;
    }
    int searches = 0;
    while (!link.FindDevice(kMouseVendorId, kMouseBootloaderProductId)) {
        if (++searches == kBootloaderSearches) {
            message(kBootloaderNotFound);
            return false;
        }
        if (!waiter.Wait(1000)) {
            return false;
        }
    }
    if (searches + 1 > 10 && !waiter.Wait(5000)) {
        return false;
    }
    if (!link.SetImageSize(static_cast<std::uint32_t>(image.size)) || !waiter.Wait(500)) {
        return false;
    }
    if (!link.PrepareFlash() || !waiter.Wait(500)) {
        return false;
    }
    for (std::size_t block = 0; block < image.BlockCount(); ++block) {
        const auto n = static_cast<std::uint16_t>(block);
        const std::span<const std::uint8_t> data(image.bytes.data() + block * kFirmwareBlockSize,
                                                 kFirmwareBlockSize);
        if (!link.BlockHeader(n, image.checksums[block]) || !link.BlockData(data)) {
            return false;
        }
        if (reports.progress) {
            reports.progress(static_cast<int>(block));
        }
    }
    if (!waiter.Wait(500)) {
        return false;
    }
    return link.Finish() == 1;
}
