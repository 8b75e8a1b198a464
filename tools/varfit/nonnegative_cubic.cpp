#include "nonnegative_cubic.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int MAX_SYSTEM = CUBIC_TERMS + 3;  // the cubic and at most three zeros imposed
// A cubic counts as non-negative when it dips below zero by no more than this share of the sum
// of its terms' magnitudes, which is rounding.
constexpr double DIP_TOLERANCE = 1e-12;

double cubicAt(const double c[CUBIC_TERMS], double t) {
    return c[0] + t * (c[1] + t * (c[2] + t * c[3]));
}

// Conditions on the coefficients, one a row: P(t) = 0 and P'(t) = 0.
void valueRow(double t, double row[CUBIC_TERMS]) {
    double power = 1;
    for (int k = 0; k < CUBIC_TERMS; ++k, power *= t) row[k] = power;
}
void slopeRow(double t, double row[CUBIC_TERMS]) {
    row[0] = 0;
    row[1] = 1;
    row[2] = 2 * t;
    row[3] = 3 * t * t;
}

// Solves the n x n system a x = b in place by elimination with partial pivoting; false when
// singular.
bool solve(int n, double a[][MAX_SYSTEM], double b[]) {
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int r = col + 1; r < n; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
        if (std::fabs(a[pivot][col]) < 1e-300) return false;
        for (int k = 0; k < n; ++k) std::swap(a[col][k], a[pivot][k]);
        std::swap(b[col], b[pivot]);
        for (int r = col + 1; r < n; ++r) {
            double m = a[r][col] / a[col][col];
            for (int k = col; k < n; ++k) a[r][k] -= m * a[col][k];
            b[r] -= m * b[col];
        }
    }
    for (int r = n - 1; r >= 0; --r) {
        double s = b[r];
        for (int k = r + 1; k < n; ++k) s -= a[r][k] * b[k];
        b[r] = s / a[r][r];
    }
    return true;
}

// The least-squares cubic under the conditions rows * c = 0 (Lagrange's equations).
bool minimumWith(const CubicLeastSquares& p, const double rows[][CUBIC_TERMS], int count,
                 double c[CUBIC_TERMS]) {
    double a[MAX_SYSTEM][MAX_SYSTEM] = {};
    double b[MAX_SYSTEM] = {};
    for (int i = 0; i < CUBIC_TERMS; ++i) {
        b[i] = p.h[i];
        for (int j = 0; j < CUBIC_TERMS; ++j) a[i][j] = p.g[i][j];
    }
    for (int k = 0; k < count; ++k)
        for (int j = 0; j < CUBIC_TERMS; ++j)
            a[CUBIC_TERMS + k][j] = a[j][CUBIC_TERMS + k] = rows[k][j];
    if (!solve(CUBIC_TERMS + count, a, b)) return false;
    for (int i = 0; i < CUBIC_TERMS; ++i) c[i] = b[i];
    return true;
}

double termMagnitudes(const double c[CUBIC_TERMS], double tEnd) {
    return std::fabs(c[0]) + std::fabs(c[1]) * tEnd + std::fabs(c[2]) * tEnd * tEnd +
           std::fabs(c[3]) * tEnd * tEnd * tEnd;
}

// The zeros of the derivative c1 + 2 c2 t + 3 c3 t^2 inside (from, to).
int criticalPoints(const double c[CUBIC_TERMS], double from, double to, double t[2]) {
    double qa = 3 * c[3], qb = 2 * c[2], qc = c[1];
    double roots[2];
    int found = 0;
    if (qa == 0) {
        if (qb != 0) roots[found++] = -qc / qb;
    } else {
        double disc = qb * qb - 4 * qa * qc;
        if (disc >= 0) {
            // The stable pair of formulas: no difference of nearly equal numbers.
            double q = -0.5 * (qb + std::copysign(std::sqrt(disc), qb));
            roots[found++] = q / qa;
            if (q != 0) roots[found++] = qc / q;
        }
    }
    int inside = 0;
    for (int i = 0; i < found; ++i)
        if (roots[i] > from && roots[i] < to) t[inside++] = roots[i];
    if (inside == 2 && t[0] > t[1]) std::swap(t[0], t[1]);
    return inside;
}

}  // namespace

double CubicLeastSquares::objective(const double c[CUBIC_TERMS]) const {
    double v = yy;
    for (int i = 0; i < CUBIC_TERMS; ++i) {
        v -= 2 * h[i] * c[i];
        for (int j = 0; j < CUBIC_TERMS; ++j) v += c[i] * g[i][j] * c[j];
    }
    return v;
}

void fitNonNegativeCubic(const CubicLeastSquares& p, double tEnd, double c[CUBIC_TERMS]) {
    std::fill(c, c + CUBIC_TERMS, 0.0);
    double bestValue = p.objective(c);
    auto consider = [&](const double rows[][CUBIC_TERMS], int count) {
        double trial[CUBIC_TERMS];
        if (!minimumWith(p, rows, count, trial)) return;
        if (cubicMinimum(trial, 0, tEnd) < -DIP_TOLERANCE * termMagnitudes(trial, tEnd)) return;
        double value = p.objective(trial);
        if (value < bestValue) {
            bestValue = value;
            std::copy(trial, trial + CUBIC_TERMS, c);
        }
    };
    double rows[3][CUBIC_TERMS];
    consider(rows, 0);
    valueRow(0, rows[0]);
    consider(rows, 1);
    valueRow(tEnd, rows[1]);
    consider(rows, 2);
    consider(rows + 1, 1);
    const int steps = static_cast<int>(std::lround(tEnd / DOUBLE_ZERO_STEP));
    for (int i = 1; i < steps; ++i) {
        double s = i * DOUBLE_ZERO_STEP;
        valueRow(s, rows[0]);
        slopeRow(s, rows[1]);
        consider(rows, 2);
        valueRow(0, rows[2]);
        consider(rows, 3);
        valueRow(tEnd, rows[2]);
        consider(rows, 3);
    }
}

double cubicMinimum(const double c[CUBIC_TERMS], double from, double to) {
    double lowest = std::fmin(cubicAt(c, from), cubicAt(c, to));
    double t[2];
    int n = criticalPoints(c, from, to, t);
    for (int i = 0; i < n; ++i) lowest = std::fmin(lowest, cubicAt(c, t[i]));
    return lowest;
}

double firstNegative(const double c[CUBIC_TERMS], double from, double to) {
    // Between the ends and the zeros of the derivative the cubic is monotone: the first piece
    // that ends below zero holds the first crossing, found by halving.
    double ends[4] = {from, 0, 0, 0};
    int n = 1 + criticalPoints(c, from, to, ends + 1);
    ends[n++] = to;
    if (cubicAt(c, from) < 0) return from;
    for (int i = 1; i < n; ++i) {
        if (!(cubicAt(c, ends[i]) < 0)) continue;
        double good = ends[i - 1], bad = ends[i];
        while (bad - good > 1e-9) {
            double mid = 0.5 * (good + bad);
            (cubicAt(c, mid) < 0 ? bad : good) = mid;
        }
        return bad;
    }
    return to + 1;
}
