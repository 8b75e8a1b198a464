#pragma once
// The variogram model: a cubic polynomial in t = r / (rMax/2) with dimensionless coefficients,
// scaled by the maximum variance.  Like the histogram, it models the mean squared difference of
// two values, not half of it.

struct VariogramModel {
    float curve0 = 0, curve1 = 0, curve2 = 0, curve3 = 0;
    float halfRMax = 0;  // rMax / 2: the distance at which t = 1
};

// curve0 + curve1 t + curve2 t^2 + curve3 t^3, evaluated in single precision.
float variogramPolynomial(float curve0, float curve1, float curve2, float curve3, float t);

// The polynomial sampled at t = 0, 0.02, ..., 1 (distances 0 to rMax/2) never goes below zero.
// A sample of exactly 0 passes.
bool staysNonNegative(float curve0, float curve1, float curve2, float curve3);

// The model value at distance d (without the maximum-variance scale).  Beyond rMax/2 the
// polynomial is not tested, so a negative value there counts as 0.
float modelVariance(const VariogramModel& model, float d);
