#pragma once

#include <cstdint>
#include <functional>

// How a skinned control tells its owner what happened: a synchronous call with a code (usually
// the control's id) and a value. The owner's handler runs before the control goes on, so it can
// refuse a choice while it is being reported.
using ReportFn = std::function<void(int code, int value)>;

// A menu brackets its hiding with this code: 1 just before, 0 just after. Owners pass it up.
inline constexpr int NM_FORWARD = 2234;

// Milliseconds since some start, wrapping like the system tick count. Tests step their own.
class TickClock {
  public:
    virtual ~TickClock() = default;
    virtual std::uint32_t Ticks() const = 0;
};
TickClock& SystemTickClock();

// Colours: controls keep 0xAARRGGBB and profiles 0x00BBGGRR (red in the lowest byte).
class QColor;
QColor FromArgb(std::uint32_t argb);
QColor FromColorRef(std::uint32_t colorRef);
std::uint32_t ToColorRef(const QColor& color);
