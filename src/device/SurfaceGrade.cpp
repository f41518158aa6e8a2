#include "device/SurfaceGrade.h"

namespace {

// Highest raw value of each grade 0 … 9; above the last is 10.
constexpr int kUpperBounds[] = {1, 10, 20, 30, 40, 50, 60, 70, 90, 110};

}  // namespace

int SurfaceGrade(int raw) {
    int grade = 0;
    for (int bound : kUpperBounds) {
        if (raw <= bound) {
            return grade;
        }
        ++grade;
    }
    return grade;
}
