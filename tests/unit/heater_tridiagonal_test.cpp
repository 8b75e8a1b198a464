#include <gtest/gtest.h>

#include "solvers.h"

namespace {

struct System {
    FieldVector lower{}, main{}, upper{}, rhs{}, x{};
};

// -x[i-1] + 2 x[i] - x[i+1] with x = (1, 2, 3, 4).
TEST(SolveTridiagonal, SymmetricSystemWithKnownSolution) {
    System s;
    for (int i = 1; i <= 4; ++i) s.lower[i] = -1, s.main[i] = 2, s.upper[i] = -1;
    float r[] = {0, 0, 0, 0, 5};
    for (int i = 1; i <= 4; ++i) s.rhs[i] = r[i];
    solveTridiagonal(4, s.lower, s.main, s.upper, s.rhs, s.x);
    for (int i = 1; i <= 4; ++i) EXPECT_NEAR(float(i), s.x[i], 1e-5f);
    // The diagonals serve the next row unchanged.
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(2.0f, s.main[i]);
}

// Unequal diagonals: 4 x1 + x2 = 3; x1 + 5 x2 + x3 = -2; 2 x2 + 6 x3 = 10, so x = (1, -1, 2).
TEST(SolveTridiagonal, UnsymmetricSystem) {
    System s;
    float lower[] = {0, 0, 1, 2}, main[] = {0, 4, 5, 6}, upper[] = {0, 1, 1, 0},
          r[] = {0, 3, -2, 10};
    for (int i = 1; i <= 3; ++i) s.lower[i] = lower[i], s.main[i] = main[i], s.upper[i] = upper[i];
    for (int i = 1; i <= 3; ++i) s.rhs[i] = r[i];
    solveTridiagonal(3, s.lower, s.main, s.upper, s.rhs, s.x);
    EXPECT_NEAR(1.0f, s.x[1], 1e-6f);
    EXPECT_NEAR(-1.0f, s.x[2], 1e-6f);
    EXPECT_NEAR(2.0f, s.x[3], 1e-6f);
    EXPECT_EQ(0.0f, s.x[4]);
}

TEST(SolveTridiagonal, OneUnknownAndSizesBeyondTheVectors) {
    System s;
    s.main[1] = 4, s.rhs[1] = 3;
    solveTridiagonal(1, s.lower, s.main, s.upper, s.rhs, s.x);
    EXPECT_EQ(0.75f, s.x[1]);
    s.x[1] = 9;
    solveTridiagonal(0, s.lower, s.main, s.upper, s.rhs, s.x);
    solveTridiagonal(50, s.lower, s.main, s.upper, s.rhs, s.x);
    EXPECT_EQ(9.0f, s.x[1]);
}

}  // namespace
