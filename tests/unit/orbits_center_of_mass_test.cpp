#include <gtest/gtest.h>

#include <cmath>

#include "center_of_mass.h"

namespace {

// Three bodies with their centre of mass at (1, 1, -1), moving with (0.5, 0, 2).
struct ThreeBodies {
    double mass[MAX_BODIES] = {1, 2, 1};
    BodyVectors position = {{0, 1, 2}, {2, 3, -4}, {-1, -2, 1}};
    BodyVectors velocity = {{0.5, 1, -0.5}, {1, -1, 1}, {2, 2, 2}};
};

double weightedSum(const double mass[], int n, const BodyVectors v, int k) {
    double sum = 0;
    for (int i = 0; i < n; ++i) sum += mass[i] * v[k][i];
    return sum;
}

TEST(CenterOfMass, ShiftsCentreToTheOriginAndAtRest) {
    ThreeBodies s;
    toCenterOfMass(s.mass, 3, s.velocity, s.position);
    EXPECT_DOUBLE_EQ(-1, s.position[0][0]);
    EXPECT_DOUBLE_EQ(2, s.position[1][1]);
    EXPECT_DOUBLE_EQ(2, s.position[2][2]);
    EXPECT_DOUBLE_EQ(0, s.velocity[0][0]);
    EXPECT_DOUBLE_EQ(-1, s.velocity[1][1]);
    EXPECT_DOUBLE_EQ(0, s.velocity[2][2]);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(0, weightedSum(s.mass, 3, s.position, k), 1e-15);
        EXPECT_NEAR(0, weightedSum(s.mass, 3, s.velocity, k), 1e-15);
    }
}

TEST(CenterOfMass, SecondApplicationChangesNothingBeyondRounding) {
    ThreeBodies once;
    toCenterOfMass(once.mass, 3, once.velocity, once.position);
    ThreeBodies twice = once;
    toCenterOfMass(twice.mass, 3, twice.velocity, twice.position);
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(once.position[k][i], twice.position[k][i], 1e-15);
            EXPECT_NEAR(once.velocity[k][i], twice.velocity[k][i], 1e-15);
        }
}

// Bodies beyond n are neither counted nor moved.
TEST(CenterOfMass, TouchesOnlyTheFirstNBodies) {
    ThreeBodies s;
    toCenterOfMass(s.mass, 2, s.velocity, s.position);
    EXPECT_DOUBLE_EQ(2, s.position[0][2]);
    EXPECT_DOUBLE_EQ(1, s.position[2][2]);
    EXPECT_DOUBLE_EQ(-0.5, s.velocity[0][2]);
    EXPECT_NEAR(0, weightedSum(s.mass, 2, s.position, 0), 1e-15);
}

TEST(CenterOfMass, ZeroTotalMassGivesValuesThatAreNotFinite) {
    ThreeBodies s;
    s.mass[0] = s.mass[1] = s.mass[2] = 0;
    toCenterOfMass(s.mass, 3, s.velocity, s.position);
    EXPECT_TRUE(std::isnan(s.position[0][0]));
    EXPECT_TRUE(std::isnan(s.velocity[2][2]));
}

}  // namespace
