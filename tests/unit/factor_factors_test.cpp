#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "factors.h"

namespace {

struct Factors {
    SampleMatrix data{}, score{};
    VarVector mean{}, eigenvalue{}, low{}, high{};
    VarMatrix eigenvector{}, recipe{};
};

TEST(FactorFactors, RecipeIsRootEigenvalueTimesVector) {
    auto f = std::make_unique<Factors>();
    f->eigenvalue[0] = 4;
    f->eigenvalue[1] = 2;
    f->eigenvector[0][0] = 0.6f;
    f->eigenvector[1][0] = -0.8f;
    f->eigenvector[0][1] = 0.8f;
    f->eigenvector[1][1] = 0.6f;
    computeRecipes(f->eigenvalue, f->eigenvector, 2, 2, f->recipe);
    EXPECT_EQ(float(2 * double(0.6f)), f->recipe[0][0]);
    EXPECT_EQ(float(-2 * double(0.8f)), f->recipe[0][1]);
    // sqrt(2) is not rounded before the product.
    EXPECT_EQ(float(std::sqrt(2.0) * double(0.8f)), f->recipe[1][0]);
}

// Samples (1, 0), (-1, 0), (0, 2), (0, -2): covariance diag(2/3, 8/3).  With its exact
// eigenpairs the scores of each factor have sample variance 1.
TEST(FactorFactors, ScoresOfExactEigenpairsHaveUnitVariance) {
    auto f = std::make_unique<Factors>();
    float rows[4][2] = {{1, 0}, {-1, 0}, {0, 2}, {0, -2}};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 2; ++j) f->data[i][j] = rows[i][j];
    f->eigenvalue[0] = 8.0f / 3;
    f->eigenvalue[1] = 2.0f / 3;
    f->eigenvector[1][0] = 1;
    f->eigenvector[0][1] = 1;
    computeRecipes(f->eigenvalue, f->eigenvector, 2, 2, f->recipe);
    computeScores(f->data, f->mean, f->recipe, f->eigenvalue, 4, 2, 2, f->score);
    EXPECT_EQ(0.0f, f->score[0][0]);
    EXPECT_NEAR(std::sqrt(1.5), f->score[2][0], 1e-6);
    EXPECT_NEAR(-std::sqrt(1.5), f->score[3][0], 1e-6);
    EXPECT_NEAR(std::sqrt(1.5), f->score[0][1], 1e-6);
    for (int k = 0; k < 2; ++k) {
        double sum = 0;
        for (int i = 0; i < 4; ++i) sum += double(f->score[i][k]) * f->score[i][k];
        EXPECT_NEAR(1.0, sum / 3, 1e-6);
    }
}

TEST(FactorFactors, ZeroEigenvalueGivesZeroScores) {
    auto f = std::make_unique<Factors>();
    f->data[0] = {1, 2};
    f->data[1] = {3, 2};
    f->mean = {2, 2};
    f->eigenvalue[0] = 2;
    f->eigenvalue[1] = 0;
    f->eigenvector[0][0] = 1;
    computeRecipes(f->eigenvalue, f->eigenvector, 2, 2, f->recipe);
    computeScores(f->data, f->mean, f->recipe, f->eigenvalue, 2, 2, 2, f->score);
    EXPECT_FALSE(hasZeroEigenvalue(f->eigenvalue, 0));
    EXPECT_TRUE(hasZeroEigenvalue(f->eigenvalue, 1));
    EXPECT_EQ(float(-std::sqrt(2.0) / 2), f->score[0][0]);
    EXPECT_EQ(0.0f, f->score[0][1]);
    EXPECT_EQ(0.0f, f->score[1][1]);
    EXPECT_FALSE(std::isnan(f->score[1][1]));
}

TEST(FactorFactors, LowAndHighOfEachFactor) {
    auto f = std::make_unique<Factors>();
    float scores[4][2] = {{3, -2}, {-1, -2}, {5, -7}, {-1, 4}};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 2; ++k) f->score[i][k] = scores[i][k];
    scoreRange(f->score, 4, 2, f->low, f->high);
    EXPECT_EQ(-1.0f, f->low[0]);
    EXPECT_EQ(5.0f, f->high[0]);
    EXPECT_EQ(-7.0f, f->low[1]);
    EXPECT_EQ(4.0f, f->high[1]);
}

TEST(FactorFactors, OneSampleIsItsOwnRange) {
    auto f = std::make_unique<Factors>();
    f->score[0][0] = 2.5f;
    scoreRange(f->score, 1, 1, f->low, f->high);
    EXPECT_EQ(2.5f, f->low[0]);
    EXPECT_EQ(2.5f, f->high[0]);
}

}  // namespace
