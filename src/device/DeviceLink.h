#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <system_error>

#include "platform/HidBackend.h"
#include "platform/Sleeper.h"

// The mouse's normal-mode identity.
inline constexpr std::uint16_t kVoskVendorId = 0x22D4;
inline constexpr std::uint16_t kVoskProductId = 0x1301;
inline constexpr std::uint16_t kVoskBootloaderProductId = 0x1303;
inline constexpr HidCollection kVoskVendorCollection{0xFF01, 2};

bool HasVendorCollection(const HidDeviceInfo& device);

// Report ids and the buffer lengths passed with them, report id included.
inline constexpr std::uint8_t kCommandReport = 3;
inline constexpr std::size_t kCommandReportLength = 8;
inline constexpr std::uint8_t kDataReport = 4;
inline constexpr std::size_t kDataReportLength = 64;
inline constexpr std::uint8_t kBlockReport = 5;
inline constexpr std::size_t kBlockReportLength = 1025;

// Status byte of a report-3 read.
inline constexpr std::uint8_t kStatusDone = 1;
inline constexpr std::uint8_t kStatusBusy = 3;

// The one open handle to the mouse's vendor collection, and the two report primitives.
class DeviceLink {
  public:
    DeviceLink(HidBackend& backend, Sleeper& sleeper) : backend_(backend), sleeper_(sleeper) {}
    ~DeviceLink() { Close(); }
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Finds the mouse and opens it: 1 when the handle is open on it, 0 otherwise.
    int OpenDevice();
    bool IsOpen() const { return handle_ != HidBackend::kInvalidHandle; }
    void Close();

    bool SetFeature(std::span<const std::uint8_t> report);
    bool GetFeature(std::span<std::uint8_t> report);

    // The busy poll after a command: 1 once the mouse reports done, 0 on failure or after ten
    // busy answers. Pauses firstDelay/10, 20, 40, 80, 80 … ms, one after every read.
    int WaitReady(int firstDelay);

    // Why the last OpenDevice found nothing to open: no mouse, or one that could not be opened.
    struct OpenFailure {
        std::string path;  // empty: no mouse was found
        std::error_code error;
    };
    const std::optional<OpenFailure>& LastOpenFailure() const { return lastFailure_; }
    // A sentence for the user, e.g. "found the mouse at /dev/hidraw3 but cannot open it: …".
    std::string DescribeOpenFailure() const;

    Sleeper& sleeper() { return sleeper_; }

  private:
    HidBackend& backend_;
    Sleeper& sleeper_;
    HidBackend::Handle handle_ = HidBackend::kInvalidHandle;
    std::optional<OpenFailure> lastFailure_;
};
