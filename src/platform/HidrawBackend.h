#pragma once

#include <filesystem>

#include "platform/HidBackend.h"

// HID through the kernel's hidraw nodes. The sysfs class folder and the device folder are
// parameters so tests can point them at a fake tree.
class HidrawBackend : public HidBackend {
  public:
    explicit HidrawBackend(std::filesystem::path sysfsClass = "/sys/class/hidraw",
                           std::filesystem::path devFolder = "/dev");

    std::vector<HidDeviceInfo> Enumerate() override;
    Handle Open(const std::string& path, std::error_code& error) override;
    void Close(Handle handle) override;
    bool SetFeature(Handle handle, std::span<const std::uint8_t> report) override;
    bool GetFeature(Handle handle, std::span<std::uint8_t> report) override;

  private:
    std::filesystem::path sysfsClass_;
    std::filesystem::path devFolder_;
};

// The vendor and product of a HID device's uevent text ("HID_ID=0003:000022D4:00001301").
bool ParseHidId(const std::string& uevent, std::uint16_t& vendorId, std::uint16_t& productId);
