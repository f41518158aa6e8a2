#pragma once

#include <memory>
#include <optional>
#include <string>
#include <system_error>

// Arrival and removal of HID interfaces.
struct HotplugEvent {
    enum class Kind { Arrival, Removal } kind;
    std::string sysfsPath;
};

class HotplugMonitor {
  public:
    virtual ~HotplugMonitor() = default;
    // A descriptor that becomes readable when an event waits; the program's main loop polls it.
    virtual int Fd() const = 0;
    // The next waiting event, if any; events other than arrival and removal are dropped.
    virtual std::optional<HotplugEvent> Receive() = 0;
};

// A udev netlink monitor on the hidraw subsystem; nothing when udev cannot give one.
std::unique_ptr<HotplugMonitor> MakeUdevHotplugMonitor(std::error_code& error);

// Whether an event's sysfs path is our mouse's: it holds "22D4" and "1301", each after the
// path's first character.
bool IsVoskMousePath(const std::string& sysfsPath);
