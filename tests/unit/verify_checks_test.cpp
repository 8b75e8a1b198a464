// verify's measurements fed deliberately wrong claims: each check must catch them, and must
// accept what theory says.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "cross_validation_bands.h"
#include "eigen_comparison.h"
#include "explicit_growth.h"
#include "integrators.h"
#include "kepler_orbit.h"
#include "kriging_comparison.h"
#include "verdict.h"

namespace {

std::vector<double> positionErrors(int intOpt, int coarsestSteps) {
    std::vector<double> errors;
    for (int k = 0; k < 3; ++k) errors.push_back(keplerRun(intOpt, coarsestSteps << k, 1).position);
    return errors;
}

// Forward Euler claimed second order fails; the leapfrog's end-of-period energy, which falls far
// faster than its order 2, fails a claim of 2 as well.
TEST(VerifyChecks, keplerOrdersCatchWrongClaims) {
    std::vector<double> euler = positionErrors(EXPLICIT, 8192);
    EXPECT_TRUE(orderVerdict("q", euler, 1).pass);
    EXPECT_FALSE(orderVerdict("q", euler, 2).pass);
    std::vector<double> leapfrog = positionErrors(PREDICTOR_CORRECTOR_2, 256);
    EXPECT_TRUE(orderVerdict("q", leapfrog, 2).pass);
    EXPECT_FALSE(orderVerdict("q", leapfrog, 1).pass);
    std::vector<double> energy;
    for (int k = 0; k < 3; ++k)
        energy.push_back(keplerRun(PREDICTOR_CORRECTOR_2, 256 << k, 1).finalEnergy);
    EXPECT_FALSE(orderVerdict("q", energy, 2).pass);
    EXPECT_TRUE(orderVerdict("q", energy, 6).pass);
    // Ten periods: the largest error in between is far above the one at the end.
    KeplerErrors ten = keplerRun(PREDICTOR_CORRECTOR_2, 1024, 10);
    EXPECT_GT(ten.largestEnergy, 100 * ten.finalEnergy);
}

// The worst pattern grows by 2 f - 1 per step at f times the limit.
TEST(VerifyChecks, explicitGrowthFollowsTheLimit) {
    auto growth = [](double f) { return explicitGrowthPerStep(f, 25, 25, 1, 1); };
    EXPECT_NEAR(1.1, growth(1.05), 0.01);
    EXPECT_NEAR(1.4, growth(1.2), 0.01);
    EXPECT_LE(growth(0.95), 1.0);
    EXPECT_LT(growth(0.5), 1.0);
}

// At a datum the estimate is the datum within its bound, and a reference off by 1 (0.2 % of the
// values, a weight wrong by 0.002) is already caught.
TEST(VerifyChecks, krigingBoundCatchesSmallErrors) {
    Scatter data = exampleScatter();
    const VariogramModel model = modelThroughZero();
    for (int i : {0, 101, 257}) {
        SCOPED_TRACE(i);
        double datum = data.z[i];
        PointCheck exact = comparePoint(data, model, data.x[i], data.y[i], &datum);
        EXPECT_LE(exact.estimate.error, exact.estimate.bound);
        EXPECT_LE(exact.weightSum.error, exact.weightSum.bound);
        double shifted = datum + 1;
        PointCheck wrong = comparePoint(data, model, data.x[i], data.y[i], &shifted);
        EXPECT_GT(wrong.estimate.error, wrong.estimate.bound);
    }
    PointCheck between = comparePoint(data, model, 500, 500, nullptr);
    EXPECT_LE(between.estimate.error, between.estimate.bound);
    EXPECT_GT(between.estimate.bound, 0);
}

// The bounds follow epsilon: a search stopped at 1e-3 passes its own bounds but not those of
// 1e-6.
TEST(VerifyChecks, eigenBoundsFollowTheTolerance) {
    for (float epsilon : {1e-6f, 1e-4f, 1e-3f}) {
        SCOPED_TRACE(epsilon);
        std::mt19937 random(5);
        EigenComparison own;
        for (int n : {5, 12}) compareEigen(n, random, epsilon, epsilon, own);
        EXPECT_LE(own.value, 1);
        EXPECT_LE(own.angle, 1);
        EXPECT_LE(own.orthogonality, 1);
    }
    std::mt19937 random(5);
    EigenComparison claimedTooTight;
    for (int n : {5, 12}) compareEigen(n, random, 1e-3f, 1e-6f, claimedTooTight);
    EXPECT_GT(claimedTooTight.angle, 1);
}

// The right variances keep both statistics within their bands; variances a tenth too small or too
// large, or half or twice the fields', leave the band of the mean square, while the mean stays
// unbiased; a vMax of 0 leaves every datum without a deviation.
TEST(VerifyChecks, leaveOneOutCatchesVariancesOffByATenth) {
    struct Case {
        int fields;
        double factor;
        bool squaresInBand;
        int zeroDeviations;
    };
    const Case cases[] = {{LEAVE_ONE_OUT_FIELDS, 1, true, 0},
                          {LEAVE_ONE_OUT_FIELDS, 0.9, false, 0},
                          {LEAVE_ONE_OUT_FIELDS, 1.1, false, 0},
                          {1, 0.5, false, 0},
                          {1, 2, false, 0},
                          {1, 0, false, 400}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.factor);
        FieldsLeaveOneOut s = fieldsLeaveOneOut(c.fields, c.factor);
        EXPECT_EQ(400 * c.fields, s.data);
        EXPECT_EQ(c.zeroDeviations, s.zeroDeviations);
        if (c.zeroDeviations > 0) continue;
        EXPECT_LE(std::fabs(s.meanStandardized), s.meanBand);
        EXPECT_EQ(c.squaresInBand, std::fabs(s.meanSquaredStandardized - 1) <= s.squaresBand);
    }
}

// The example's mean is judged in the band of independent errors over the data kept, and a datum
// left out fails the row however small the mean.
TEST(VerifyChecks, exampleMeanFailsOnDataLeftOut) {
    struct Case {
        double mean;
        int leftOut;
        bool pass;
    };
    for (Case c : {Case{0.01, 0, true}, Case{0.24, 0, true}, Case{0.25, 0, false},
                   Case{0.01, 3, false}, Case{std::nan(""), 0, false}}) {
        CrossValidationSummary s;
        s.n = 150;
        s.meanStandardized = c.mean;
        s.zeroDeviations = c.leftOut;
        EXPECT_EQ(c.pass, exampleMeanVerdict(s).pass) << c.mean << " " << c.leftOut;
    }
}

}  // namespace
