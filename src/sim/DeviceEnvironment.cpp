#include "sim/DeviceEnvironment.h"

#include <cstdlib>

#include "platform/HidrawBackend.h"
#include "sim/SimulatedHidBackend.h"

double SimTimeScale() {
    const char* text = std::getenv("VOSK8200_SIM_TIME_SCALE");
    if (!text || !*text) {
        return 1.0;
    }
    char* end = nullptr;
    const double scale = std::strtod(text, &end);
    return end && *end == '\0' && scale >= 0 ? scale : 1.0;
}

DeviceEnvironment::DeviceEnvironment(const DeviceEnvironmentOptions& options) {
    sleeper_ = &realSleeper_;
    if (options.simulate) {
        simStore_ = std::make_unique<FileSimStateStore>(DefaultSimStatePath());
        backend_ = std::make_unique<SimulatedHidBackend>(*simStore_);
        scaledSleeper_ = std::make_unique<ScaledSleeper>(realSleeper_, SimTimeScale());
        sleeper_ = scaledSleeper_.get();
    } else {
        backend_ = std::make_unique<HidrawBackend>();
    }
    hid_ = backend_.get();
    if (options.trace) {
        // The trace shows the pause the protocol asks for, whatever the scale makes of it.
        tracedBackend_ = std::make_unique<TracingHidBackend>(*hid_, options.trace);
        tracedSleeper_ = std::make_unique<TracingSleeper>(*sleeper_, options.trace);
        hid_ = tracedBackend_.get();
        sleeper_ = tracedSleeper_.get();
    }
}

DeviceEnvironment::~DeviceEnvironment() = default;
