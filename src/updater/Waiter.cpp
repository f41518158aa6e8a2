#include "updater/Waiter.h"

bool SlicedWaiter::Wait(int milliseconds) {
    for (int slice = 0; slice < milliseconds / 100; ++slice) {
        if (Stopped()) {
            break;
        }
        sleeper_.SleepMs(100);
    }
    return !Stopped();
}
