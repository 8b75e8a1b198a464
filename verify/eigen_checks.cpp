// Factor's eigen-solver on random positive-definite matrices of order 5, 10 and 20, at epsilon
// 1e-6.  Cost: a few milliseconds.
#include <random>

#include "checks.h"
#include "eigen_comparison.h"

void checkEigen(std::vector<Verdict>& rows) {
    constexpr float EPSILON = 1e-6f;
    std::mt19937 random(3);
    EigenComparison worst;
    for (int n : {5, 10, 20}) compareEigen(n, random, EPSILON, EPSILON, worst);
    Verdict value = boundVerdict("factor: eigenvalue vs Jacobi, error / bound", worst.value, 1);
    value.measured += " (largest " + realText(worst.largestValue, 3) + " x lambda1)";
    Verdict angle =
        boundVerdict("factor: eigenvector angle vs Jacobi, sine / bound", worst.angle, 1);
    angle.measured += " (largest " + realText(worst.largestAngle, 3) + ")";
    Verdict orthogonal =
        boundVerdict("factor: orthogonality |v_i . v_j| / bound", worst.orthogonality, 1);
    orthogonal.measured += " (largest " + realText(worst.largestDot, 3) + ")";
    rows.push_back(value);
    rows.push_back(angle);
    rows.push_back(orthogonal);
}
