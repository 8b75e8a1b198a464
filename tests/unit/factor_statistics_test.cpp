#include <gtest/gtest.h>

#include <memory>

#include "statistics.h"

namespace {

struct Stats {
    SampleMatrix data{};
    VarVector mean{}, variance{}, sigma{};
    VarMatrix cov{}, corr{};

    void compute(int nSample, int nVar) {
        computeMeans(data, nSample, nVar, mean);
        computeCovariance(data, mean, nSample, nVar, cov);
        computeDeviations(cov, nVar, variance, sigma);
        computeCorrelation(cov, sigma, nVar, corr);
    }
};

std::unique_ptr<Stats> statsOf(std::initializer_list<std::initializer_list<float>> rows) {
    auto s = std::make_unique<Stats>();
    int i = 0;
    for (auto row : rows) {
        int j = 0;
        for (float v : row) s->data[i][j++] = v;
        ++i;
    }
    return s;
}

// Each step of a sum is formed in double and rounded to single precision.  For these samples a
// computation in single precision throughout gives the covariance 0.19558336, one summed in
// double and rounded at the end the same; the described steps give 0.19558330.
TEST(FactorStatistics, SumsRoundAfterEachStep) {
    auto s = statsOf({{2.59f, 8.36f}, {2.34f, 4.76f}, {9.96f, 6.39f}, {4.7f, 1.51f}});
    s->compute(4, 2);
    EXPECT_EQ(4.8975f, s->mean[0]);
    EXPECT_EQ(5.255f, s->mean[1]);
    EXPECT_EQ(0.19558330f, s->cov[0][1]);
    EXPECT_EQ(0.19558330f, s->cov[1][0]);
    EXPECT_EQ(12.511092f, s->cov[0][0]);
    EXPECT_EQ(8.399766f, s->cov[1][1]);
    EXPECT_EQ(12.511092f, s->variance[0]);
    EXPECT_EQ(3.5371022f, s->sigma[0]);
    EXPECT_EQ(2.898235f, s->sigma[1]);
    EXPECT_EQ(0.019078778f, s->corr[0][1]);
    EXPECT_EQ(20.910858f, traceOf(s->variance, 2));
}

TEST(FactorStatistics, ConstantVariableHasNoCorrelation) {
    auto s = statsOf({{1, 5, 2}, {2, 5, 4}, {4, 5, 1}});
    s->compute(3, 3);
    EXPECT_EQ(0.0f, s->variance[1]);
    EXPECT_EQ(0.0f, s->sigma[1]);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(0.0f, s->corr[1][k]) << k;
        EXPECT_EQ(0.0f, s->corr[k][1]) << k;
    }
    EXPECT_EQ(1.0f, s->corr[0][0]);
    EXPECT_EQ(1.0f, s->corr[2][2]);
}

TEST(FactorStatistics, TwoSamplesDivideByOne) {
    auto s = statsOf({{1, 10}, {3, 4}});
    s->compute(2, 2);
    EXPECT_EQ(2.0f, s->mean[0]);
    EXPECT_EQ(2.0f, s->cov[0][0]);          // (1 + 1) / 1
    EXPECT_EQ(18.0f, s->cov[1][1]);         // (9 + 9) / 1
    EXPECT_EQ(-6.0f, s->cov[0][1]);         // (-1 * 3 + 1 * -3) / 1
    EXPECT_FLOAT_EQ(-1.0f, s->corr[0][1]);  // -6 / (sqrt 2 * sqrt 18), sigmas rounded
}

TEST(FactorStatistics, SharesOfTheTrace) {
    VarVector eigenvalue{3, 1, 0}, relative{}, cumulative{};
    eigenvalueShares(eigenvalue, 3, 4, relative, cumulative);
    EXPECT_EQ(75.0f, relative[0]);
    EXPECT_EQ(25.0f, relative[1]);
    EXPECT_EQ(0.0f, relative[2]);
    EXPECT_EQ(75.0f, cumulative[0]);
    EXPECT_EQ(100.0f, cumulative[1]);
    EXPECT_EQ(100.0f, cumulative[2]);
}

TEST(FactorStatistics, ZeroTraceSharesNothing) {
    VarVector eigenvalue{}, relative{}, cumulative{};
    eigenvalueShares(eigenvalue, 2, 0, relative, cumulative);
    EXPECT_EQ(0.0f, relative[0]);
    EXPECT_EQ(0.0f, cumulative[1]);
}

}  // namespace
