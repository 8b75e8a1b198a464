#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "lu.h"

namespace {

struct System {
    float a[LU_COLUMNS][LU_COLUMNS] = {};
    int pivot[LU_COLUMNS] = {};
};

template <int N>
System systemOf(const float (&rows)[N][N]) {
    System s;
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j) s.a[i][j] = rows[i][j];
    return s;
}

TEST(LuSolve, KnownSystem) {
    // 2x + y + z = 5, 4x - 6y = -2, -2x + 7y + 2z = 9: x = 1, y = 1, z = 2.
    const float rows[3][3] = {{2, 1, 1}, {4, -6, 0}, {-2, 7, 2}};
    System s = systemOf(rows);
    luDecompose(3, s.a, s.pivot);
    float b[LU_COLUMNS] = {5, -2, 9};
    luBackSubstitute(s.a, 3, s.pivot, b);
    EXPECT_NEAR(1.0f, b[0], 1e-6);
    EXPECT_NEAR(1.0f, b[1], 1e-6);
    EXPECT_NEAR(2.0f, b[2], 1e-6);
}

TEST(LuSolve, LeadingZerosOnTheRightHandSide) {
    const float rows[4][4] = {{4, 1, 0, 1}, {1, 5, 2, 0}, {0, 2, 6, 1}, {1, 0, 1, 3}};
    const float x[4] = {1, -2, 3, -2};
    float b[LU_COLUMNS] = {};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) b[i] += rows[i][j] * x[j];
    ASSERT_EQ(0.0f, b[0]);  // the forward pass starts its sums at the first non-zero entry
    System s = systemOf(rows);
    luDecompose(4, s.a, s.pivot);
    luBackSubstitute(s.a, 4, s.pivot, b);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(x[i], b[i], 1e-5) << i;
}

// The scale of each row is 1 / its largest entry: row 1 wins column 0 although row 0 holds the
// larger entry.
TEST(LuDecompose, ImplicitPivoting) {
    const float rows[2][2] = {{3, 1000}, {2, 1}};
    System s = systemOf(rows);
    luDecompose(2, s.a, s.pivot);
    EXPECT_EQ(1, s.pivot[0]);
    EXPECT_EQ(2.0f, s.a[0][0]);
    EXPECT_EQ(1.0f, s.a[0][1]);
    EXPECT_EQ(1.5f, s.a[1][0]);
    EXPECT_EQ(998.5f, s.a[1][1]);
}

TEST(LuDecompose, TiesGoToTheLaterRow) {
    const float rows[2][2] = {{2, 1}, {2, -1}};
    System s = systemOf(rows);
    luDecompose(2, s.a, s.pivot);
    EXPECT_EQ(1, s.pivot[0]);
    EXPECT_EQ(1, s.pivot[1]);
    EXPECT_EQ(2.0f, s.a[0][0]);
    EXPECT_EQ(-1.0f, s.a[0][1]);
    EXPECT_EQ(1.0f, s.a[1][0]);
    EXPECT_EQ(2.0f, s.a[1][1]);
    float b[LU_COLUMNS] = {3, 1};
    luBackSubstitute(s.a, 2, s.pivot, b);
    EXPECT_EQ(1.0f, b[0]);
    EXPECT_EQ(1.0f, b[1]);
}

TEST(LuDecompose, ZeroPivotsBecomeTiny) {
    // A column of zeros: every candidate is 0 and the last row wins the tie.
    const float rows[3][3] = {{0, 1, 0}, {0, 0, 1}, {0, 1, 1}};
    System s = systemOf(rows);
    luDecompose(3, s.a, s.pivot);
    EXPECT_EQ(2, s.pivot[0]);
    EXPECT_EQ(1e-20f, s.a[0][0]);
    // Two equal rows leave a zero in the last diagonal position.
    const float equal[2][2] = {{1, 1}, {1, 1}};
    System t = systemOf(equal);
    luDecompose(2, t.a, t.pivot);
    EXPECT_EQ(1e-20f, t.a[1][1]);
}

// Crout's method entry by entry, as the decomposition is described: the reference that the
// row-wise decomposition must equal bit for bit.
void decomposeOneByOne(int n, float a[][LU_COLUMNS], int pivot[]) {
    float scale[LU_COLUMNS];
    for (int i = 0; i < n; ++i)
        scale[i] = static_cast<float>(
            1.0 / std::fabs(*std::max_element(a[i], a[i] + n, [](float p, float q) {
                return std::fabs(p) < std::fabs(q);
            })));
    for (int j = 0; j < n; ++j) {
        int p = j;
        float best = 0;
        for (int i = 0; i < n; ++i) {
            for (int k = 0; k < std::min(i, j); ++k)
                a[i][j] = static_cast<float>(a[i][j] - static_cast<double>(a[i][k]) * a[k][j]);
            float candidate =
                static_cast<float>(scale[i] * static_cast<double>(std::fabs(a[i][j])));
            if (i >= j && candidate >= best) best = candidate, p = i;
        }
        std::swap_ranges(a[p], a[p] + n, a[j]);
        scale[p] = scale[j];
        pivot[j] = p;
        if (a[j][j] == 0) a[j][j] = 1e-20f;
        float reciprocal = static_cast<float>(1.0 / a[j][j]);
        for (int i = j + 1; i < n; ++i)
            a[i][j] = static_cast<float>(a[i][j] * static_cast<double>(reciprocal));
    }
}

// Random systems of every size, bordered symmetric ones as kriging builds them and others full of
// small integers (ties, zero pivots, signed zeros); entries outside the system stay as they were.
TEST(LuDecompose, EqualsTheEntryByEntryFormBitForBit) {
    std::mt19937 random(20261208);
    for (int n = 1; n <= 2 * LU_COLUMNS; ++n) {
        int size = (n - 1) % LU_COLUMNS + 1;
        System s;
        for (auto& row : s.a)
            for (float& entry : row) entry = -7.5f;
        for (int i = 0; i < size; ++i)
            for (int j = 0; j <= i; ++j) {
                float value = n <= LU_COLUMNS
                                  ? (i == size - 1 ? 1.0f : static_cast<float>(random()) / 4e9f)
                                  : static_cast<float>(static_cast<int>(random() % 5) - 2) * 0.5f;
                s.a[i][j] = s.a[j][i] = i == j && n <= LU_COLUMNS ? 0.0f : value;
            }
        for (int i = 0; i < size; ++i) s.a[i][random() % size] = 1;  // no row of zeros
        System expected = s;
        decomposeOneByOne(size, expected.a, expected.pivot);
        luDecompose(size, s.a, s.pivot);
        ASSERT_EQ(0, std::memcmp(expected.a, s.a, sizeof s.a)) << size;
        ASSERT_EQ(0, std::memcmp(expected.pivot, s.pivot, size * sizeof(int))) << size;
    }
}

TEST(LuDecompose, RowOfZerosStopsTheProgram) {
    const float rows[3][3] = {{1, 2, 3}, {0, 0, 0}, {4, 5, 6}};
    System s = systemOf(rows);
    EXPECT_EXIT(
        {
            // The message goes to standard output: send it where the death test looks.
            dup2(STDERR_FILENO, STDOUT_FILENO);
            if (std::freopen("/dev/null", "r", stdin) == nullptr) std::_Exit(3);
            luDecompose(3, s.a, s.pivot);
        },
        testing::ExitedWithCode(255), " Singular matrix.\nPress any key to continue...\n");
}

}  // namespace
