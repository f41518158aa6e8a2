#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <system_error>
#include <vector>

// A top-level collection of a HID interface, as its report descriptor declares it.
struct HidCollection {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    friend bool operator==(const HidCollection&, const HidCollection&) = default;
};

// One present HID interface: the node to open, its ids and its top-level collections.
struct HidDeviceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::vector<HidCollection> collections;
};

// Access to HID interfaces. Buffers start with the report id; their length is the report's.
class HidBackend {
  public:
    using Handle = int;
    static constexpr Handle kInvalidHandle = -1;

    virtual ~HidBackend() = default;
    virtual std::vector<HidDeviceInfo> Enumerate() = 0;
    // Opens an interface read-write; on failure returns kInvalidHandle and says why.
    virtual Handle Open(const std::string& path, std::error_code& error) = 0;
    virtual void Close(Handle handle) = 0;
    virtual bool SetFeature(Handle handle, std::span<const std::uint8_t> report) = 0;
    virtual bool GetFeature(Handle handle, std::span<std::uint8_t> report) = 0;
};
