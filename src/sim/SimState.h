#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Everything the simulated mouse remembers between transfers, and what it is told to get wrong.
struct SimFaults {
    int busyPolls = 0;       // the next k status reads answer 3 (busy)
    int failCommand = -1;    // a request code whose poll answers 2; kFailBlock for report 5
    int failTransferIn = 0;  // the n-th transfer from now fails (0: none)
    int unplugAfter = -1;    // transfers left before the mouse is pulled out (-1: never)
    // The bootloader's faults.
    int restartSearches = 3;      // searches the mouse stays away after the restart request
    int resendReports = 0;        // the next k parameter or block reports get "send again"
    int unplugAtBlock = -1;       // the mouse is pulled out when this block's header comes
    int badChecksumAtBlock = -1;  // this block arrives damaged once
    static constexpr int kFailBlock = 0x105;
};

// The bootloader's side of a firmware upgrade, and the restart request that leads to it.
struct SimBoot {
    int pendingCommand = -1;  // a command waiting for its parameter or block report
    std::uint8_t status = 1;
    bool leaving = false;         // the entry code came: the mouse restarts once "done" is read
    int searchesUntilBack = 0;    // searches that find nothing while it restarts
    std::uint32_t imageSize = 0;  // 0: none announced
    bool prepared = false;
    int headerBlock = -1;
    std::uint16_t headerChecksum = 0;
    int blocksReceived = 0;  // blocks arrive in order
    // Kept beside the state file, not in it.
    std::vector<std::uint8_t> flash;     // the image being received
    std::vector<std::uint8_t> firmware;  // the image last flashed whole
};

struct SimState {
    static constexpr int kSlots = 5;
    static constexpr std::size_t kImageSize = 2048;

    // What the mouse holds.
    bool bootloader = false;
    bool plugged = true;
    int plugGeneration = 0;  // handles from before an unplug stay dead
    int firmwareVersion = 101;
    std::uint8_t activeSlot = 0;
    std::array<std::array<std::uint8_t, kImageSize>, kSlots> images{};
    int lodTest = -1;  // last lift-off values received; -1 none yet
    int lodSave = -1;
    int surfaceRaw = 87;
    bool surfaceStarted = false;

    // Where the conversation stands.
    std::uint8_t status = 1;    // what a status read answers once the busy polls are spent
    bool awaitingSlot = false;  // 02 came: the next request carries the slot
    bool replyPending = false;  // 03 came: after "done", the next read gives the active slot
    bool slotReady = false;     // "done" was read: this read gives the active slot
    bool surfaceReply = false;  // 30 02 came: the next read gives the result at once
    int headerHalf = -1;        // a header announced this half of an image …
    int headerSlot = -1;        // … for this slot; report 5 brings it
    long transfers = 0;

    SimBoot boot;
    SimFaults faults;

    // A mouse fresh from the factory: default profiles in all five slots.
    static SimState Factory();
};

std::string SimStateToJson(const SimState& state);
// False when the text is not a state this version can read.
bool SimStateFromJson(const std::string& text, SimState& state);
