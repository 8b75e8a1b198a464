#include <gtest/gtest.h>

#include <cmath>

#include "coefficients.h"

namespace {

TEST(VariogramPolynomial, Values) {
    EXPECT_EQ(1.0f, variogramPolynomial(1, 0, 0, 0, 0.5f));
    EXPECT_EQ(2.0f, variogramPolynomial(0.5f, 1, 2, 4, 0.5f));  // 0.5 + 0.5 + 0.5 + 0.5
    EXPECT_EQ(0.0f, variogramPolynomial(1, -1, 0, 0, 1));
    EXPECT_EQ(-3.0f, variogramPolynomial(1, 0, -1, 0, 2));
}

// Evaluated in single precision: with t = 1 + 2^-23, t^2 rounds to 1 + 2^-22 and t^3 to
// 1 + 3 * 2^-23, so t^2 - t^3 is exactly -2^-23.  In double it would be -(2^-23 + 2^-45).
TEST(VariogramPolynomial, SinglePrecision) {
    float t = 1.0f + std::ldexp(1.0f, -23);
    EXPECT_EQ(-std::ldexp(1.0f, -23), variogramPolynomial(0, 0, 1, -1, t));
}

TEST(ValidityTest, SampledFromZeroToOne) {
    EXPECT_TRUE(staysNonNegative(1, -1, 0, 0));         // P(1) = 0 passes
    EXPECT_FALSE(staysNonNegative(0.5f, -1, 0, 0));     // P(1) = -0.5
    EXPECT_TRUE(staysNonNegative(0.5f, -1, 0.5f, 0));   // lifted: (1 - t)^2 / 2
    EXPECT_FALSE(staysNonNegative(0.5f, -1, 0, 0.5f));  // lifted at 1 only: dips near t = 0.82
    EXPECT_TRUE(staysNonNegative(0, 0, 0, 0));
    EXPECT_TRUE(staysNonNegative(0, 1, 0, 0));
    EXPECT_FALSE(staysNonNegative(-0.001f, 0, 0, 0));  // the very first sample
    EXPECT_FALSE(staysNonNegative(0, 0, 0, -1e-6f));   // only the last samples are negative
    EXPECT_TRUE(staysNonNegative(1, 0, -1, 0));        // negative only beyond t = 1: not tested
    // (t - 0.51)^2 - 1e-5 is negative only between the samples 0.50 and 0.52.
    EXPECT_TRUE(staysNonNegative(0.2601f - 1e-5f, -1.02f, 1, 0));
}

TEST(ModelVariance, ScaledByHalfTheDiagonalAndNeverNegative) {
    VariogramModel m{1, 0, -1, 0, 5};
    EXPECT_EQ(0.75f, modelVariance(m, 2.5f));
    EXPECT_EQ(0.0f, modelVariance(m, 5));
    EXPECT_EQ(0.0f, modelVariance(m, 10));  // P(2) = -3 beyond rMax/2 counts as 0
    VariogramModel nugget{0.3f, 1, 0, 0, 5};
    EXPECT_EQ(0.3f, modelVariance(nugget, 1e-15f));  // coincident points: the intercept
}

}  // namespace
