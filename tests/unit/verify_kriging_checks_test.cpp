// verify's kriging checks fed deliberately wrong claims and wrong weight checks.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "kriging.h"
#include "kriging_comparison.h"
#include "weight_check_cases.h"

namespace {

// gridder kriging with another model than the double solve is what a fault in the model values
// amounts to.  Scaling every coefficient leaves the weights and the estimate as they are but
// scales the variance; dropping the nugget or the t^2 term changes the weights.  As in verify's
// rows, the worst of the points kriged decides.
TEST(VerifyKrigingChecks, comparisonCatchesWrongModels) {
    struct Case {
        const char* name;
        VariogramModel solvedWith;
        bool estimatePasses, variancePasses;
    };
    const VariogramModel nugget = modelWithNugget();
    VariogramModel scaled = nugget, noNugget = nugget, noQuadratic = nugget;
    scaled.curve0 *= 1.001f;
    scaled.curve1 *= 1.001f;
    scaled.curve2 *= 1.001f;
    scaled.curve3 *= 1.001f;
    noNugget.curve0 = 0;
    noQuadratic.curve2 = 0;
    const Case cases[] = {{"as solved", nugget, true, true},
                          {"scaled by 1.001", scaled, true, false},
                          {"nugget dropped", noNugget, false, false},
                          {"t^2 term dropped", noQuadratic, false, false}};
    Scatter data = exampleScatter();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double estimate = 0, variance = 0;
        for (float x0 : {10.0f, 500.0f, 981.0f}) {
            PointCheck check = comparePoint(data, nugget, x0, 1000 - x0, nullptr, &c.solvedWith);
            estimate = std::fmax(estimate, check.estimate.error / check.estimate.bound);
            variance = std::fmax(variance, check.variance.error / check.variance.bound);
            EXPECT_LE(check.weightSum.error, check.weightSum.bound);
        }
        EXPECT_EQ(c.estimatePasses, estimate <= 1) << estimate;
        EXPECT_EQ(c.variancePasses, variance <= 1) << variance;
    }
}

float sumOf(const float weight[], int m) {
    float sum = 0;
    for (int k = 0; k < m; ++k) sum += weight[k];
    return sum;
}

// Wrong weight checks, each a fault of the real one.
bool leaveAlone(float[], int, std::ostream&) {
    return false;
}
bool oneSided(float w[], int m, std::ostream& console) {
    return sumOf(w, m) > 1.02f && checkWeightSum(w, m, console);
}
bool multiplyBySum(float w[], int m, std::ostream&) {
    float sum = sumOf(w, m);
    for (int k = 0; k < m; ++k) w[k] *= sum;
    return std::fabs(sum - 1) > 0.02f;
}
bool alwaysRescale(float w[], int m, std::ostream&) {
    float sum = sumOf(w, m);
    for (int k = 0; k < m; ++k) w[k] /= sum;
    return true;
}

TEST(VerifyKrigingChecks, weightCheckCasesCatchWrongChecks) {
    struct Case {
        const char* name;
        WeightCheck check;
        bool pass;
    };
    const Case cases[] = {{"gridder's", checkWeightSum, true},
                          {"never rescales", leaveAlone, false},
                          {"only sums above 1", oneSided, false},
                          {"multiplies by the sum", multiplyBySum, false},
                          {"rescales sums within 0.02", alwaysRescale, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WeightCheckOutcome outcome = weightCheckCases(c.check);
        EXPECT_EQ(c.pass, outcome.largestMiss <= outcome.bound && outcome.wrongDecisions == 0);
    }
}

TEST(VerifyKrigingChecks, reportedWeightSum) {
    EXPECT_EQ(1.05, reportedWeightSum(" WARNING: ILL-CONDITIONED MATRIX IN SUBROUTINE INTERP:\n"
                                      "    SUM OF KRIGING WEIGHTS = 1.05 (SHOULD BE 1.)\n"));
    EXPECT_EQ(-3e-7, reportedWeightSum("    SUM OF KRIGING WEIGHTS = -3e-007 (SHOULD BE 1.)\n"));
    EXPECT_TRUE(std::isnan(reportedWeightSum("   17 data used in estimate\n")));
    EXPECT_TRUE(std::isnan(reportedWeightSum("    SUM OF KRIGING WEIGHTS = nan (SHOULD BE 1.)\n")));
}

}  // namespace
