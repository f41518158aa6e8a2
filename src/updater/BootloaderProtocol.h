#pragma once

#include <array>
#include <cstdint>

// The bootloader's side of a firmware upgrade: identities, reports, commands and status values.

inline constexpr std::uint16_t kMouseVendorId = 0x22D4;
inline constexpr std::uint16_t kMouseNormalProductId = 0x1301;
inline constexpr std::uint16_t kMouseBootloaderProductId = 0x1303;
inline constexpr std::uint16_t kBootVendorUsagePage = 0xFF01;
inline constexpr std::uint16_t kBootVendorUsage = 2;

inline constexpr std::uint8_t kBootCommandReport = 0x20;  // and the status read
inline constexpr std::uint8_t kBootParameterReport = 0x21;
inline constexpr std::uint8_t kBootBlockReport = 0x22;
inline constexpr std::size_t kBootStatusLength = 10;
inline constexpr std::size_t kBootParameterLength = 10;
inline constexpr std::size_t kBootBlockLength = 1025;
inline constexpr std::size_t kFirmwareBlockSize = 1024;
inline constexpr std::size_t kFirmwareMaxSize = 204800;  // 200 blocks

enum BootCommand : std::uint8_t {
    kCmdSetImageSize = 0x01,
    kCmdPrepareFlash = 0x02,
    kCmdBlockHeader = 0x03,
    kCmdBlockData = 0x04,
    kCmdFinish = 0x05,
    kCmdEnterBootloader = 0x08,
};

enum BootStatus : std::uint8_t {
    kBootDone = 1,
    kBootFailed = 2,  // any value but 1, 3 and 4 fails
    kBootBusy = 3,
    kBootResend = 4,
};

// Our choice of the two secrets the protocol leaves to the updater: the 8-byte entry code that
// unlocks the restart into the bootloader ("VOSKDFU!") and the 4-byte marker that closes the size
// and block-header parameters ("OSTR"). The simulated mouse accepts exactly these.
inline constexpr std::array<std::uint8_t, 8> kBootEntryCode = {'V', 'O', 'S', 'K',
                                                               'D', 'F', 'U', '!'};
inline constexpr std::array<std::uint8_t, 4> kBootMarker = {'O', 'S', 'T', 'R'};

// The byte that PrepareFlash carries.
inline constexpr std::uint8_t kPrepareFlashCode = 0xEC;

// The 16-bit sum of a block's bytes.
std::uint16_t BlockChecksum(const std::uint8_t* block, std::size_t size);
