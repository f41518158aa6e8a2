#include "platform/HidrawBackend.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/ReportDescriptor.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> ReadBinary(const fs::path& path) {
    const std::string text = ReadText(path);
    return {text.begin(), text.end()};
}

}  // namespace

bool ParseHidId(const std::string& uevent, std::uint16_t& vendorId, std::uint16_t& productId) {
    std::istringstream lines(uevent);
    for (std::string line; std::getline(lines, line);) {
        unsigned bus = 0, vendor = 0, product = 0;
        char tail = 0;
        if (line.rfind("HID_ID=", 0) == 0 &&
            std::sscanf(line.c_str() + 7, "%x:%x:%x%c", &bus, &vendor, &product, &tail) == 3 &&
            vendor <= 0xFFFF && product <= 0xFFFF) {
            vendorId = static_cast<std::uint16_t>(vendor);
            productId = static_cast<std::uint16_t>(product);
            return true;
        }
    }
    return false;
}

HidrawBackend::HidrawBackend(fs::path sysfsClass, fs::path devFolder)
    : sysfsClass_(std::move(sysfsClass)), devFolder_(std::move(devFolder)) {}

std::vector<HidDeviceInfo> HidrawBackend::Enumerate() {
    std::vector<HidDeviceInfo> devices;
    std::error_code error;
    for (fs::directory_iterator it(sysfsClass_, error), end; !error && it != end;
         it.increment(error)) {
        // Each hidraw node's "device" link leads to its HID device folder.
        const fs::path hidDevice = it->path() / "device";
        HidDeviceInfo info;
        if (!ParseHidId(ReadText(hidDevice / "uevent"), info.vendorId, info.productId)) {
            continue;
        }
        info.path = (devFolder_ / it->path().filename()).string();
        info.collections = TopLevelCollections(ReadBinary(hidDevice / "report_descriptor"));
        devices.push_back(std::move(info));
    }
    std::sort(devices.begin(), devices.end(),
              [](const HidDeviceInfo& a, const HidDeviceInfo& b) { return a.path < b.path; });
    return devices;
}

HidBackend::Handle HidrawBackend::Open(const std::string& path, std::error_code& error) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        error = {errno, std::generic_category()};
        return kInvalidHandle;
    }
    error.clear();
    return fd;
}

void HidrawBackend::Close(Handle handle) {
    if (handle >= 0) {
        ::close(handle);
    }
}

bool HidrawBackend::SetFeature(Handle handle, std::span<const std::uint8_t> report) {
    if (handle < 0 || report.empty()) {
        return false;
    }
    // The ioctl does not modify the buffer, but its interface takes a non-const pointer.
    std::vector<std::uint8_t> buffer(report.begin(), report.end());
    return ::ioctl(handle, HIDIOCSFEATURE(buffer.size()), buffer.data()) >= 0;
}

bool HidrawBackend::GetFeature(Handle handle, std::span<std::uint8_t> report) {
    if (handle < 0 || report.empty()) {
        return false;
    }
    return ::ioctl(handle, HIDIOCGFEATURE(report.size()), report.data()) >= 0;
}
