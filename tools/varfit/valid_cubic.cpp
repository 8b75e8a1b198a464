#include "valid_cubic.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int CONDITIONS = 4;
constexpr int MAX_SYSTEM = CUBIC_TERMS + CONDITIONS;
// Feasibility and the signs of multipliers are judged to this share of the problem's own scale:
// far above the rounding of the 8-equation solves, far below any difference that matters.
constexpr double TOLERANCE = 1e-10;

// row . c >= bound, or == bound.
struct Condition {
    double row[CUBIC_TERMS];
    double bound;
    bool equality;
};

int familyConditions(const ValidCubicFamily& f, Condition out[CONDITIONS]) {
    double spherical = 3 * f.validTo * f.validTo;
    out[0] = {{1, 0, 0, 0}, f.nuggetFixed ? f.nugget : 0.0, f.nuggetFixed};
    out[1] = {{0, 0, 1, 0}, 0.0, !f.quadraticAllowed};
    out[2] = {{0, 0, 0, -1}, 0.0, false};
    out[3] = {{0, 1, 0, spherical}, 0.0, false};
    return CONDITIONS;
}

double dot(const double a[CUBIC_TERMS], const double c[CUBIC_TERMS]) {
    return a[0] * c[0] + a[1] * c[1] + a[2] * c[2] + a[3] * c[3];
}

// Solves the n x n system a x = b in place by elimination with partial pivoting; false when a
// pivot vanishes against the size of the matrix.
bool solve(int n, double a[][MAX_SYSTEM], double b[]) {
    double size = 0;
    for (int r = 0; r < n; ++r)
        for (int k = 0; k < n; ++k) size = std::fmax(size, std::fabs(a[r][k]));
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int r = col + 1; r < n; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
        if (!(std::fabs(a[pivot][col]) > 1e-13 * size)) return false;
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

// The stationary point with the conditions of active[] held with equality:
//     [G  -A'] [c     ]   [h]
//     [A   0 ] [lambda] = [b]
bool stationaryPoint(const CubicLeastSquares& p, const Condition* const active[], int count,
                     double c[CUBIC_TERMS], double lambda[]) {
    double a[MAX_SYSTEM][MAX_SYSTEM] = {};
    double b[MAX_SYSTEM] = {};
    for (int i = 0; i < CUBIC_TERMS; ++i) {
        b[i] = p.h[i];
        for (int j = 0; j < CUBIC_TERMS; ++j) a[i][j] = p.g[i][j];
    }
    for (int k = 0; k < count; ++k) {
        for (int j = 0; j < CUBIC_TERMS; ++j) {
            a[CUBIC_TERMS + k][j] = active[k]->row[j];
            a[j][CUBIC_TERMS + k] = -active[k]->row[j];
        }
        b[CUBIC_TERMS + k] = active[k]->bound;
    }
    if (!solve(CUBIC_TERMS + count, a, b)) return false;
    std::copy(b, b + CUBIC_TERMS, c);
    std::copy(b + CUBIC_TERMS, b + CUBIC_TERMS + count, lambda);
    return true;
}

// Meets the active conditions exactly, and moves the others back over their bound where the solve
// left them outside it by rounding.
void snapToFamily(double c[CUBIC_TERMS], const ValidCubicFamily& f, unsigned activeMask) {
    if (f.nuggetFixed)
        c[0] = f.nugget;
    else if ((activeMask & 1u) || c[0] < 0)
        c[0] = 0;
    if (!f.quadraticAllowed || (activeMask & 2u) || c[2] < 0) c[2] = 0;
    if ((activeMask & 4u) || c[3] > 0) c[3] = 0;
    double least = -3 * f.validTo * f.validTo * c[3];
    if ((activeMask & 8u) || c[1] < least) c[1] = least;
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

bool fitValidCubic(const CubicLeastSquares& p, const ValidCubicFamily& family,
                   double c[CUBIC_TERMS]) {
    Condition conditions[CONDITIONS];
    int n = familyConditions(family, conditions);
    double scale = 0;
    for (int i = 0; i < CUBIC_TERMS; ++i) {
        scale = std::fmax(scale, std::fabs(p.h[i]));
        for (int j = 0; j < CUBIC_TERMS; ++j) scale = std::fmax(scale, std::fabs(p.g[i][j]));
    }
    bool found = false;
    double bestValue = 0;
    unsigned bestMask = 0;
    for (unsigned mask = 0; mask < (1u << n); ++mask) {
        const Condition* active[CONDITIONS];
        int count = 0;
        bool skip = false;
        for (int k = 0; k < n; ++k) {
            bool on = (mask >> k) & 1u;
            if (conditions[k].equality && !on) skip = true;  // an equality is always active
            if (on) active[count++] = &conditions[k];
        }
        double trial[CUBIC_TERMS], lambda[CONDITIONS];
        if (skip || !stationaryPoint(p, active, count, trial, lambda)) continue;
        double size = 1;
        for (double v : trial) size += std::fabs(v);
        bool feasible = true;
        for (int k = 0, a = 0; k < n && feasible; ++k) {
            bool on = (mask >> k) & 1u;
            if (on) {
                double multiplier = lambda[a++];
                if (!conditions[k].equality && multiplier < -TOLERANCE * scale) feasible = false;
            } else {
                double slack = dot(conditions[k].row, trial) - conditions[k].bound;
                if (slack < -TOLERANCE * size * (1 + 3 * family.validTo * family.validTo))
                    feasible = false;
            }
        }
        if (!feasible) continue;
        double value = p.objective(trial);
        if (!found || value < bestValue) {
            found = true;
            bestValue = value;
            bestMask = mask;
            std::copy(trial, trial + CUBIC_TERMS, c);
        }
    }
    if (found) snapToFamily(c, family, bestMask);
    return found;
}

bool inValidFamily(const double c[CUBIC_TERMS], double validTo) {
    return c[0] >= 0 && c[2] >= 0 && c[3] <= 0 && c[1] >= -3 * validTo * validTo * c[3];
}

bool nearlySquareAlone(const double c[CUBIC_TERMS]) {
    return c[2] > 0 && c[0] + c[1] <= NEARLY_SQUARE * c[2];
}
