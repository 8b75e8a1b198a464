#include <gtest/gtest.h>

#include "heater_field_fixture.h"
#include "solvers.h"

namespace {

TEST(ExplicitStep, UniformFieldWithoutHeatStaysExactly) {
    fillField(T, 7, 5, [](int, int) { return 273.15f; });
    explicitStep(2.5f, 0.1f, 1.3f, 0.7f, 0.0f, 1.1f, 7, 5, T);
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 7; ++j) EXPECT_EQ(273.15f, T[i][j]) << i << "," << j;
    EXPECT_TRUE(outsideUntouched(T, 7, 5));
}

// Every interior node gains (A / rhoC) dt with rhoC = k / kappa, each step rounded to a float (the
// first case tells this order from A dt / rhoC); a diffusivity of zero or less makes rhoC 1.
TEST(ExplicitStep, UniformHeatProductionRaisesInteriorRowsOnly) {
    struct Case {
        float k, kappa, A, dt;
    } cases[] = {{2.7f, 0.9f, 1.3f, 0.7f}, {4.0f, 0.0f, 2.0f, 3.0f}, {4.0f, -1.0f, 2.0f, 3.0f}};
    for (const Case& c : cases) {
        fillField(T, 5, 4, [](int, int) { return 0.0f; });
        explicitStep(c.k, c.dt, 1.0f, 1.0f, c.A, c.kappa, 5, 4, T);
        float rhoC = c.kappa > 0 ? c.k / c.kappa : 1.0f;
        float raised = (c.A / rhoC) * c.dt;
        for (int j = 1; j <= 5; ++j) {
            EXPECT_EQ(0.0f, T[1][j]);
            EXPECT_EQ(raised, T[2][j]);
            EXPECT_EQ(raised, T[3][j]);
            EXPECT_EQ(0.0f, T[4][j]);
        }
    }
    EXPECT_EQ(6.0f, T[2][1]);  // kappa <= 0: 2 * 3, undivided
}

TEST(ExplicitStep, LinearDepthProfileIsSteady) {
    fillField(T, 5, 9, [](int i, int) { return 5.0f + 3.0f * float(i - 1); });
    explicitStep(3.0f, 0.2f, 2.0f, 1.0f, 0.0f, 1.0f, 5, 9, T);
    for (int i = 1; i <= 9; ++i)
        for (int j = 1; j <= 5; ++j) EXPECT_EQ(5.0f + 3.0f * float(i - 1), T[i][j]);
}

// A hot node at the left edge: its mirror neighbour counts twice, and every new value comes from
// the old field (an update in place would feed 50 into column 2).
TEST(ExplicitStep, MirrorsTheSidesAndReadsOnlyTheOldField) {
    fillField(T, 3, 3, [](int i, int j) { return i == 2 && j == 1 ? 100.0f : 0.0f; });
    explicitStep(1.0f, 0.125f, 1.0f, 1.0f, 0.0f, 1.0f, 3, 3, T);
    EXPECT_EQ(50.0f, T[2][1]);
    EXPECT_EQ(12.5f, T[2][2]);
    EXPECT_EQ(0.0f, T[2][3]);
    EXPECT_TRUE(outsideUntouched(T, 3, 3));
}

TEST(ExplicitStep, SingleColumnConductsOnlyVertically) {
    fillField(T, 1, 3, [](int i, int) { return i == 2 ? 100.0f : 0.0f; });
    explicitStep(1.0f, 0.125f, 1.0f, 1.0f, 0.0f, 1.0f, 1, 3, T);
    EXPECT_EQ(75.0f, T[2][1]);
    EXPECT_TRUE(outsideUntouched(T, 1, 3));
}

TEST(ExplicitStep, SizeBeyondTheFieldChangesNothing) {
    fillField(T, 49, 49, [](int, int) { return 1.0f; });
    explicitStep(1.0f, 1.0f, 1.0f, 1.0f, 5.0f, 1.0f, 50, 49, T);
    EXPECT_EQ(1.0f, T[2][2]);
}

}  // namespace
