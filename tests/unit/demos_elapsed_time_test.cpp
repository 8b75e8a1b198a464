#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "elapsed_time.h"

namespace {

// A clock that gives the readings it was handed, in turn.
ClockSource scriptedClock(std::vector<ClockReading> readings, int* reads) {
    return [readings, reads]() { return readings.at((*reads)++); };
}

float timeBetween(ClockReading start, ClockReading end) {
    int reads = 0;
    Stopwatch stopwatch(scriptedClock({start, end}, &reads));
    stopwatch.start();
    float seconds = stopwatch.elapsed();
    EXPECT_EQ(2, reads);
    return seconds;
}

constexpr std::int64_t MAX_COUNT = 2147483647;

TEST(ElapsedTime, AdvancingClock) {
    EXPECT_EQ(20.0f, timeBetween({1000, 1000, MAX_COUNT}, {21000, 1000, MAX_COUNT}));
    EXPECT_EQ(0.125f, timeBetween({7, 1000, MAX_COUNT}, {132, 1000, MAX_COUNT}));
}

TEST(ElapsedTime, ClockStandingStillGivesZero) {
    EXPECT_EQ(0.0f, timeBetween({5000, 1000, MAX_COUNT}, {5000, 1000, MAX_COUNT}));
}

TEST(ElapsedTime, WrappedClockAddsTheMaximumCount) {
    // c1 - c0 + m = 1500 - (m - 500) + m = 2000 counts.
    EXPECT_EQ(2.0f, timeBetween({MAX_COUNT - 500, 1000, MAX_COUNT}, {1500, 1000, MAX_COUNT}));
    // A full-range 64-bit counter wrapping must not overflow the difference.
    const std::int64_t BIG = INT64_MAX;
    EXPECT_EQ(3.0f, timeBetween({BIG - 1, 1, BIG}, {2, 1, BIG}));
}

TEST(ElapsedTime, ClockWithoutRateGivesZeroNotInfinity) {
    EXPECT_EQ(0.0f, timeBetween({1, 0, MAX_COUNT}, {2000, 0, MAX_COUNT}));
}

TEST(ElapsedTime, SystemClockHasRateAndDoesNotRunBackwards) {
    ClockReading first = readSystemClock();
    ClockReading second = readSystemClock();
    EXPECT_GT(first.rate, 0);
    EXPECT_GE(second.count, first.count);
    EXPECT_GE(elapsedSeconds(first.count, second), 0.0f);
}

}  // namespace
