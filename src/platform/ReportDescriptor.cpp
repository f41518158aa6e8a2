#include "platform/ReportDescriptor.h"

namespace {

// Item tags with their type bits (HID 1.11, 6.2.2): main, global, local.
constexpr std::uint8_t kCollection = 0xA0;
constexpr std::uint8_t kEndCollection = 0xC0;
constexpr std::uint8_t kUsagePage = 0x04;
constexpr std::uint8_t kUsage = 0x08;
constexpr std::uint8_t kPush = 0xA4;
constexpr std::uint8_t kPop = 0xB4;
constexpr std::uint8_t kLongItem = 0xFE;
constexpr std::uint32_t kApplication = 0x01;

}  // namespace

std::vector<HidCollection> TopLevelCollections(std::span<const std::uint8_t> descriptor) {
    std::vector<HidCollection> collections;
    std::vector<std::uint16_t> pushedPages;
    std::uint16_t usagePage = 0;
    std::vector<std::uint32_t> usages;  // local: cleared after every main item
    int depth = 0;
    std::size_t at = 0;
    while (at < descriptor.size()) {
        const std::uint8_t prefix = descriptor[at];
        if (prefix == kLongItem) {
            if (at + 1 >= descriptor.size()) {
                break;
            }
            at += 3 + descriptor[at + 1];
            continue;
        }
        const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (at + 1 + size > descriptor.size()) {
            break;
        }
        std::uint32_t data = 0;
        for (std::size_t i = 0; i < size; ++i) {
            data |= std::uint32_t{descriptor[at + 1 + i]} << (8 * i);
        }
        at += 1 + size;

        const std::uint8_t tag = prefix & 0xFC;
        const bool mainItem = (prefix & 0x0C) == 0;
        if (tag == kUsagePage) {
            usagePage = static_cast<std::uint16_t>(data);
        } else if (tag == kUsage) {
            usages.push_back(size == 4 ? data : (std::uint32_t{usagePage} << 16) | data);
        } else if (tag == kPush) {
            pushedPages.push_back(usagePage);
        } else if (tag == kPop && !pushedPages.empty()) {
            usagePage = pushedPages.back();
            pushedPages.pop_back();
        } else if (tag == kCollection) {
            if (depth == 0 && data == kApplication) {
                const std::uint32_t usage =
                    usages.empty() ? std::uint32_t{usagePage} << 16 : usages.front();
                collections.push_back({static_cast<std::uint16_t>(usage >> 16),
                                       static_cast<std::uint16_t>(usage & 0xFFFF)});
            }
            ++depth;
        } else if (tag == kEndCollection) {
            depth = depth > 0 ? depth - 1 : 0;
        }
        if (mainItem) {
            usages.clear();
        }
    }
    return collections;
}
