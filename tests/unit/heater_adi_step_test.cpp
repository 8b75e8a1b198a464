#include <gtest/gtest.h>

#include "heater_field_fixture.h"
#include "solvers.h"

namespace {

TEST(AdiStep, UniformFieldWithoutHeatStaysToRounding) {
    fillField(T, 9, 7, [](int, int) { return 273.15f; });
    adiStep(2.5f, 0.3f, 1.3f, 0.7f, 0.0f, 1.1f, 9, 7, T);
    for (int i = 1; i <= 7; ++i)
        for (int j = 1; j <= 9; ++j) EXPECT_NEAR(273.15f, T[i][j], 1e-4f) << i << "," << j;
    EXPECT_TRUE(outsideUntouched(T, 9, 7));
}

// The top and bottom rows stay exactly; the interior gains at most the two half-step heats, less
// near the fixed rows, and stays laterally uniform.
TEST(AdiStep, HeatProductionLeavesTopAndBottomRows) {
    fillField(T, 5, 5, [](int, int) { return 10.0f; });
    adiStep(2.0f, 1.0f, 1.0f, 1.0f, 4.0f, 0.5f, 5, 5, T);  // rhoC 4: dt A / rhoC = 1
    for (int j = 1; j <= 5; ++j) {
        EXPECT_EQ(10.0f, T[1][j]);
        EXPECT_EQ(10.0f, T[5][j]);
        for (int i = 2; i <= 4; ++i) {
            EXPECT_GT(T[i][j], 10.0f);
            EXPECT_LE(T[i][j], 11.0f);
            EXPECT_NEAR(T[i][1], T[i][j], 1e-5f);
        }
    }
    EXPECT_GT(T[3][1], T[2][1]);
}

TEST(AdiStep, LinearDepthProfileIsSteady) {
    fillField(T, 5, 9, [](int i, int) { return 5.0f + 3.0f * float(i - 1); });
    adiStep(3.0f, 0.7f, 2.0f, 1.0f, 0.0f, 1.0f, 5, 9, T);
    for (int i = 1; i <= 9; ++i)
        for (int j = 1; j <= 5; ++j) EXPECT_NEAR(5.0f + 3.0f * float(i - 1), T[i][j], 1e-4f);
}

// Worked by hand: rx = rz = 1/4.  The x half-step turns row 2 (8, 0, 0) into (17/6, 1/2, 1/6);
// the z half-step, with rows 1 and 3 held at 0, into (10/9, 2/3, 2/9).
TEST(AdiStep, SmallGridWorkedByHand) {
    fillField(T, 3, 3, [](int i, int j) { return i == 2 && j == 1 ? 8.0f : 0.0f; });
    adiStep(1.0f, 0.5f, 1.0f, 1.0f, 0.0f, 1.0f, 3, 3, T);
    EXPECT_NEAR(10.0f / 9.0f, T[2][1], 1e-6f);
    EXPECT_NEAR(2.0f / 3.0f, T[2][2], 1e-6f);
    EXPECT_NEAR(2.0f / 9.0f, T[2][3], 1e-6f);
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(0.0f, T[1][j] + T[3][j]);
    EXPECT_TRUE(outsideUntouched(T, 3, 3));
}

// One column has no lateral flux: the x half-step only applies the z term (100 - 200/4 = 50), the
// z half-step solves 1.5 w = 50.
TEST(AdiStep, SingleColumnConductsOnlyVertically) {
    fillField(T, 1, 3, [](int i, int) { return i == 2 ? 100.0f : 0.0f; });
    adiStep(1.0f, 0.5f, 1.0f, 1.0f, 0.0f, 1.0f, 1, 3, T);
    EXPECT_NEAR(100.0f / 3.0f, T[2][1], 1e-5f);
    EXPECT_TRUE(outsideUntouched(T, 1, 3));
}

}  // namespace
