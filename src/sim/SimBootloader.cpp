#include "sim/SimBootloader.h"

#include <algorithm>

#include "sim/SimFirmware.h"
#include "updater/BootloaderProtocol.h"

namespace {

bool IsCommandReport(std::span<const std::uint8_t> r, std::size_t length) {
    return r.size() == length && r[0] == kBootCommandReport && r[1] == 0x06 && r[4] == 0 &&
           r[6] == 0 && r[7] == 0;
}

bool MarkerAt(std::span<const std::uint8_t> r, std::size_t at) {
    return std::equal(kBootMarker.begin(), kBootMarker.end(), r.begin() + std::ptrdiff_t(at));
}

bool AnswerStatus(SimState& s, std::span<std::uint8_t> r) {
    if (r.size() != kBootStatusLength || r[0] != kBootCommandReport) {
        return false;
    }
    std::fill(r.begin() + 1, r.end(), 0);
    if (s.faults.busyPolls > 0) {
        --s.faults.busyPolls;
        r[1] = kBootBusy;
        return true;
    }
    r[1] = s.boot.status;
    return true;
}

// The next parameter or block report is answered "send again" while the fault lasts.
bool AskAgain(SimState& s) {
    if (s.faults.resendReports > 0) {
        --s.faults.resendReports;
        s.boot.status = kBootResend;
        return true;
    }
    return false;
}

void Restart(SimState& s, bool intoBootloader) {
    s.bootloader = intoBootloader;
    ++s.plugGeneration;  // the old handles die with the restart
    s.boot.searchesUntilBack = s.faults.restartSearches;
    s.boot.pendingCommand = -1;
    s.boot.leaving = false;
    s.boot.status = kBootDone;
}

void TakeParameters(SimState& s, std::span<const std::uint8_t> r) {
    SimBoot& b = s.boot;
    const int command = b.pendingCommand;
    b.pendingCommand = -1;
    b.status = kBootFailed;
    switch (command) {
        case kCmdSetImageSize: {
            const std::uint32_t size =
                r[1] | (r[2] << 8) | (std::uint32_t(r[3]) << 16) | (std::uint32_t(r[4]) << 24);
            if (MarkerAt(r, 5) && size > 0 && size <= kFirmwareMaxSize) {
                b.imageSize = size;
                b.prepared = false;
                b.blocksReceived = 0;
                b.flash.assign(size, 0);
                b.status = kBootDone;
            }
            break;
        }
        case kCmdPrepareFlash:
            if (r[1] == kPrepareFlashCode && b.imageSize > 0) {
                b.prepared = true;
                b.status = kBootDone;
            }
            break;
        case kCmdBlockHeader: {
            const int block = r[1] | (r[2] << 8);
            if (MarkerAt(r, 5) && b.prepared && block == b.blocksReceived &&
                std::size_t(block) * kFirmwareBlockSize < b.imageSize) {
                b.headerBlock = block;
                b.headerChecksum = static_cast<std::uint16_t>(r[3] | (r[4] << 8));
                b.status = kBootDone;
            }
            break;
        }
        default:
            break;  // parameters nobody asked for
    }
}

void TakeBlock(SimState& s, std::span<const std::uint8_t> r) {
    SimBoot& b = s.boot;
    b.pendingCommand = -1;
    b.status = kBootFailed;
    if (b.headerBlock < 0) {
        return;
    }
    std::uint16_t sum = BlockChecksum(r.data() + 1, kFirmwareBlockSize);
    if (b.headerBlock == s.faults.badChecksumAtBlock) {
        s.faults.badChecksumAtBlock = -1;
        ++sum;  // a byte damaged on the way
    }
    if (sum == b.headerChecksum) {
        const std::size_t at = std::size_t(b.headerBlock) * kFirmwareBlockSize;
        const std::size_t length = std::min(kFirmwareBlockSize, b.imageSize - at);
        std::copy_n(r.begin() + 1, length, b.flash.begin() + std::ptrdiff_t(at));
        ++b.blocksReceived;
        b.status = kBootDone;
    }
    b.headerBlock = -1;
}

void TakeFinish(SimState& s) {
    SimBoot& b = s.boot;
    const std::size_t blocks = (b.imageSize + kFirmwareBlockSize - 1) / kFirmwareBlockSize;
    if (b.imageSize == 0 || std::size_t(b.blocksReceived) != blocks) {
        b.status = kBootFailed;  // an incomplete image is never started
        return;
    }
    b.firmware = b.flash;
    b.flash.clear();
    b.imageSize = 0;
    b.prepared = false;
    b.blocksReceived = 0;
    Restart(s, false);
}

}  // namespace

