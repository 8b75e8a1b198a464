#include "elapsed_time.h"

#include <chrono>
#include <limits>

ClockReading readSystemClock() {
    using Clock = std::chrono::steady_clock;
    auto sinceEpoch =
        std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch());
    return {sinceEpoch.count(), 1000000000, std::numeric_limits<std::int64_t>::max()};
}

float elapsedSeconds(std::int64_t startCount, const ClockReading& end) {
    if (end.rate <= 0 || end.count == startCount) return 0.0f;
    std::int64_t counts = end.count - startCount;
    if (end.count < startCount) counts += end.max;
    return static_cast<float>(counts) / static_cast<float>(end.rate);
}
