#include "step_count.h"

#include <climits>

namespace {

constexpr double ROUNDING = 0.5;

}  // namespace

StepCount stepCount(double totalTime, double dt) {
    if (!(dt > 0))
        return {0, "The timestep-size must be greater than zero; no timesteps are taken."};
    double steps = totalTime / dt + ROUNDING;
    // Truncation toward zero keeps any value strictly inside (INT_MIN - 1, INT_MAX + 1).
    if (!(steps < double(INT_MAX) + 1 && steps > double(INT_MIN) - 1))
        return {0, "Too many timesteps for this total time and timestep-size; none are taken."};
    return {static_cast<int>(steps), nullptr};
}
