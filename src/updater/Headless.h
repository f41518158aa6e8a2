#pragma once

#include <atomic>
#include <cstdio>
#include <filesystem>

class HidBackend;
class Sleeper;

struct HeadlessOptions {
    std::filesystem::path firmware;  // empty: none named
    bool yes = false;                // do not ask before touching the mouse
};

// Reflasher --no-gui: the same upgrade with a text progress bar and the same messages, on the
// terminal. Returns the exit code: 0 only when the upgrade succeeded.
int RunHeadless(const HeadlessOptions& options, HidBackend& hid, Sleeper& sleeper,
                const std::atomic<bool>& stop, std::FILE* in, std::FILE* out);

inline constexpr const char* kFailureText =
    "Firmware upgrade failed. Please try again. If the problem persists, please contact the "
    "support.";
