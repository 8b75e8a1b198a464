#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "heater_field_fixture.h"
#include "solvers.h"
#include "stability_limit.h"

namespace {

TemperatureField T;

// Largest |T| after steps explicit steps (each after a subduction step when v is given) from a
// rough field: every pattern of the grid is present, the fixed top and bottom rows are 0.
float largestAfterSteps(float dt, float dx, float dz, int nx, int nz, bool subduction, int steps) {
    fillField(T, nx, nz, [](int i, int j) {
        float sign = (i + j) % 2 == 0 ? 1.0f : -1.0f;
        return sign * float((i * 7 + j * 3) % 5 + 1);
    });
    for (int j = 1; j <= nx; ++j) T[1][j] = T[nz][j] = 0.0f;
    for (int n = 0; n < steps; ++n) {
        if (subduction) subductionStep(1.0f, dt, dx, dz, 1.0f, nx, nz, 0.0f, 0.3f, T);
        explicitStep(1.0f, dt, dx, dz, 0.0f, 1.0f, nx, nz, T);
    }
    float largest = 0;
    for (int i = 1; i <= nz; ++i)
        for (int j = 1; j <= nx; ++j) largest = std::fmax(largest, std::fabs(T[i][j]));
    return largest;
}

// The limit 2 / (kappa (4 / dx^2 + 4 cos^2(pi / (2 (nz - 1))) / dz^2)), and the step itself run 1%
// below it (the rough start dies away, also with the plate moving before every step) and 1% above
// it (the worst pattern grows past 1e6).  The plate's interpolation damps, so with it a step just
// above the limit may still die away: it adds no limit of its own.
TEST(ExplicitStableStep, LimitSeparatesDecayFromGrowth) {
    struct Case {
        int nx, nz;
        float dx, dz;
        float limit;
    } cases[] = {
        {3, 3, 1.0f, 1.0f, 1.0f / 3.0f},    // one interior row: 2 / (4 + 2)
        {1, 3, 1.0f, 1.0f, 1.0f},           // a single column conducts only vertically
        {5, 7, 2.0f, 1.0f, 0.42264974f},    // 2 / (1 + 3.7320508)
        {13, 11, 0.5f, 1.0f, 0.10049184f},  // close columns: the lateral term rules
        {21, 7, 1.0f, 1.0f, 0.25866359f},
        {49, 49, 1.0f, 1.0f, 0.25013390f},  // near the large-grid 1 / (2 (1 + 1))
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nx << "x" << c.nz << " dx " << c.dx);
        float limit = explicitStableStep(1.0f, c.dx, c.dz, c.nx, c.nz);
        EXPECT_NEAR(c.limit, limit, 1e-6f * c.limit);
        for (bool subduction : {false, true})
            EXPECT_LT(largestAfterSteps(0.99f * limit, c.dx, c.dz, c.nx, c.nz, subduction, 3000),
                      1e-3f);
        EXPECT_GT(largestAfterSteps(1.01f * limit, c.dx, c.dz, c.nx, c.nz, false, 3000), 1e6f);
    }
}

TEST(ExplicitStableStep, ScalesWithDiffusivityAndHasNoLimitWhereNothingCanGrow) {
    const float INF = std::numeric_limits<float>::infinity();
    EXPECT_FLOAT_EQ(0.4f / 3.0f, explicitStableStep(2.5f, 1.0f, 1.0f, 3, 3));
    EXPECT_EQ(INF, explicitStableStep(0.0f, 1.0f, 1.0f, 5, 5));    // no conduction
    EXPECT_EQ(INF, explicitStableStep(1.0f, 1.0f, 1.0f, 5, 2));    // no interior row
    EXPECT_EQ(0.0f, explicitStableStep(-1.0f, 1.0f, 1.0f, 5, 5));  // every step amplifies
    EXPECT_EQ(0.0f, explicitStableStep(1.0f, 0.0f, 1.0f, 5, 5));
    EXPECT_EQ(0.0f, explicitStableStep(1.0f, 1.0f, 0.0f, 5, 5));
}

// The limit shown is cut to 6 digits, never rounded up past the limit (0.4226497 shows 0.422649).
TEST(ExplicitStableStep, WarningNamesTheLargestStableStepAndTheAdiMethod) {
    EXPECT_EQ(
        "Warning: the explicit method is unstable with a time step of 0.5 on this grid, and its "
        "temperatures will grow without bound; use a time step of at most 0.422649, or the ADI "
        "method (1).\n",
        explicitStabilityWarning(0.5f, explicitStableStep(1.0f, 2.0f, 1.0f, 5, 7)));
    EXPECT_EQ(
        "Warning: the explicit method is unstable with a time step of 1e+012 on this grid, and its "
        "temperatures will grow without bound; use a time step of at most 2.53096e+011, or the "
        "ADI method (1).\n",
        explicitStabilityWarning(1e12f, explicitStableStep(1e-6f, 1000.0f, 1000.0f, 21, 11)));
    EXPECT_EQ(
        "Warning: the explicit method is unstable with a time step of 0.4 on this grid, and its "
        "temperatures will grow without bound; use a time step of at most 0.333333, or the ADI "
        "method (1).\n",
        explicitStabilityWarning(0.4f, 1.0f / 3.0f));
}

}  // namespace
