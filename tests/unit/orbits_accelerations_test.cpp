#include <gtest/gtest.h>

#include <cmath>

#include "accelerations.h"

namespace {

TEST(Accelerations, TwoEqualMassesPullEachOther) {
    double mass[MAX_BODIES] = {1, 1};
    BodyVectors position = {{-1, 1}, {0, 0}, {0, 0}};
    BodyVectors a;
    accelerations(1, mass, 2, position, a);
    EXPECT_EQ(0.25, a[0][0]);
    EXPECT_EQ(-0.25, a[0][1]);
    for (int k = 1; k < 3; ++k) {
        EXPECT_EQ(0, a[k][0]);
        EXPECT_EQ(0, a[k][1]);
    }
}

// G m_j d / r^3 with G = 2 over a 3-4-5 separation: each body feels the other's mass only.
TEST(Accelerations, ScaleWithGAndTheOtherMass) {
    double mass[MAX_BODIES] = {1, 2};
    BodyVectors position = {{0, 0}, {0, 3}, {0, 4}};
    BodyVectors a;
    accelerations(2, mass, 2, position, a);
    EXPECT_DOUBLE_EQ(0, a[0][0]);
    EXPECT_DOUBLE_EQ(2 * 2 * 3 / 125.0, a[1][0]);
    EXPECT_DOUBLE_EQ(2 * 2 * 4 / 125.0, a[2][0]);
    EXPECT_DOUBLE_EQ(-2 * 1 * 3 / 125.0, a[1][1]);
    EXPECT_DOUBLE_EQ(-2 * 1 * 4 / 125.0, a[2][1]);
}

// The middle of three equal masses in a row feels nothing; the outer ones 1/1 + 1/4.
TEST(Accelerations, SumOverEveryOtherBody) {
    double mass[MAX_BODIES] = {1, 1, 1};
    BodyVectors position = {{-1, 0, 1}, {0, 0, 0}, {0, 0, 0}};
    BodyVectors a;
    accelerations(1, mass, 3, position, a);
    EXPECT_DOUBLE_EQ(1.25, a[0][0]);
    EXPECT_DOUBLE_EQ(0, a[0][1]);
    EXPECT_DOUBLE_EQ(-1.25, a[0][2]);
}

TEST(Accelerations, BodiesAtOnePointGiveValuesThatAreNotFinite) {
    double mass[MAX_BODIES] = {1, 1};
    BodyVectors position = {{1, 1}, {2, 2}, {0, 0}};
    BodyVectors a;
    accelerations(1, mass, 2, position, a);
    EXPECT_FALSE(std::isfinite(a[0][0]));
    EXPECT_FALSE(std::isfinite(a[1][1]));
}

}  // namespace
