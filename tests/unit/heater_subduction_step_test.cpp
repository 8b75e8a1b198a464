#include <gtest/gtest.h>

#include <cmath>

#include "heater_field_fixture.h"
#include "solvers.h"

namespace {

float ramp(int i, int j) {
    return 10.0f * float(i) + float(j) + 0.37f * float(i * j % 5);
}

TEST(SubductionStep, StillPlateChangesNothing) {
    fillField(T, 9, 7, ramp);
    subductionStep(3.0f, 2.0f, 1.5f, 1.0f, 1.0f, 9, 7, 50.0f, 0.0f, T);
    for (int i = 1; i <= 7; ++i)
        for (int j = 1; j <= 9; ++j) EXPECT_EQ(ramp(i, j), T[i][j]);
    EXPECT_TRUE(outsideUntouched(T, 9, 7));
}

// 5 x 5: the fault nodes are (5,1), (4,2), (3,3), (2,4) and (1,5).  On a uniform field only the
// four below the surface change, each by (d tau ds) / (rhoC dx dz).
TEST(SubductionStep, ShearHeatOnTheFaultNodesBelowTheSurface) {
    fillField(T, 5, 5, [](int, int) { return 7.0f; });
    float k = 6, kappa = 2, dt = 1.5f, dx = 1.2f, dz = 0.9f, tau = 4, v = 0.8f;
    subductionStep(k, dt, dx, dz, kappa, 5, 5, tau, v, T);
    float d = v * dt, ds = std::sqrt(dx * dx + dz * dz);
    float heat = (d * tau * ds) / ((k / kappa) * dx * dz);
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 5; ++j)
            EXPECT_EQ(i + j == 6 && i >= 2 ? 7.0f + heat : 7.0f, T[i][j]) << i << "," << j;
}

// dx 3, dz 4 make ds 5, so v dt = 2.5 moves the plate half a node; T = 10 i + j is linear, so
// every interpolated value is 10 r + c.  kappa 0 makes rhoC 1, shear heat 2.5 * 12 * 5 / 12.
TEST(SubductionStep, LowerPlateTakesTheUpDipTemperatures) {
    fillField(T, 5, 5, [](int i, int j) { return 10.0f * float(i) + float(j); });
    subductionStep(1.0f, 1.0f, 3.0f, 4.0f, 0.0f, 5, 5, 12.0f, 2.5f, T);
    const float expected[5][5] = {{11, 12, 13, 14, 15},
                                  {21, 22, 23, 34.25f, 25},
                                  {31, 32, 43.25f, 29.5f, 35},
                                  {41, 52.25f, 38.5f, 39.5f, 45},
                                  {61.25f, 47.5f, 48.5f, 49.5f, 55}};
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 5; ++j) EXPECT_EQ(expected[i - 1][j - 1], T[i][j]) << i << "," << j;
}

// A grid narrower than its fault: the heat of fault nodes beyond the last column is lost and
// nothing outside the grid is touched.
TEST(SubductionStep, NarrowGridStaysInsideTheField) {
    fillField(T, 3, 7, [](int, int) { return 0.0f; });
    subductionStep(1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 3, 7, 1.0f, 1.0f, T);
    EXPECT_GT(T[7][1], 0.0f);
    EXPECT_GT(T[5][3], 0.0f);
    EXPECT_EQ(0.0f, T[4][3]);
    EXPECT_TRUE(outsideUntouched(T, 3, 7));
}

// A plate moving up-dip looks for its source below the bottom row; the source is held on the grid,
// so every new value stays within the old field's range.
TEST(SubductionStep, PlateMovingUpDipReadsOnlyTheGrid) {
    for (float v : {-3.0f, -1.0e30f}) {
        fillField(T, 7, 7, ramp);
        subductionStep(1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 7, 7, 0.0f, v, T);
        for (int i = 1; i <= 7; ++i)
            for (int j = 1; j <= 7; ++j) {
                EXPECT_GE(T[i][j], 11.0f);
                EXPECT_LE(T[i][j], 79.0f);
            }
        EXPECT_TRUE(outsideUntouched(T, 7, 7));
    }
}

}  // namespace
