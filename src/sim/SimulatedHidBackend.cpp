#include "sim/SimulatedHidBackend.h"

#include "sim/SimBootloader.h"
#include "sim/SimFirmware.h"

namespace {

constexpr std::uint16_t kVendor = 0x22D4;
constexpr std::uint16_t kNormalProduct = 0x1301;
constexpr std::uint16_t kBootloaderProduct = 0x1303;

std::vector<HidDeviceInfo> Interfaces(const SimState& state) {
    if (!SimVisible(state)) {
        return {};
    }
    const HidCollection vendor{0xFF01, 2};
    if (state.bootloader) {
        return {{SimulatedHidBackend::kVendorPath, kVendor, kBootloaderProduct, {vendor}}};
    }
    return {
        {"sim:hidraw0", kVendor, kNormalProduct, {{0x01, 0x02}}},                // boot mouse
        {"sim:hidraw1", kVendor, kNormalProduct, {{0x01, 0x06}, {0x0C, 0x01}}},  // keys, media
        {SimulatedHidBackend::kVendorPath, kVendor, kNormalProduct, {vendor}},
    };
}

}  // namespace

std::vector<HidDeviceInfo> SimulatedHidBackend::Enumerate() {
    std::vector<HidDeviceInfo> found;
    store_.Transact([&](SimState& state) {
        found = Interfaces(state);
        SimCountSearch(state);
    });
    return found;
}

HidBackend::Handle SimulatedHidBackend::Open(const std::string& path, std::error_code& error) {
    const SimState state = store_.Read();
    for (const HidDeviceInfo& device : Interfaces(state)) {
        if (device.path == path) {
            error.clear();
            handles_[nextHandle_] = {path, state.plugGeneration};
            return nextHandle_++;
        }
    }
    error = std::make_error_code(std::errc::no_such_device);
    return kInvalidHandle;
}

void SimulatedHidBackend::Close(Handle handle) {
    handles_.erase(handle);
}

bool SimulatedHidBackend::Transfer(Handle handle, const std::function<bool(SimState&)>& transfer) {
    const auto it = handles_.find(handle);
    if (it == handles_.end()) {
        return false;
    }
    bool ok = false;
    store_.Transact([&](SimState& state) {
        if (it->second.path == kVendorPath && it->second.plugGeneration == state.plugGeneration) {
            ok = transfer(state);
        } else {
            ++state.transfers;  // other interfaces and stale handles get nowhere
        }
    });
    return ok;
}

bool SimulatedHidBackend::SetFeature(Handle handle, std::span<const std::uint8_t> report) {
    return Transfer(handle, [&](SimState& state) { return SimSetFeature(state, report); });
}

bool SimulatedHidBackend::GetFeature(Handle handle, std::span<std::uint8_t> report) {
    return Transfer(handle, [&](SimState& state) { return SimGetFeature(state, report); });
}
