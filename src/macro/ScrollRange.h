#pragma once

#include <functional>

// What the list and the editor need of their scroll bar: its range, whether it shows, and Set
// position, which clamps and reports the position back to the owner (code 100) every time.
class ScrollRange {
  public:
    using Report = std::function<void(int position)>;
    void SetReport(Report report) { report_ = std::move(report); }

    int rangeMin = 0;
    int rangeMax = 0;
    bool visible = false;
    bool attached = false;

    void SetPosition(int value);
    int position() const { return position_; }

  private:
    int position_ = 0;
    Report report_;
};
