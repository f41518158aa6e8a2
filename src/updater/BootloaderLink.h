#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/HidBackend.h"
#include "updater/BootloaderProtocol.h"
#include "updater/Waiter.h"

// The updater's one handle to the mouse, in normal or bootloader mode, and the bootloader's
// request/answer exchange. Every function returns 1 on success and 0 on failure.
class BootloaderLink {
  public:
    BootloaderLink(HidBackend& backend, Waiter& waiter) : backend_(backend), waiter_(waiter) {}
    ~BootloaderLink() { CloseDevice(); }
    BootloaderLink(const BootloaderLink&) = delete;
    BootloaderLink& operator=(const BootloaderLink&) = delete;

    // Opens the vendor collection of a device with these ids; every other handle it opened to
    // look is closed again.
    int FindDevice(std::uint16_t vendorId, std::uint16_t productId);
    void CloseDevice();
    bool IsOpen() const { return handle_ != HidBackend::kInvalidHandle; }

    int SendCommand(std::uint8_t command);
    int SendParameters(std::span<const std::uint8_t> report, int pauseBeforePoll = 0);
    // Up to 20 reads, waiting longer and longer while the answer is "busy".
    int PollStatus(std::uint8_t& status);

    int EnterBootloader();
    int SetImageSize(std::uint32_t size);
    int PrepareFlash();
    int BlockHeader(std::uint16_t block, std::uint16_t checksum);
    int BlockData(std::span<const std::uint8_t> block);
    int Finish();  // 1 once the request is sent, whatever the answer

  private:
    HidBackend& backend_;
    Waiter& waiter_;
    HidBackend::Handle handle_ = HidBackend::kInvalidHandle;
};

// The reports, as the bootloader expects them.
std::vector<std::uint8_t> CommandReport(std::uint8_t command);
std::vector<std::uint8_t> ImageSizeReport(std::uint32_t size);
std::vector<std::uint8_t> BlockHeaderReport(std::uint16_t block, std::uint16_t checksum);
