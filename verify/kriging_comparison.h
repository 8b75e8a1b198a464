#pragma once
// Gridder's kriging of one point compared with ordinary kriging solved afresh in double precision
// on the same neighbours, each difference with the rounding bound it must keep.
#include <vector>

// Scattered values (x, y, z) as gridder holds them.
struct Scatter {
    std::vector<float> x, y, z;
};

constexpr float SCATTER_SIDE = 1000;

// 400 values over a SCATTER_SIDE square: a smooth surface and a little noise, from a fixed seed.
Scatter exampleScatter();

struct PointCheck {
    double estimateError = 0;  // |float estimate - reference|
    double estimateBound = 0;
    double sumError = 0;  // |sum of float weights - 1|
    double sumBound = 0;
};

// Kriges (x0, y0) with krigePoint (model 1.5 t - 0.5 t^3 through 0, cutoff 120) and solves the
// same neighbour system in double.  reference is the value the float estimate must approach: the
// double solve's estimate when null.  Cost: O(m^3) for m neighbours.
PointCheck comparePoint(const Scatter& data, float x0, float y0, const double* reference);
