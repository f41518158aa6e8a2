#include "skin/ControlReports.h"

#include <QColor>

#include <chrono>

namespace {

class SteadyTickClock : public TickClock {
  public:
    std::uint32_t Ticks() const override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
};

}  // namespace

TickClock& SystemTickClock() {
    static SteadyTickClock clock;
    return clock;
}

QColor FromArgb(std::uint32_t argb) {
    return QColor::fromRgba(argb);
}

QColor FromColorRef(std::uint32_t ref) {
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

std::uint32_t ToColorRef(const QColor& color) {
    return std::uint32_t(color.red()) | (std::uint32_t(color.green()) << 8) |
           (std::uint32_t(color.blue()) << 16);
}
