#pragma once
// The clock that speed90 reads around its workload, and the rule that turns two readings into
// seconds.  The clock is passed in, so that a clock standing still or wrapping can be tried.
#include <cstdint>
#include <functional>
#include <utility>

// A counter reading: the count, the counts per second and the largest count before the counter
// starts again from zero.
struct ClockReading {
    std::int64_t count;
    std::int64_t rate;
    std::int64_t max;
};

using ClockSource = std::function<ClockReading()>;

// The system's monotonic clock, counting nanoseconds.
ClockReading readSystemClock();

// Seconds, in single precision, from a start count to a later reading: the difference of the
// counts over the rate, one full count range added when the counter has wrapped (end below
// start), and 0 when the counter has not moved.  A clock without a positive rate cannot time
// anything and gives 0, the value that says the clock may not be working.
float elapsedSeconds(std::int64_t startCount, const ClockReading& end);

class Stopwatch {
  public:
    explicit Stopwatch(ClockSource clock) : clock_(std::move(clock)) {}
    void start() { startCount_ = clock_().count; }
    // Reads the clock again: the seconds since start().
    float elapsed() const { return elapsedSeconds(startCount_, clock_()); }

  private:
    ClockSource clock_;
    std::int64_t startCount_ = 0;
};
