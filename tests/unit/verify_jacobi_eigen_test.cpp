#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "dense_inverse.h"
#include "jacobi_eigen.h"

namespace {

DenseMatrix randomSymmetric(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> entry(-1, 1);
    DenseMatrix a(n, std::vector<double>(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j) a[i][j] = a[j][i] = entry(random);
    return a;
}

TEST(VerifyJacobiEigen, twoByTwo) {
    std::vector<double> values;
    DenseMatrix vectors;
    jacobiEigen({{2, 1}, {1, 2}}, values, vectors);
    EXPECT_NEAR(3, values[0], 1e-15);
    EXPECT_NEAR(1, values[1], 1e-15);
    EXPECT_NEAR(1 / std::sqrt(2.0), std::fabs(vectors[0][0]), 1e-15);
    EXPECT_NEAR(vectors[0][0], vectors[1][0], 1e-15);
    EXPECT_NEAR(vectors[0][1], -vectors[1][1], 1e-15);
}

// Of indefinite matrices too: every pair satisfies A v = lambda v, the vectors are orthonormal
// and the values come in decreasing order.
TEST(VerifyJacobiEigen, eigenpairsOfRandomMatrices) {
    for (int n : {1, 3, 8, 20}) {
        SCOPED_TRACE(n);
        DenseMatrix a = randomSymmetric(n, n);
        std::vector<double> values;
        DenseMatrix v;
        jacobiEigen(a, values, v);
        for (int k = 0; k < n; ++k) {
            if (k > 0) {
                EXPECT_GE(values[k - 1], values[k]);
            }
            for (int i = 0; i < n; ++i) {
                double av = 0;
                for (int j = 0; j < n; ++j) av += a[i][j] * v[j][k];
                EXPECT_NEAR(values[k] * v[i][k], av, 1e-13);
            }
            for (int l = 0; l < n; ++l) {
                double dot = 0;
                for (int i = 0; i < n; ++i) dot += v[i][k] * v[i][l];
                EXPECT_NEAR(k == l ? 1.0 : 0.0, dot, 1e-13);
            }
        }
    }
}

TEST(VerifyDenseInverse, inverseAndSingularMatrix) {
    DenseMatrix a = randomSymmetric(6, 11), inverse;
    a[0][0] = 0;  // a pivot must be sought
    ASSERT_TRUE(invert(a, inverse));
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) {
            double sum = 0;
            for (int k = 0; k < 6; ++k) sum += a[i][k] * inverse[k][j];
            EXPECT_NEAR(i == j ? 1.0 : 0.0, sum, 1e-12);
        }
    EXPECT_FALSE(invert({{1, 2}, {2, 4}}, inverse));
    EXPECT_EQ(7, infinityNorm({{1, -2}, {3, -4}}));
}

}  // namespace
