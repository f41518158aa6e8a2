#pragma once

#include <array>
#include <cstdint>

#include "device/DeviceLink.h"
#include "platform/Messages.h"
#include "profile/ProfileRecord.h"

// The device half of Apply: make the selected slot active, write all five images, make it
// active again.
struct DeviceApplyReport {
    enum class Outcome {
        Sent,                // every step ran (see imageResults for each upload)
        NoMouse,             // "VOSK mouse no found."
        SelectFailedBefore,  // "set current profile id failed.", nothing sent
        SelectFailedAfter,   // "set current profile id failed.", images sent
    };
    Outcome outcome = Outcome::Sent;
    // WriteProfileImage's result per slot 1 … 5; 0 where no image was sent.
    std::array<int, 5> imageResults{};
    bool AllImagesDone() const;
};

DeviceApplyReport ApplyToDevice(DeviceLink& link,
                                const std::array<const ProfileRecord*, 5>& records,
                                std::uint8_t activeSlotIndex, Messages& messages);
