#pragma once
// Factor's eigen-solver against an independent one, each difference over the bound it must keep.
#include <random>

constexpr int EIGEN_PAIRS = 5;  // the leading pairs sought of every matrix

// The worst error / bound of every kind over the pairs compared so far, and the largest errors.
struct EigenComparison {
    double value = 0, angle = 0, orthogonality = 0;
    double largestValue = 0;  // relative to the largest eigenvalue
    double largestAngle = 0;  // sine
    double largestDot = 0;    // |v_i . v_j|
};

// Draws a random positive-definite matrix of order n (n >= EIGEN_PAIRS; the leading eigenvalues
// falling by 0.3 to 0.7 each), finds its leading pairs with EIGEN at epsilon and updates worst
// with the comparison against the Jacobi method, the bounds derived for claimedEpsilon.  A
// search that fails makes every ratio infinite.
void compareEigen(int n, std::mt19937& random, float epsilon, float claimedEpsilon,
                  EigenComparison& worst);
