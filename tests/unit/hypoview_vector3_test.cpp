#include <gtest/gtest.h>

#include <cmath>

#include "vector3.h"

namespace {

const float ULP_HALF_AT_ONE = std::ldexp(1.0f, -24);

TEST(Vector3, SubtractionAndCrossProductOfAxes) {
    Vec3 d = vecSub({5, 7, -1}, {2, 10, 3});
    EXPECT_EQ(3.0f, d.x);
    EXPECT_EQ(-3.0f, d.y);
    EXPECT_EQ(-4.0f, d.z);

    Vec3 z = crossProduct({1, 0, 0}, {0, 1, 0});
    EXPECT_EQ(0.0f, z.x);
    EXPECT_EQ(0.0f, z.y);
    EXPECT_EQ(1.0f, z.z);
    Vec3 x = crossProduct({0, 1, 0}, {0, 0, 1});
    EXPECT_EQ(1.0f, x.x);
    Vec3 c = crossProduct({1, 2, 3}, {4, 5, 6});
    EXPECT_EQ(-3.0f, c.x);
    EXPECT_EQ(6.0f, c.y);
    EXPECT_EQ(-3.0f, c.z);
    EXPECT_EQ(32.0f, dotProduct({1, 2, 3}, {4, 5, 6}));
}

// The sum is rounded to single precision once: two half-ulp terms make one ulp.  Adding in single
// precision step by step would round each half-ulp away and give exactly 1.
TEST(Vector3, DotProductRoundsOnlyItsResult) {
    float dot = dotProduct({1, 1, 1}, {1, ULP_HALF_AT_ONE, ULP_HALF_AT_ONE});
    EXPECT_EQ(1.0f + 2 * ULP_HALF_AT_ONE, dot);
}

// (1 + 2^-12)^2 = 1 + 2^-11 + 2^-24 is not a float; the difference with 1 + 2^-11 survives only
// when both products are held exactly until the subtraction.
TEST(Vector3, CrossProductRoundsOnlyEachComponent) {
    const float a = 1.0f + std::ldexp(1.0f, -12);
    const float b = 1.0f + std::ldexp(1.0f, -11);
    Vec3 c = crossProduct({0, a, 1}, {0, b, a});
    EXPECT_EQ(ULP_HALF_AT_ONE, c.x);
}

TEST(Vector3, UnitOfSimpleVectors) {
    Vec3 u = UNIT({3, 4, 0});
    EXPECT_EQ(0.6f, u.x);
    EXPECT_EQ(0.8f, u.y);
    EXPECT_EQ(0.0f, u.z);
    Vec3 down = UNIT({0, 0, -0.25f});
    EXPECT_EQ(-1.0f, down.z);
}

// Squared length and length are each stored in single precision before the division; computing
// the length in double throughout gives 0.243079364 for the first component instead.
TEST(Vector3, UnitFollowsItsRoundingSteps) {
    const Vec3 v{0.37f, 1.3f, 0.7f};
    const float s = float(double(v.x) * v.x + double(v.y) * v.y + double(v.z) * v.z);
    const float length = float(std::sqrt(double(s)));
    Vec3 u = UNIT(v);
    EXPECT_EQ(float(double(v.x) / length), u.x);
    EXPECT_EQ(float(double(v.y) / length), u.y);
    EXPECT_EQ(float(double(v.z) / length), u.z);
    EXPECT_EQ(0.243079379f, u.x);
}

TEST(Vector3DeathTest, UnitOfZeroVectorStops) {
    EXPECT_EXIT(UNIT({0, 0, 0}), testing::ExitedWithCode(255), "");
    // Not zero, but its squared length underflows in single precision.
    EXPECT_EQ(0.0f, squaredLength({1e-30f, 0, 0}));
    EXPECT_EXIT(UNIT({1e-30f, 0, 0}), testing::ExitedWithCode(255), "");
}

}  // namespace
