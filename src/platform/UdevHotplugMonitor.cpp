#include <libudev.h>

#include <cerrno>
#include <cstring>

#include "platform/HotplugMonitor.h"

namespace {

class UdevHotplugMonitor : public HotplugMonitor {
  public:
    UdevHotplugMonitor(udev* context, udev_monitor* monitor) : udev_(context), monitor_(monitor) {}
    ~UdevHotplugMonitor() override {
        udev_monitor_unref(monitor_);
        udev_unref(udev_);
    }

    int Fd() const override { return udev_monitor_get_fd(monitor_); }

    std::optional<HotplugEvent> Receive() override {
        while (udev_device* device = udev_monitor_receive_device(monitor_)) {
            const char* action = udev_device_get_action(device);
            const char* path = udev_device_get_syspath(device);
            std::optional<HotplugEvent> event;
            if (action && path && std::strcmp(action, "add") == 0) {
                event = HotplugEvent{HotplugEvent::Kind::Arrival, path};
            } else if (action && path && std::strcmp(action, "remove") == 0) {
                event = HotplugEvent{HotplugEvent::Kind::Removal, path};
            }
            udev_device_unref(device);
            if (event) {
                return event;
            }
        }
        return std::nullopt;
    }

  private:
    udev* udev_;
    udev_monitor* monitor_;
};

}  // namespace

std::unique_ptr<HotplugMonitor> MakeUdevHotplugMonitor(std::error_code& error) {
    udev* context = udev_new();
    if (!context) {
        error = {errno ? errno : ENOMEM, std::generic_category()};
        return nullptr;
    }
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        error = {errno ? errno : EIO, std::generic_category()};
        if (monitor) {
            udev_monitor_unref(monitor);
        }
        udev_unref(context);
        return nullptr;
    }
    error.clear();
    return std::make_unique<UdevHotplugMonitor>(context, monitor);
}

bool IsVoskMousePath(const std::string& sysfsPath) {
    return sysfsPath.find("22D4", 1) != std::string::npos &&
           sysfsPath.find("1301", 1) != std::string::npos;
}
