#pragma once
// How far the leave-one-out statistics of a field may stray when the model is right.
//
// Kriging datum i from the others leaves the error e_i = sum_k w_ik z_k - z_i, a fixed linear
// combination of the field's values; with the field's own covariance C the errors are jointly
// normal with covariance A C A^T (A holding the rows -1 and w_i), and the kriging variance is
// exactly the variance of e_i.  So the standardized errors are unit normals with correlations
// rho_ij, and over n of them
//   Var(mean of e_i / s_i)     = sum_ij rho_ij / n^2,
//   Var(mean of (e_i / s_i)^2) = 2 sum_ij rho_ij^2 / n^2     (Cov(X^2, Y^2) = 2 rho^2),
// which exceed 1/n and 2/n, their values for independent errors, as far as neighbouring errors
// share data.
#include <vector>

#include "coefficients.h"
#include "random_field.h"

struct StatisticSpread {
    double meanVariance = 0;            // of the mean standardized error
    double squaresVariance = 0;         // of the mean squared standardized error
    std::vector<double> errorVariance;  // of each datum's error: its kriging variance
};

// The weights are ordinary kriging's in double on the neighbours that gridder's search picks for
// each datum among the others (model and cutoff as krigcv passes them); their system is built from
// the field's covariance.  Cost: n searches and n solves of order m + 1, and 2 n^2 m operations for
// the covariance of the errors.
StatisticSpread leaveOneOutSpread(const FieldSample& field, const VariogramModel& model,
                                  float cutoff);
