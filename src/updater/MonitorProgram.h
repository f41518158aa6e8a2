#pragma once

// Asks the mouse's monitor program to close, so it lets go of the mouse during the upgrade: on
// X11 an EWMH close request to the top-level window titled "Ostrel VOSK 5000 Mouse Monitor".
// True when such a window was found. Elsewhere it does nothing.
bool CloseMonitorProgram();

inline constexpr const char* kMonitorWindowTitle = "Ostrel VOSK 5000 Mouse Monitor";
