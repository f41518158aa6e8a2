#include "sim/SimFirmware.h"

#include <algorithm>
#include <cstring>

#include "sim/SimBootloader.h"

namespace {

constexpr std::uint8_t kStatusDone = 1;
constexpr std::uint8_t kStatusFailed = 2;
constexpr std::uint8_t kStatusBusy = 3;

// Counts the transfer and applies the transfer-level faults; false: this transfer fails.
bool TransferAllowed(SimState& s) {
    ++s.transfers;
    if (!s.plugged) {
        return false;
    }
    if (s.faults.unplugAfter == 0) {
        s.faults.unplugAfter = -1;
        SimSetPlugged(s, false);
        return false;
    }
    if (s.faults.unplugAfter > 0) {
        --s.faults.unplugAfter;
    }
    if (s.faults.failTransferIn > 0 && --s.faults.failTransferIn == 0) {
        return false;
    }
    return true;
}

std::uint8_t Outcome(const SimState& s, int command) {
    return s.faults.failCommand == command ? kStatusFailed : kStatusDone;
}

void TakeRequest(SimState& s, std::span<const std::uint8_t> r) {
    s.replyPending = s.slotReady = s.surfaceReply = false;
    if (s.awaitingSlot) {
        // The request after 02 carries the slot where a command code would stand.
        s.awaitingSlot = false;
        s.status = r[1] <= 4 ? Outcome(s, 0x02) : kStatusFailed;
        if (s.status == kStatusDone) {
            s.activeSlot = r[1];
        }
        return;
    }
    const std::uint8_t code = r[1];
    s.status = Outcome(s, code);
    switch (code) {
        case 0x00:  // image header: 03 00 00 08 half slot
            if (r[2] != 0x00 || r[3] != 0x08 || r[4] > 1 || r[5] > 4) {
                s.status = kStatusFailed;
                break;
            }
            s.headerHalf = r[4];
            s.headerSlot = r[5];
            break;
        case 0x02:
            s.awaitingSlot = s.status == kStatusDone;
            break;
        case 0x03:
            s.replyPending = s.status == kStatusDone;
            break;
        case 0x04:
            break;
        case 0x30:
            if (r[2] == 0x01) {
                s.surfaceStarted = true;
            } else if (r[2] == 0x02) {
                s.surfaceReply = true;
            } else {
                s.status = kStatusFailed;
            }
            break;
        case 0x31:
            if (r[2] == 0x01) {
                s.lodTest = r[3];
            } else if (r[2] == 0x02) {
                s.lodSave = r[3];
            } else {
                s.status = kStatusFailed;
            }
            break;
        default:
            s.status = kStatusFailed;
    }
}

void TakeBlock(SimState& s, std::span<const std::uint8_t> r) {
    if (s.headerHalf < 0) {
        s.status = kStatusFailed;  // a block nobody announced
        return;
    }
    s.status = Outcome(s, SimFaults::kFailBlock);
    if (s.status == kStatusDone) {
        auto& image = s.images[std::size_t(s.headerSlot)];
        std::memcpy(image.data() + 1024 * s.headerHalf, r.data() + 1, 1024);
    }
    s.headerHalf = -1;
    s.headerSlot = -1;
}

void AnswerStatus(SimState& s, std::span<std::uint8_t> r) {
    std::fill(r.begin() + 1, r.end(), 0);
    if (s.surfaceReply) {
        s.surfaceReply = false;
        r[1] = kStatusDone;
        r[2] = static_cast<std::uint8_t>(s.surfaceRaw);
        return;
    }
    if (s.slotReady) {
        s.slotReady = false;
        r[1] = s.activeSlot;
        return;
    }
    if (s.faults.busyPolls > 0) {
        --s.faults.busyPolls;
        r[1] = kStatusBusy;
        return;
    }
    r[1] = s.status;
    if (s.status == kStatusDone && s.replyPending) {
        // "Done" was said; the read after it carries the value.
        s.replyPending = false;
        s.slotReady = true;
    }
}

}  // namespace

bool SimSetFeature(SimState& s, std::span<const std::uint8_t> report) {
    if (!TransferAllowed(s) || report.empty()) {
        return false;
    }
    if (s.bootloader) {
        return SimBootSetFeature(s, report);
    }
    if (report[0] == 0x20 || report[0] == 0x21) {
        return SimRestartSetFeature(s, report);
    }
    if (report[0] == 3 && report.size() == 8) {
        TakeRequest(s, report);
        return true;
    }
    if (report[0] == 5 && report.size() == 1025) {
        TakeBlock(s, report);
        return true;
    }
    return false;
}

bool SimGetFeature(SimState& s, std::span<std::uint8_t> report) {
    if (!TransferAllowed(s) || report.empty()) {
        return false;
    }
    if (s.bootloader) {
        return SimBootGetFeature(s, report);
    }
    if (report[0] == 0x20) {
        return SimRestartGetFeature(s, report);
    }
    if (report[0] == 3 && report.size() == 8) {
        AnswerStatus(s, report);
        return true;
    }
    if (report[0] == 4 && report.size() == 64) {
        std::fill(report.begin() + 1, report.end(), 0);
        report[1] = static_cast<std::uint8_t>(s.firmwareVersion);
        report[2] = static_cast<std::uint8_t>(s.firmwareVersion >> 8);
        return true;
    }
    return false;
}

void SimPressProfileButton(SimState& s, bool up) {
    s.activeSlot = static_cast<std::uint8_t>((s.activeSlot + (up ? 1 : 4)) % SimState::kSlots);
}

void SimSetPlugged(SimState& s, bool plugged) {
    if (plugged && !s.plugged) {
        ++s.plugGeneration;
    }
    s.plugged = plugged;
    if (!plugged) {
        // A mouse that loses power forgets the conversation it was in.
        s.awaitingSlot = s.replyPending = s.slotReady = s.surfaceReply = false;
        s.headerHalf = s.headerSlot = -1;
        s.status = 1;
        // The bootloader too: an image half received is gone, the mode stays.
        std::vector<std::uint8_t> firmware = std::move(s.boot.firmware);
        s.boot = SimBoot{};
        s.boot.firmware = std::move(firmware);
    }
}
