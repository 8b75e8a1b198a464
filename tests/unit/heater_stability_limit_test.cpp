#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "heater_field_fixture.h"
#include "solvers.h"
#include "stability_limit.h"

namespace {

// Largest |T| after 3000 explicit steps (each after a subduction step, if asked) from a rough
// field that holds every pattern of the grid, between fixed rows of 0.
float largestAfterSteps(float dt, float dx, int nx, int nz, bool subduction) {
    fillField(T, nx, nz, [](int i, int j) {
        return float((i * 7 + j * 3) % 5 + 1) * ((i + j) % 2 == 0 ? 1.0f : -1.0f);
    });
    for (int j = 1; j <= nx; ++j) T[1][j] = T[nz][j] = 0.0f;
    for (int n = 0; n < 3000; ++n) {
        if (subduction) subductionStep(1.0f, dt, dx, 1.0f, 1.0f, nx, nz, 0.0f, 0.3f, T);
        explicitStep(1.0f, dt, dx, 1.0f, 0.0f, 1.0f, nx, nz, T);
    }
    float largest = 0;
    for (int i = 1; i <= nz; ++i)
        for (int j = 1; j <= nx; ++j) largest = std::fmax(largest, std::fabs(T[i][j]));
    return largest;
}

// The limit 2 / (kappa (4 / dx^2 + 4 cos^2(pi / (2 (nz - 1))) / dz^2)), here with dz = kappa = 1.
// 1% below it the rough start dies away, also with the plate moving before every step (its
// interpolation adds no limit); 1% above it the worst pattern grows past 1e6.
TEST(ExplicitStableStep, LimitSeparatesDecayFromGrowth) {
    struct Case {
        int nx, nz;
        float dx, limit;
    } cases[] = {
        {3, 3, 1.0f, 1.0f / 3.0f},    // one interior row: 2 / (4 + 2)
        {1, 3, 1.0f, 1.0f},           // a single column conducts only vertically
        {5, 7, 2.0f, 0.42264974f},    // 2 / (1 + 3.7320508)
        {13, 11, 0.5f, 0.10049184f},  // close columns: the lateral term rules
        {49, 49, 1.0f, 0.25013390f},  // near the large-grid 1 / (2 (1 + 1))
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nx << " x " << c.nz << ", dx " << c.dx);
        float limit = explicitStableStep(1.0f, c.dx, 1.0f, c.nx, c.nz);
        EXPECT_NEAR(c.limit, limit, 1e-6f * c.limit);
        for (bool subduction : {false, true})
            EXPECT_LT(largestAfterSteps(0.99f * limit, c.dx, c.nx, c.nz, subduction), 1e-3f);
        EXPECT_GT(largestAfterSteps(1.01f * limit, c.dx, c.nx, c.nz, false), 1e6f);
    }
    EXPECT_EQ(std::numeric_limits<float>::infinity(), explicitStableStep(0.0f, 1.0f, 1.0f, 5, 5));
    EXPECT_EQ(0.0f, explicitStableStep(-1.0f, 1.0f, 1.0f, 5, 5));  // every step amplifies
}

}  // namespace
