#pragma once

#include <map>

#include "platform/HidBackend.h"
#include "sim/SimStateStore.h"

// The simulated mouse behind the same interface as a real one. Besides its vendor collection it
// shows a boot-mouse and a keyboard interface, as the real mouse does; only the vendor
// collection takes feature reports.
class SimulatedHidBackend : public HidBackend {
  public:
    explicit SimulatedHidBackend(SimStateStore& store) : store_(store) {}

    std::vector<HidDeviceInfo> Enumerate() override;
    Handle Open(const std::string& path, std::error_code& error) override;
    void Close(Handle handle) override;
    bool SetFeature(Handle handle, std::span<const std::uint8_t> report) override;
    bool GetFeature(Handle handle, std::span<std::uint8_t> report) override;

    // How many handles are open now.
    std::size_t OpenHandles() const { return handles_.size(); }

    static constexpr const char* kVendorPath = "sim:hidraw2";

  private:
    struct OpenInterface {
        std::string path;
        int plugGeneration;
    };
    // The transfer goes to the firmware only on a live handle of the vendor collection.
    bool Transfer(Handle handle, const std::function<bool(SimState&)>& transfer);

    SimStateStore& store_;
    std::map<Handle, OpenInterface> handles_;
    Handle nextHandle_ = 1;
};
