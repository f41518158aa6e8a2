#include "device/DeviceImage.h"

#include <algorithm>
#include <cstring>

#include "device/AnsiName.h"
#include "device/DeviceCommands.h"
#include "device/KeyUsage.h"

namespace {

// Offsets of the fixed fields.
constexpr std::size_t kName = 1;
constexpr std::size_t kNameBytes = 15;  // and a terminator
constexpr std::size_t kLength = 17;
constexpr std::size_t kPolling = 21;
constexpr std::size_t kEnabled = 22;
constexpr std::size_t kWheelZone = 23;
constexpr std::size_t kLogoZone = 27;
constexpr std::size_t kDpiIndicatorZone = 33;
constexpr std::size_t kDpiButtonZones = 37;  // three copies
constexpr std::size_t kDpiLevel = 50;
constexpr std::size_t kLevels[3] = {51, 60, 81};  // separate flag, x, y
constexpr std::size_t kLiftDistance = 70;
constexpr std::size_t kLevelCount = 86;
constexpr std::size_t kDefinedMode = 87;
constexpr std::size_t kButtons = 101;
constexpr std::size_t kButtonBytes = 7;
constexpr std::size_t kEventBytes = 7;
constexpr std::uint8_t kButtonTail = 15;
constexpr std::uint8_t kMacroType = 0x03;
constexpr std::uint8_t kMacroWithoutRelease = 0xFE;

// Action type and value of each ButtonFunction code; 13 and 14 take their value from the entry.
struct Action {
    std::uint8_t type, value;
};
constexpr std::array<Action, kButtonFunctionCount> kActions = {{
    {0x00, 0x01},
    {0x00, 0x02},
    {0x00, 0x04},
    {0x00, 0x10},
    {0x00, 0x08},
    {0x09, 0xF0},
    {0x09, 0xF2},
    {0x00, 0x00},
    {0x08, 0xF1},
    {0x08, 0xF0},
    {0x08, 0xF2},
    {0x01, 0x01},
    {0x01, 0xFF},
    {0x02, 0x00},
    {kMacroType, 0x00},
    {0xFF, 0x00},
}};

void Put16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t Get16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

void PutZone(std::uint8_t* at, const ProfileRecord& record, int zone) {
    if (record.ledZones & (1 << zone)) {
        const std::uint32_t color = record.ledColors[std::size_t(zone)];
        at[0] = static_cast<std::uint8_t>(color);
        at[1] = static_cast<std::uint8_t>(color >> 8);
        at[2] = static_cast<std::uint8_t>(color >> 16);
    }
    at[3] = static_cast<std::uint8_t>(record.ledEffect);
}

// The events a macro button sends: none when its copy is of another macro than it names.
std::vector<CMacroEvent> MacroBlock(const ProfileRecord& record, const ButtonAssignment& button) {
    if (button.macroSlot >= kButtonCount) {
        return {};
    }
    const ProfileMacro& macro = record.macros[button.macroSlot];
    if (macro.macroId != std::int32_t{button.param}) {
        return {};
    }
    const std::size_t count = std::min<std::size_t>(macro.events.size(), kMaxEventsPerMacro);
    return {macro.events.begin(), macro.events.begin() + long(count)};
}

}  // namespace

int DeviceImage::TotalMacroEvents() const {
    int total = 0;
    for (int count : macroEventCounts) {
        total += count;
    }
    return total;
}

