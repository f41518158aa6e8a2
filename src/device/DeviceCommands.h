#pragma once

#include <array>
#include <cstdint>

#include "device/DeviceLink.h"
#include "platform/Messages.h"

// Result codes of the device commands.
inline constexpr int kResultDone = 1;
inline constexpr int kResultTooLarge = 2;  // profile image only
inline constexpr int kResultFailed = 3;    // no handle, a failed send, or a poll that failed

// Report 3 as a command request.
struct CommandRequest {
    std::uint8_t reportId = kCommandReport;
    std::uint8_t code = 0;
    std::uint8_t sub = 0;
    std::uint8_t param = 0;
    std::array<std::uint8_t, 4> more{};
};
static_assert(sizeof(CommandRequest) == kCommandReportLength);

// Sends a request as report 3; false when there is no handle or the send fails.
bool SendRequest(DeviceLink& link, const CommandRequest& request);

// Firmware version as byte 1 + 256 × byte 2 of report 4 (101 is shown as "1.01"); 0 when the
// reply cannot be read, which still returns 1.
int ReadFirmwareVersion(DeviceLink& link, int& version);
// Code 1 and the slot 0 … 4 (left as it was for a reply above 4); 0 when the reply could not be
// read; 3 when the request or the poll failed.
int ReadActiveProfile(DeviceLink& link, std::uint8_t& slot);
int SetActiveProfile(DeviceLink& link, std::uint8_t slot);
void StartSurfaceAnalysis(DeviceLink& link);
int ReadSurfaceAnalysis(DeviceLink& link, int& raw);
// Both clamp the slider value to 6 … 31 and open the mouse first when needed.
void TestLiftOff(DeviceLink& link, int value, Messages& messages);
void SaveLiftOff(DeviceLink& link, int value, Messages& messages);

// "%.2f" of version / 100.
std::string FormatFirmwareVersion(int version);
