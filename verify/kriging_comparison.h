#pragma once
// Gridder's kriging of one point compared with ordinary kriging solved afresh in double precision
// on the same neighbours, each difference with the rounding bound it must keep.
#include <string>
#include <vector>

#include "coefficients.h"

// Scattered values (x, y, z) as gridder holds them.
struct Scatter {
    std::vector<float> x, y, z;
};

constexpr float SCATTER_SIDE = 1000;

// 400 values over a SCATTER_SIDE square: a smooth surface and a little noise, from a fixed seed.
Scatter exampleScatter();

// Rising like a spherical model of range SCATTER_SIDE / sqrt(2) (rMax/2): 1.5 t - 0.5 t^3, through
// 0, so that ordinary kriging must return each datum at its own position.
VariogramModel modelThroughZero();
// A nugget of 0.2 under 0.8 of that spherical model and 0.2 t^2 (a sum of valid variograms on
// every distance a system uses), so that every coefficient of the cubic counts.
VariogramModel modelWithNugget();

// One difference and the bound it must keep.
struct Measured {
    double error = 0;
    double bound = 0;
};

struct PointCheck {
    Measured estimate;  // |float estimate - reference|
    // |sum of the weights - 1| as the solve left them, before the weight check could rescale
    // them: a rescaled sum counts as missed by what the check reported.
    Measured weightSum;
    Measured variance;  // |float kriging variance - the double one|
};

// Kriges (x0, y0) with krigePoint (cutoff 120, vMax 1) and solves the same neighbour system in
// double.  reference is the value the float estimate must approach: the double solve's estimate
// when null.  gridder kriges with solvedWith where one is given (a test's wrong claim), else with
// model.  Cost: O(m^3) for m neighbours.
PointCheck comparePoint(const Scatter& data, const VariogramModel& model, float x0, float y0,
                        const double* reference, const VariogramModel* solvedWith = nullptr);

// The sum that gridder's weight check reports on console when it rescales the weights
// (" SUM OF KRIGING WEIGHTS = s"); not a number when there is no such line.
double reportedWeightSum(const std::string& console);
