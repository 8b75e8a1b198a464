// The spread of the leave-one-out statistics rests on the covariance of the errors that the
// field's model implies; its diagonal is each datum's kriging variance, which krigcv's routine
// reports independently (in single precision, from gridder's own solve).
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "cross_validation.h"
#include "leave_one_out_spread.h"

namespace {

CrossValidationWork work;
HeldOutEstimate heldOut[MAX_DATA];

TEST(VerifyLeaveOneOutSpread, errorVariancesAreTheKrigingVariances) {
    constexpr int N = 200;
    constexpr float SIDE = 700, CUTOFF = 120;
    constexpr double VARIANCE = 100, RANGE = 495;
    std::mt19937 random(4);
    FieldSample f = sphericalField(N, SIDE, RANGE, 500, VARIANCE, random);
    PolynomialModel model{0, 1.5f, 0, -0.5f, float(2 * VARIANCE)};
    crossValidate(model, f.x.data(), f.y.data(), f.z.data(), N, float(RANGE), CUTOFF, work,
                  heldOut);
    VariogramModel variogram{0, 1.5f, 0, -0.5f, float(RANGE)};
    StatisticSpread spread = leaveOneOutSpread(f, variogram, CUTOFF);
    ASSERT_EQ(std::size_t(N), spread.errorVariance.size());
    for (int i = 0; i < N; ++i) {
        double kriged = double(heldOut[i].standardDeviation) * heldOut[i].standardDeviation;
        EXPECT_NEAR(1, spread.errorVariance[i] / kriged, 1e-4) << i;
    }
    // Each error is perfectly correlated with itself: at least the spread of independent errors.
    EXPECT_GE(spread.squaresVariance, 2.0 / N);
    EXPECT_GT(spread.meanVariance, 0);
}

}  // namespace
