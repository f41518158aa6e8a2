#include "device/DeviceApply.h"

#include "device/DeviceCommands.h"
#include "device/DeviceImage.h"

bool DeviceApplyReport::AllImagesDone() const {
    for (int result : imageResults) {
        if (result != kResultDone) {
            return false;
        }
    }
    return true;
}

DeviceApplyReport ApplyToDevice(DeviceLink& link,
                                const std::array<const ProfileRecord*, 5>& records,
                                std::uint8_t activeSlotIndex, Messages& messages) {
    DeviceApplyReport report;
    if (!link.IsOpen() && !link.OpenDevice()) {
        messages.Show("VOSK mouse no found.");
        report.outcome = DeviceApplyReport::Outcome::NoMouse;
        return report;
    }
    if (SetActiveProfile(link, activeSlotIndex) != kResultDone) {
        messages.Show("set current profile id failed.");
        report.outcome = DeviceApplyReport::Outcome::SelectFailedBefore;
        return report;
    }
    std::array<DeviceImage, 5> images;
    for (std::size_t i = 0; i < images.size(); ++i) {
        images[i] = BuildDeviceImage(*records[i]);
    }
    // A refused or failed upload does not stop the others: each slot gets its chance.
    for (std::size_t i = 0; i < images.size(); ++i) {
        report.imageResults[i] = WriteProfileImage(link, images[i]);
    }
    if (SetActiveProfile(link, activeSlotIndex) != kResultDone) {
        messages.Show("set current profile id failed.");
        report.outcome = DeviceApplyReport::Outcome::SelectFailedAfter;
    }
    return report;
}
