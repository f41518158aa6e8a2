#pragma once

#include <memory>

#include "platform/HidBackend.h"
#include "platform/Sleeper.h"
#include "platform/Trace.h"
#include "sim/SimStateStore.h"

// The one place that chooses the real or the simulated mouse, with or without tracing.
struct DeviceEnvironmentOptions {
    bool simulate = false;
    TraceSink trace;  // empty: no tracing
};

class DeviceEnvironment {
  public:
    explicit DeviceEnvironment(const DeviceEnvironmentOptions& options);
    ~DeviceEnvironment();

    HidBackend& hid() { return *hid_; }
    Sleeper& sleeper() { return *sleeper_; }

  private:
    std::unique_ptr<SimStateStore> simStore_;
    std::unique_ptr<HidBackend> backend_;
    std::unique_ptr<HidBackend> tracedBackend_;
    RealSleeper realSleeper_;
    std::unique_ptr<Sleeper> scaledSleeper_;
    std::unique_ptr<Sleeper> tracedSleeper_;
    HidBackend* hid_ = nullptr;
    Sleeper* sleeper_ = nullptr;
};

// VOSK8200_SIM_TIME_SCALE: how long the simulated mouse's pauses really take (1 when unset).
double SimTimeScale();