DeviceImage BuildDeviceImage(const ProfileRecord& record) {
    DeviceImage image;
    std::uint8_t* b = image.bytes.data();
    b[0] = record.slotIndex;
    const std::string name = ToWindows1252(record.name, kNameBytes);
    std::memcpy(b + kName, name.data(), name.size());
    Put16(b + kLength, static_cast<std::uint16_t>(kImageSize));
    b[kPolling] = static_cast<std::uint8_t>(record.pollingInterval);
    b[kEnabled] = static_cast<std::uint8_t>(record.enabled);
    PutZone(b + kWheelZone, record, 0);
    PutZone(b + kLogoZone, record, 3);
    PutZone(b + kDpiIndicatorZone, record, 1);
    for (std::size_t copy = 0; copy < 3; ++copy) {
        PutZone(b + kDpiButtonZones + 4 * copy, record, 2);
    }
    b[kDpiLevel] = record.dpiLevel;
    for (std::size_t i = 0; i < 3; ++i) {
        b[kLevels[i]] = static_cast<std::uint8_t>(record.xySeparate);
        Put16(b + kLevels[i] + 1, record.dpiLevels[i].x);
        Put16(b + kLevels[i] + 3, record.dpiLevels[i].y);
    }
    b[kLiftDistance] = record.liftDistance;
    b[kLevelCount] = 3;
    b[kDefinedMode] = static_cast<std::uint8_t>(record.definedMode);

    std::size_t macroAt = kMacroAreaOffset;
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        const ButtonAssignment& button = record.buttons[i];
        std::uint8_t* entry = b + kButtons + kButtonBytes * i;
        const Action action =
            button.function < kActions.size() ? kActions[button.function] : Action{0x00, 0x00};
        entry[0] = action.type;
        entry[1] = action.value;
        entry[6] = kButtonTail;
        if (button.function == static_cast<std::uint8_t>(ButtonFunction::SingleKey)) {
            entry[1] = static_cast<std::uint8_t>(
                HidUsageOfVirtualKey(static_cast<std::uint16_t>(button.param)));
        }
        if (action.type != kMacroType) {
            continue;
        }
        const std::vector<CMacroEvent> events = MacroBlock(record, button);
        const bool anyRelease = std::any_of(events.begin(), events.end(),
                                            [](const CMacroEvent& e) { return e.direction == 1; });
        entry[1] = anyRelease ? 0x00 : kMacroWithoutRelease;
        Put16(entry + 2, static_cast<std::uint16_t>(macroAt));
        Put16(entry + 4, static_cast<std::uint16_t>(events.size()));
        image.macroEventCounts[i] = static_cast<int>(events.size());
        // 7 macros of at most 128 events could overrun the image; WriteProfileImage refuses any
        // image past 164 events, so what does not fit is simply not written here.
        for (const CMacroEvent& event : events) {
            if (macroAt + kEventBytes > kImageSize) {
                break;
            }
            std::uint8_t* record7 = b + macroAt;
            record7[0] = event.kind;
            Put16(record7 + 1, HidUsageOfVirtualKey(static_cast<std::uint16_t>(event.keyCode)));
            record7[3] = event.direction;
            record7[4] = static_cast<std::uint8_t>(event.delay);
            record7[5] = static_cast<std::uint8_t>(event.delay >> 8);
            record7[6] = static_cast<std::uint8_t>(event.delay >> 16);
            macroAt += kEventBytes;
        }
        macroAt += kEventBytes;  // the zero record that ends the macro
    }
    return image;
}

int WriteProfileImage(DeviceLink& link, const DeviceImage& image) {
    if (image.TotalMacroEvents() > kMaxEventsPerImage) {
        return kResultTooLarge;
    }
    for (std::uint8_t half = 0; half < 2; ++half) {
        // Bytes 2 … 3 carry the image length 2048, byte 5 the slot.
        const CommandRequest header{kCommandReport, 0x00, 0x00, 0x08, {half, image.bytes[0], 0, 0}};
        if (!SendRequest(link, header) || link.WaitReady(100) != 1) {
            return kResultFailed;
        }
        std::array<std::uint8_t, kBlockReportLength> block{kBlockReport};
        std::memcpy(block.data() + 1, image.bytes.data() + kImageHalf * half, kImageHalf);
        if (!link.SetFeature(block) || link.WaitReady(500) != 1) {
            return kResultFailed;
        }
    }
    return kResultDone;
}

DecodedImage DecodeDeviceImage(const std::array<std::uint8_t, kImageSize>& bytes) {
    const std::uint8_t* b = bytes.data();
    DecodedImage d{};
    d.slot = b[0];
    d.name.assign(reinterpret_cast<const char*>(b + kName),
                  strnlen(reinterpret_cast<const char*>(b + kName), kNameBytes + 1));
    d.length = Get16(b + kLength) | (std::uint32_t{Get16(b + kLength + 2)} << 16);
    d.polling = b[kPolling];
    d.enabled = b[kEnabled];
    auto zone = [&](std::size_t at) {
        return DecodedImage::Zone{b[at], b[at + 1], b[at + 2], b[at + 3]};
    };
    d.wheel = zone(kWheelZone);
    d.logo = zone(kLogoZone);
    d.dpiIndicator = zone(kDpiIndicatorZone);
    d.dpiButtons = zone(kDpiButtonZones);
    d.dpiLevel = b[kDpiLevel];
    for (std::size_t i = 0; i < 3; ++i) {
        d.levels[i] = {b[kLevels[i]], Get16(b + kLevels[i] + 1), Get16(b + kLevels[i] + 3)};
    }
    d.liftDistance = b[kLiftDistance];
    d.levelCount = b[kLevelCount];
    d.definedMode = b[kDefinedMode];
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        const std::uint8_t* entry = b + kButtons + kButtonBytes * i;
        DecodedImage::Button& button = d.buttons[i];
        button = {entry[0], entry[1], Get16(entry + 2), Get16(entry + 4), entry[6], {}};
        if (button.type != kMacroType) {
            continue;
        }
        for (std::size_t n = 0; n < button.macroCount; ++n) {
            const std::size_t at = button.macroOffset + kEventBytes * n;
            if (at + kEventBytes > kImageSize) {
                break;
            }
            std::array<std::uint8_t, 7> event;
            std::memcpy(event.data(), b + at, kEventBytes);
            button.events.push_back(event);
        }
    }
    return d;
}
