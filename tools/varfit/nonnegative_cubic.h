#pragma once
// Weighted least squares of a cubic P(t) = c0 + c1 t + c2 t^2 + c3 t^3 held at or above zero on
// an interval [0, tEnd], everywhere on it and not only at samples.
constexpr int CUBIC_TERMS = 4;
// Where the best cubic touches zero inside the interval, it does so in a double zero whose place
// is searched in steps of this size; the fit found is within a hair of the best one.
constexpr double DOUBLE_ZERO_STEP = 0.001;

// The problem in normal-equation form: minimise c'Gc - 2h'c + yy.
struct CubicLeastSquares {
    double g[CUBIC_TERMS][CUBIC_TERMS] = {};
    double h[CUBIC_TERMS] = {};
    double yy = 0;

    double objective(const double c[CUBIC_TERMS]) const;
};

// The minimum of the problem with P >= 0 on [0, tEnd] (up to rounding: the caller lifts the
// intercept by whatever cubicMinimum still finds below zero).  G must be positive definite.
// A non-negative cubic that is not 0 touches zero in at most three zeros counted with
// multiplicity, those inside the interval double; the best cubic is the least-squares one with
// the zeros it touches imposed.  So every such pattern is tried (none; an end; both ends; a double
// zero at each step, alone or with one end), and the best cubic that stays non-negative is kept.
// Cost: about 3 tEnd / DOUBLE_ZERO_STEP solves of at most 7 equations.
void fitNonNegativeCubic(const CubicLeastSquares& p, double tEnd, double c[CUBIC_TERMS]);

// The smallest value of the cubic on [from, to], from its ends and the zeros of its derivative.
double cubicMinimum(const double c[CUBIC_TERMS], double from, double to);

// The first t in [from, to] at which the cubic falls below zero, to about 1e-9; to + 1 when it
// stays at or above zero there.
double firstNegative(const double c[CUBIC_TERMS], double from, double to);
