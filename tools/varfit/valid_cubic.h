#pragma once
// Weighted least squares of a cubic P(t) = c0 + c1 t + c2 t^2 + c3 t^3 over the cubics that are
// valid variograms out to t = a: a non-negative sum of a nugget, a linear term, a t^2 term and a
// spherical term whose range is at least a,
//     P(t) = n + L t + Q t^2 + S (1.5 t/r - 0.5 t^3/r^3),  n, L, Q, S >= 0,  r >= a,
// which are, in the cubic's own coefficients, four linear conditions:
//     c0 >= 0,  c2 >= 0,  c3 <= 0,  c1 + 3 a^2 c3 >= 0.
// (A spherical term of range r > a equals, up to t = a, one of range a plus a linear term, so the
// range a itself describes the whole family there.)  The problem is a convex quadratic programme
// in four unknowns with at most four inequalities: its optimum is found exactly by trying every
// set of active conditions and keeping the one whose solution is feasible and whose multipliers
// are non-negative (the conditions of Karush, Kuhn and Tucker).  Cost: at most 16 solves of at
// most 8 equations.
constexpr int CUBIC_TERMS = 4;

// The problem in normal-equation form: minimise c'Gc - 2h'c + yy.
struct CubicLeastSquares {
    double g[CUBIC_TERMS][CUBIC_TERMS] = {};
    double h[CUBIC_TERMS] = {};
    double yy = 0;

    double objective(const double c[CUBIC_TERMS]) const;
};

struct ValidCubicFamily {
    double validTo = 2;  // a: the largest t at which P must be a valid variogram
    bool nuggetFixed = false;
    double nugget = 0;             // c0 when nuggetFixed
    bool quadraticAllowed = true;  // false: c2 = 0
};

// The optimum over the family, with each condition that holds with equality met exactly
// (c0 = 0, c2 = 0, c3 = 0 or c1 = -3 a^2 c3 as written, not up to rounding).  G must be positive
// definite on the unknowns left free; false when no set of conditions gives a solvable system.
bool fitValidCubic(const CubicLeastSquares& p, const ValidCubicFamily& family,
                   double c[CUBIC_TERMS]);

// The t^2 term makes kriging matrices of rank 4 at most in the plane, so a model that is nearly
// that term alone leaves every system singular or nearly so in single precision: true when the
// nugget, linear and spherical terms together (c0 + c1) are below this share of it.
constexpr double NEARLY_SQUARE = 1e-4;
bool nearlySquareAlone(const double c[CUBIC_TERMS]);

// Whether c lies in the family: the four conditions, exactly as written.
bool inValidFamily(const double c[CUBIC_TERMS], double validTo);
