#pragma once
// A Gaussian random field with the spherical covariance, sampled at scattered points: data whose
// variogram is known exactly, for checks that need the right model.
#include <random>
#include <vector>

struct FieldSample {
    std::vector<float> x, y, z;
    std::vector<double> covariance;  // between data p and q at [p * n + q]
};

// n points uniform over a side x side square; values of mean `mean` whose covariance at distance
// h is variance (1 - 1.5 h/range + 0.5 (h/range)^3) within range and 0 beyond, so that the mean
// squared difference is 2 variance (1.5 t - 0.5 t^3) with t = h / range, gridder's cubic.  Drawn
// as L e with L the Cholesky factor of the covariance (in double) and e unit normal.  Cost: n^3/3.
FieldSample sphericalField(int n, float side, double range, double mean, double variance,
                           std::mt19937& random);
