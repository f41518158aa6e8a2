#include "updater/BootloaderLink.h"

#include <algorithm>

namespace {

constexpr int kMaxPolls = 20;

// The pause before each poll: 100, 100, 200, 400, 600, 1500, 500, then 1500.
int PauseBeforePoll(int attempt) {
    static constexpr int kPauses[] = {100, 100, 200, 400, 600, 1500, 500};
    return attempt <= 7 ? kPauses[attempt - 1] : 1500;
}

std::vector<std::uint8_t> ParameterReport() {
    std::vector<std::uint8_t> report(kBootParameterLength, 0);
    report[0] = kBootParameterReport;
    return report;
}

void PutMarker(std::vector<std::uint8_t>& report) {
    std::copy(kBootMarker.begin(), kBootMarker.end(), report.begin() + 5);
}

}  // namespace

std::uint16_t BlockChecksum(const std::uint8_t* block, std::size_t size) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < size; ++i) {
        sum += block[i];
    }
    return static_cast<std::uint16_t>(sum);
}

std::vector<std::uint8_t> CommandReport(std::uint8_t command) {
    // 20 06 L0 L1 00 C 00 00, and a ninth zero byte except for the restart request.
    const bool block = command == kCmdBlockData;
    std::vector<std::uint8_t> report = {kBootCommandReport,
                                        0x06,
                                        static_cast<std::uint8_t>(block ? 0x01 : 0x09),
                                        static_cast<std::uint8_t>(block ? 0x04 : 0x00),
                                        0x00,
                                        command,
                                        0x00,
                                        0x00};
    if (command != kCmdEnterBootloader) {
        report.push_back(0x00);
    }
    return report;
}

std::vector<std::uint8_t> ImageSizeReport(std::uint32_t size) {
    std::vector<std::uint8_t> report = ParameterReport();
    for (int i = 0; i < 4; ++i) {
        report[std::size_t(1 + i)] = static_cast<std::uint8_t>(size >> (8 * i));
    }
    PutMarker(report);
    return report;
}

std::vector<std::uint8_t> BlockHeaderReport(std::uint16_t block, std::uint16_t checksum) {
    std::vector<std::uint8_t> report = ParameterReport();
    report[1] = static_cast<std::uint8_t>(block);
    report[2] = static_cast<std::uint8_t>(block >> 8);
    report[3] = static_cast<std::uint8_t>(checksum);
    report[4] = static_cast<std::uint8_t>(checksum >> 8);
    PutMarker(report);
    return report;
}

int BootloaderLink::FindDevice(std::uint16_t vendorId, std::uint16_t productId) {
    CloseDevice();
    for (const HidDeviceInfo& device : backend_.Enumerate()) {
        if (device.vendorId != vendorId || device.productId != productId) {
            continue;
        }
        const bool vendorCollection = std::any_of(
            device.collections.begin(), device.collections.end(), [](const HidCollection& c) {
                return c.usagePage == kBootVendorUsagePage && c.usage == kBootVendorUsage;
            });
        if (!vendorCollection) {
            continue;
        }
        std::error_code error;
        const HidBackend::Handle handle = backend_.Open(device.path, error);
        if (handle != HidBackend::kInvalidHandle) {
            handle_ = handle;
            return 1;
        }
    }
    return 0;
}

void BootloaderLink::CloseDevice() {
    if (handle_ != HidBackend::kInvalidHandle) {
        backend_.Close(handle_);
        handle_ = HidBackend::kInvalidHandle;
    }
}

int BootloaderLink::PollStatus(std::uint8_t& status) {
    status = 0;
    int result = 0;
    for (int attempt = 1; attempt <= kMaxPolls; ++attempt) {
        if (!waiter_.Wait(PauseBeforePoll(attempt))) {
            return 0;
        }
        std::vector<std::uint8_t> report(kBootStatusLength, 0);
        report[0] = kBootCommandReport;
        if (IsOpen() && backend_.GetFeature(handle_, report)) {
            status = report[1];
            result = status == kBootDone ? 1 : 0;
        }
        if (status != kBootBusy) {
            break;
        }
    }
    return result;
}

int BootloaderLink::SendCommand(std::uint8_t command) {
    const std::vector<std::uint8_t> report = CommandReport(command);
    if (!IsOpen() || !backend_.SetFeature(handle_, report)) {
        return 0;
    }
    std::uint8_t status = 0;
    return PollStatus(status);
}

int BootloaderLink::SendParameters(std::span<const std::uint8_t> report, int pauseBeforePoll) {
    for (;;) {
        if (!IsOpen() || !backend_.SetFeature(handle_, report)) {
            return 0;
        }
        if (pauseBeforePoll > 0 && !waiter_.Wait(pauseBeforePoll)) {
            return 0;
        }
        std::uint8_t status = 0;
        const int result = PollStatus(status);
        if (status != kBootResend) {
            return result;
        }
    }
}

int BootloaderLink::EnterBootloader() {
    if (!SendCommand(kCmdEnterBootloader)) {
        return 0;
    }
    std::vector<std::uint8_t> report = ParameterReport();
    std::copy(kBootEntryCode.begin(), kBootEntryCode.end(), report.begin() + 1);
    return SendParameters(report, 500);
}

int BootloaderLink::SetImageSize(std::uint32_t size) {
    return SendCommand(kCmdSetImageSize) && SendParameters(ImageSizeReport(size)) ? 1 : 0;
}

int BootloaderLink::PrepareFlash() {
    std::vector<std::uint8_t> report = ParameterReport();
    report[1] = kPrepareFlashCode;
    return SendCommand(kCmdPrepareFlash) && SendParameters(report) ? 1 : 0;
}

int BootloaderLink::BlockHeader(std::uint16_t block, std::uint16_t checksum) {
    return SendCommand(kCmdBlockHeader) && SendParameters(BlockHeaderReport(block, checksum)) ? 1
                                                                                              : 0;
}

int BootloaderLink::BlockData(std::span<const std::uint8_t> block) {
    std::vector<std::uint8_t> report(kBootBlockLength, 0);
    report[0] = kBootBlockReport;
    std::copy_n(block.begin(), std::min(block.size(), kFirmwareBlockSize), report.begin() + 1);
    return SendCommand(kCmdBlockData) && SendParameters(report) ? 1 : 0;
}

int BootloaderLink::Finish() {
    // The answer does not matter: the bootloader may restart before it can give one. A request
    // that never left, though, finished nothing.
    const std::vector<std::uint8_t> report = CommandReport(kCmdFinish);
    if (!IsOpen() || !backend_.SetFeature(handle_, report)) {
        return 0;
    }
    std::uint8_t status = 0;
    PollStatus(status);
    return 1;
}
