#pragma once

#include <string>
#include <vector>

#include "platform/Trace.h"
#include "sim/SimulatedHidBackend.h"
#include "updater/BootloaderLink.h"

// Waits written down instead of taken; a stop after a given number of waits.
class RecordingWaiter : public Waiter {
  public:
    bool Wait(int milliseconds) override {
        waits.push_back(milliseconds);
        if (stopAfter >= 0 && int(waits.size()) >= stopAfter) {
            stopped = true;
        }
        return !stopped;
    }
    bool Stopped() const override { return stopped; }
    std::vector<int> waits;
    int stopAfter = -1;
    bool stopped = false;
};

// The updater's link on a simulated mouse, every report written down.
struct UpdaterRig {
    explicit UpdaterRig(bool bootloader = true) {
        store.state().bootloader = bootloader;
        store.state().faults.restartSearches = 3;
    }
    MemorySimStateStore store;
    SimulatedHidBackend sim{store};
    std::vector<std::string> trace;
    TracingHidBackend hid{sim, [this](const std::string& line) { trace.push_back(line); }};
    RecordingWaiter waiter;
    BootloaderLink link{hid, waiter};

    SimState& state() { return store.state(); }
    int Count(const std::string& line) const {
        int n = 0;
        for (const std::string& t : trace) {
            n += t == line;
        }
        return n;
    }
    bool Sent(const std::string& prefix) const {
        for (const std::string& t : trace) {
            if (t.rfind(prefix, 0) == 0) {
                return true;
            }
        }
        return false;
    }
};
