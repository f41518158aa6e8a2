#pragma once

#include <atomic>

#include "platform/Sleeper.h"

// The updater's waits. Each is taken in 100 ms slices and ends early once the stop flag is set,
// so closing the window never waits out a long pause.
class Waiter {
  public:
    virtual ~Waiter() = default;
    // False when the stop flag is set, before or after the wait.
    virtual bool Wait(int milliseconds) = 0;
    virtual bool Stopped() const = 0;
};

class SlicedWaiter : public Waiter {
  public:
    SlicedWaiter(Sleeper& sleeper, const std::atomic<bool>& stop)
        : sleeper_(sleeper), stop_(stop) {}
    bool Wait(int milliseconds) override;
    bool Stopped() const override { return stop_.load(); }

  private:
    Sleeper& sleeper_;
    const std::atomic<bool>& stop_;
};
