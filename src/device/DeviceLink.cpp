#include "device/DeviceLink.h"

#include <algorithm>
#include <array>

bool HasVendorCollection(const HidDeviceInfo& device) {
    return std::find(device.collections.begin(), device.collections.end(), kVoskVendorCollection) !=
           device.collections.end();
}

int DeviceLink::OpenDevice() {
    Close();
    lastFailure_ = OpenFailure{};
    // Only the vendor collection is opened: other interfaces of the mouse, and other devices,
    // are told apart by what sysfs says of them.
    for (const HidDeviceInfo& device : backend_.Enumerate()) {
        if (device.vendorId != kVoskVendorId || device.productId != kVoskProductId ||
            !HasVendorCollection(device)) {
            continue;
        }
        std::error_code error;
        const HidBackend::Handle handle = backend_.Open(device.path, error);
        if (handle != HidBackend::kInvalidHandle) {
            handle_ = handle;
            lastFailure_.reset();
            return 1;
        }
        if (lastFailure_->path.empty()) {
            lastFailure_ = OpenFailure{device.path, error};
        }
    }
    return 0;
}

void DeviceLink::Close() {
    if (IsOpen()) {
        backend_.Close(handle_);
        handle_ = HidBackend::kInvalidHandle;
    }
}

bool DeviceLink::SetFeature(std::span<const std::uint8_t> report) {
    return IsOpen() && backend_.SetFeature(handle_, report);
}

bool DeviceLink::GetFeature(std::span<std::uint8_t> report) {
    return IsOpen() && backend_.GetFeature(handle_, report);
}

int DeviceLink::WaitReady(int firstDelay) {
    constexpr int kAttempts = 10;
    std::uint8_t status = 0;
    int result = 0;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        std::array<std::uint8_t, kCommandReportLength> reply{kCommandReport};
        if (GetFeature(reply)) {
            status = reply[1];
            result = status == kStatusDone ? 1 : 0;
        } else {
            result = 0;  // the status stays what it was: a busy mouse is asked again
        }
        const int delay = attempt == 1 ? firstDelay : attempt == 2 ? 200 : attempt == 3 ? 400 : 800;
        sleeper_.SleepMs(delay / 10);
        if (status != kStatusBusy) {
            break;
        }
    }
    return result;
}

std::string DeviceLink::DescribeOpenFailure() const {
    if (!lastFailure_) {
        return {};
    }
    if (lastFailure_->path.empty()) {
        return "no VOSK8200 mouse found (vendor 22D4, product 1301)";
    }
    std::string text = "found the mouse at " + lastFailure_->path +
                       " but cannot open it: " + lastFailure_->error.message();
    if (lastFailure_->error == std::errc::permission_denied) {
        text += " \u2014 install the udev rule (see README)";
    }
    return text;
}
