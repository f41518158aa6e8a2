#include "platform/Sleeper.h"

#include <chrono>
#include <cmath>
#include <thread>

void RealSleeper::SleepMs(int milliseconds) {
    if (milliseconds > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

void ScaledSleeper::SleepMs(int milliseconds) {
    const double scaled = std::round(milliseconds * factor_);
    if (scaled >= 1) {
        inner_.SleepMs(static_cast<int>(scaled));
    }
}
