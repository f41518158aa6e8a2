#include "device/DeviceCommands.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::uint8_t kCodeSelectProfile = 0x02;
constexpr std::uint8_t kCodeActiveProfile = 0x03;
constexpr std::uint8_t kCodeFirmware = 0x04;
constexpr std::uint8_t kCodeSurface = 0x30;
constexpr std::uint8_t kCodeLiftOff = 0x31;
constexpr int kPollDelay = 100;

// Request, then the poll; false when either fails.
bool Exchange(DeviceLink& link, const CommandRequest& request) {
    return SendRequest(link, request) && link.WaitReady(kPollDelay) == 1;
}

void LiftOff(DeviceLink& link, std::uint8_t sub, int value, Messages& messages,
             const char* failure) {
    if (!link.IsOpen() && !link.OpenDevice()) {
        return;
    }
    const auto clamped = static_cast<std::uint8_t>(std::clamp(value, 6, 31));
    if (!SendRequest(link, {kCommandReport, kCodeLiftOff, sub, clamped})) {
        messages.Show(failure);
        return;
    }
    link.WaitReady(kPollDelay);
}

}  // namespace

bool SendRequest(DeviceLink& link, const CommandRequest& request) {
    std::array<std::uint8_t, kCommandReportLength> bytes;
    std::memcpy(bytes.data(), &request, bytes.size());
    return link.SetFeature(bytes);
}

int ReadFirmwareVersion(DeviceLink& link, int& version) {
    if (!Exchange(link, {kCommandReport, kCodeFirmware})) {
        return kResultFailed;
    }
    std::array<std::uint8_t, kDataReportLength> reply{kDataReport};
    version = link.GetFeature(reply) ? reply[1] + 256 * reply[2] : 0;
    return kResultDone;
}

int ReadActiveProfile(DeviceLink& link, std::uint8_t& slot) {
    if (!Exchange(link, {kCommandReport, kCodeActiveProfile})) {
        return kResultFailed;
    }
    std::array<std::uint8_t, kCommandReportLength> reply{kCommandReport};
    if (!link.GetFeature(reply)) {
        return 0;
    }
    if (reply[1] <= 4) {
        slot = reply[1];
    }
    return kResultDone;
}

int SetActiveProfile(DeviceLink& link, std::uint8_t slot) {
    // 02 announces the change; the next request carries the slot where the code would be.
    const bool ok = Exchange(link, {kCommandReport, kCodeSelectProfile}) &&
                    Exchange(link, {kCommandReport, slot});
    return ok ? kResultDone : kResultFailed;
}

void StartSurfaceAnalysis(DeviceLink& link) {
    if (SendRequest(link, {kCommandReport, kCodeSurface, 0x01})) {
        link.WaitReady(kPollDelay);
    }
}

int ReadSurfaceAnalysis(DeviceLink& link, int& raw) {
    // The result is read at once: this request has no busy poll.
    if (!SendRequest(link, {kCommandReport, kCodeSurface, 0x02})) {
        return kResultFailed;
    }
    std::array<std::uint8_t, kCommandReportLength> reply{kCommandReport};
    if (!link.GetFeature(reply)) {
        return kResultFailed;
    }
    raw = reply[2];
    return kResultDone;
}

void TestLiftOff(DeviceLink& link, int value, Messages& messages) {
    LiftOff(link, 0x01, value, messages, "Test_LOD failed.");
}

void SaveLiftOff(DeviceLink& link, int value, Messages& messages) {
    LiftOff(link, 0x02, value, messages, "Save_LOD failed.");
}

std::string FormatFirmwareVersion(int version) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", version / 100.0);
    return text;
}