bool SimRestartSetFeature(SimState& s, std::span<const std::uint8_t> r) {
    if (IsCommandReport(r, 8) && r[2] == 0x09 && r[3] == 0 && r[5] == kCmdEnterBootloader) {
        s.boot.pendingCommand = kCmdEnterBootloader;
        s.boot.status = kBootDone;
        return true;
    }
    if (r.size() == kBootParameterLength && r[0] == kBootParameterReport &&
        s.boot.pendingCommand == kCmdEnterBootloader) {
        s.boot.pendingCommand = -1;
        if (AskAgain(s)) {
            s.boot.pendingCommand = kCmdEnterBootloader;
            return true;
        }
        const bool unlocked =
            std::equal(kBootEntryCode.begin(), kBootEntryCode.end(), r.begin() + 1);
        s.boot.leaving = unlocked;
        s.boot.status = unlocked ? kBootDone : kBootFailed;
        return true;
    }
    return false;
}

bool SimRestartGetFeature(SimState& s, std::span<std::uint8_t> r) {
    if (!AnswerStatus(s, r)) {
        return false;
    }
    if (s.boot.leaving && r[1] == kBootDone) {
        Restart(s, true);  // it said "done"; now it goes
    }
    return true;
}

bool SimBootSetFeature(SimState& s, std::span<const std::uint8_t> r) {
    SimBoot& b = s.boot;
    if (IsCommandReport(r, 9) && r[8] == 0) {
        const std::uint8_t command = r[5];
        const bool blockLength = r[2] == 0x01 && r[3] == 0x04;
        const bool paramLength = r[2] == 0x09 && r[3] == 0x00;
        b.status = kBootFailed;
        b.pendingCommand = -1;
        if (command == kCmdBlockData ? blockLength : paramLength) {
            if (command == kCmdFinish) {
                TakeFinish(s);
            } else if (command >= kCmdSetImageSize && command <= kCmdBlockData) {
                b.pendingCommand = command;
                b.status = kBootDone;
            }
        }
        return true;
    }
    if (r.size() == kBootParameterLength && r[0] == kBootParameterReport) {
        if (b.pendingCommand < kCmdSetImageSize || b.pendingCommand > kCmdBlockHeader) {
            b.status = kBootFailed;
            return true;
        }
        if (b.pendingCommand == kCmdBlockHeader && s.faults.unplugAtBlock >= 0 &&
            (r[1] | (r[2] << 8)) == s.faults.unplugAtBlock) {
            s.faults.unplugAtBlock = -1;
            SimSetPlugged(s, false);
            return false;
        }
        if (!AskAgain(s)) {
            TakeParameters(s, r);
        }
        return true;
    }
    if (r.size() == kBootBlockLength && r[0] == kBootBlockReport) {
        if (b.pendingCommand != kCmdBlockData) {
            b.status = kBootFailed;
            return true;
        }
        if (!AskAgain(s)) {
            TakeBlock(s, r);
        }
        return true;
    }
    return false;
}

bool SimBootGetFeature(SimState& s, std::span<std::uint8_t> r) {
    return AnswerStatus(s, r);
}

void SimCountSearch(SimState& s) {
    if (s.boot.searchesUntilBack > 0) {
        --s.boot.searchesUntilBack;
    }
}

bool SimVisible(const SimState& s) {
    return s.plugged && s.boot.searchesUntilBack == 0;
}
