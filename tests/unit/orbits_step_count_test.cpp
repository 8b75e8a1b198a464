#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "step_count.h"

namespace {

TEST(StepCount, NearestWholeNumberHalvesUp) {
    EXPECT_EQ(3, stepCount(1, 0.3).nsteps);
    EXPECT_EQ(3, stepCount(10, 4).nsteps);  // 2.5 rounds up
    EXPECT_EQ(2, stepCount(1.1, 0.5).nsteps);
    EXPECT_EQ(0, stepCount(0, 0.1).nsteps);
    EXPECT_EQ(nullptr, stepCount(0, 0.1).refusal);
    EXPECT_EQ(INT_MAX, stepCount(INT_MAX, 1).nsteps);
}

// Truncation toward zero, as the count is described; a negative count takes no steps.
TEST(StepCount, NegativeTotalTimeTruncatesTowardZero) {
    EXPECT_EQ(-2, stepCount(-1, 0.3).nsteps);
    EXPECT_EQ(nullptr, stepCount(-1, 0.3).refusal);
}

TEST(StepCount, TimeStepOfZeroOrLessTakesNoSteps) {
    for (double dt : {0.0, -0.0, -0.5}) {
        StepCount count = stepCount(1, dt);
        EXPECT_EQ(0, count.nsteps) << dt;
        ASSERT_NE(nullptr, count.refusal) << dt;
        EXPECT_EQ("The timestep-size must be greater than zero; no timesteps are taken.",
                  std::string(count.refusal));
    }
    EXPECT_NE(nullptr, stepCount(0, 0).refusal);
}

TEST(StepCount, CountBeyondTheIntRangeTakesNoSteps) {
    for (double totalTime : {1e300, double(INT_MAX) + 1, -1e300}) {
        StepCount count = stepCount(totalTime, 1);
        EXPECT_EQ(0, count.nsteps) << totalTime;
        ASSERT_NE(nullptr, count.refusal) << totalTime;
        EXPECT_EQ("Too many timesteps for this total time and timestep-size; none are taken.",
                  std::string(count.refusal));
    }
    EXPECT_EQ(0, stepCount(1, 1e-320).nsteps);
}

}  // namespace
