#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

#include "eigen.h"

namespace {

// The matrices are large (MAXVAR x MAXVAR), so each case keeps them on the heap.
struct Problem {
    VarMatrix matrix{};
    VarMatrix vectors{};
    VarVector values{};
    std::ostringstream console;
    int count = 0;

    void solve(float epsilon, int n, int wanted) {
        count = wanted;
        EIGEN(epsilon, n, matrix, count, values, vectors, console);
    }
};

std::unique_ptr<Problem> diagonal(float a, float b) {
    auto p = std::make_unique<Problem>();
    p->matrix[0][0] = a;
    p->matrix[1][1] = b;
    return p;
}

TEST(FactorEigen, DiagonalFourOneInDecreasingOrder) {
    auto p = diagonal(4, 1);
    const float eps = 1e-6f;
    p->solve(eps, 2, 2);
    EXPECT_EQ(2, p->count);
    EXPECT_NEAR(4.0, p->values[0], 1e-5);
    EXPECT_NEAR(1.0, p->values[1], 1e-5);
    EXPECT_NEAR(1.0, p->vectors[0][0], eps);
    EXPECT_NEAR(0.0, p->vectors[1][0], eps);
    EXPECT_NEAR(0.0, p->vectors[0][1], eps);
    EXPECT_NEAR(1.0, std::fabs(p->vectors[1][1]), eps);
    EXPECT_EQ("", p->console.str());
}

TEST(FactorEigen, ZeroMatrixGivesZeroPairs) {
    auto p = std::make_unique<Problem>();
    p->vectors[0][0] = 7;  // cleared before the search
    p->solve(1e-3f, 3, 3);
    EXPECT_EQ(3, p->count);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(0.0f, p->values[k]);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(0.0f, p->vectors[i][k]);
    }
}

TEST(FactorEigen, CountLargerThanOrderIsReduced) {
    auto p = diagonal(2, 3);
    p->values[2] = 9;  // beyond n: not touched
    p->solve(1e-5f, 2, 5);
    EXPECT_EQ(2, p->count);
    EXPECT_NEAR(3.0, p->values[0], 1e-4);
    EXPECT_NEAR(2.0, p->values[1], 1e-4);
    EXPECT_EQ(9.0f, p->values[2]);
}

TEST(FactorEigen, NegativeDominantEigenvalueNeverConverges) {
    auto p = diagonal(-2, 1);
    p->solve(1e-5f, 2, 2);
    EXPECT_EQ(0, p->count);
    EXPECT_EQ(
        " SUBROUTINE EIGEN FAILED TO FIND EIGEN VECTOR #1\n"
        " IN 1000 ATTEMPTS.  RETURNING NUMBER = 0\n",
        p->console.str());
    EXPECT_EQ(0.0f, p->values[0]);
}

TEST(FactorEigen, FailureKeepsThePairsFoundBefore) {
    // diag(3, 0, -2): the first pair converges; the remainder diag(0, 0, -2) is dominated by a
    // negative eigenvalue.
    auto p = std::make_unique<Problem>();
    p->matrix[0][0] = 3;
    p->matrix[2][2] = -2;
    p->solve(1e-4f, 3, 3);
    EXPECT_EQ(1, p->count);
    EXPECT_NEAR(3.0, p->values[0], 1e-3);
    EXPECT_EQ(0.0f, p->values[1]);
    EXPECT_NE(std::string::npos, p->console.str().find("VECTOR #2\n"));
    EXPECT_NE(std::string::npos, p->console.str().find("RETURNING NUMBER = 1\n"));
}

TEST(FactorEigen, UniformEigenvectorIsExactAndDeflatesToZero) {
    // Every entry 1.5 in a 4 x 4 matrix: the start vector (0.5, ...) is the eigenvector of
    // eigenvalue 6, found at the first attempt; the deflation leaves exactly zero.
    auto p = std::make_unique<Problem>();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) p->matrix[i][j] = 1.5f;
    p->solve(1e-7f, 4, 2);
    EXPECT_EQ(2, p->count);
    EXPECT_EQ(6.0f, p->values[0]);
    EXPECT_EQ(0.0f, p->values[1]);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(0.5f, p->vectors[i][0]);
        EXPECT_EQ(0.0f, p->vectors[i][1]);
        for (int j = 0; j < 4; ++j) EXPECT_EQ(0.0f, p->matrix[i][j]);
    }
}

// The product is a running sum held in single precision, each step formed in double.  In
// [[1, e, e], [e, 1, 0], [e, 0, 1]] with e = 3e-8, each step after the first adds e x, less than
// half a unit in the last place of x = 1/sqrt(3), so every component of the first product stays
// x; a sum kept in double would have gathered 2 e x in the first row and rounded it up.
TEST(FactorEigen, RunningSumsRoundAfterEachStep) {
    auto p = std::make_unique<Problem>();
    const float e = 3e-8f;
    p->matrix[0] = {1, e, e};
    p->matrix[1] = {e, 1, 0};
    p->matrix[2] = {e, 0, 1};
    p->solve(1e-3f, 3, 1);
    ASSERT_EQ(1, p->count);

    auto lengthOf = [](float y0, float y) {
        float s = float(double(y0) * double(y0));
        for (int i = 1; i < 3; ++i) s = float(double(s) + double(y) * double(y));
        return float(std::sqrt(double(s)));
    };
    float x = float(1.0 / std::sqrt(3.0));
    float norm = lengthOf(x, x);
    EXPECT_EQ(norm, p->values[0]);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(float(double(x) / double(norm)), p->vectors[i][0]);

    float summedInDouble = float(double(x) + 2 * double(e) * double(x));
    ASSERT_NE(x, summedInDouble);
    EXPECT_NE(float(double(x) / double(lengthOf(summedInDouble, x))), p->vectors[1][0]);
}

}  // namespace
