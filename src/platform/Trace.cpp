#include "platform/Trace.h"

#include <cstdio>

std::string HexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 3);
    for (std::uint8_t byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        if (!text.empty()) {
            text += ' ';
        }
        text += hex;
    }
    return text;
}

bool TracingHidBackend::SetFeature(Handle handle, std::span<const std::uint8_t> report) {
    const bool ok = inner_.SetFeature(handle, report);
    sink_("SET " + HexBytes(report) + (ok ? "" : "  (failed)"));
    return ok;
}

bool TracingHidBackend::GetFeature(Handle handle, std::span<std::uint8_t> report) {
    const bool ok = inner_.GetFeature(handle, report);
    sink_("GET " + HexBytes(report) + (ok ? "" : "  (failed)"));
    return ok;
}

void TracingSleeper::SleepMs(int milliseconds) {
    sink_("SLEEP " + std::to_string(milliseconds));
    inner_.SleepMs(milliseconds);
}
