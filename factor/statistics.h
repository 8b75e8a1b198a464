#pragma once
// Means, covariance, variances, correlation and the eigenvalues' shares of the trace.
//
// Every sum starts at 0, runs over its index in ascending order and is held in single precision,
// each addition formed in double and then rounded: the report's digits depend on that order.
#include "capacities.h"

void computeMeans(const SampleMatrix& data, int nSample, int nVar, VarVector& mean);

// Both triangles are summed, not mirrored, with the nSample - 1 divisor.
void computeCovariance(const SampleMatrix& data, const VarVector& mean, int nSample, int nVar,
                       VarMatrix& cov);

// variance = the diagonal of cov; sigma its square root.
void computeDeviations(const VarMatrix& cov, int nVar, VarVector& variance, VarVector& sigma);

// cov[j][k] / (sigma_j sigma_k); 0 where that product is 0, so a constant variable has no
// correlation with anything, itself included.
void computeCorrelation(const VarMatrix& cov, const VarVector& sigma, int nVar, VarMatrix& corr);

float traceOf(const VarVector& variance, int nVar);

// relative_k = eigenvalue_k * 100 / trace, and its running sum.  A zero trace (every variable
// constant) leaves nothing to share: every share is 0 rather than 0/0.
void eigenvalueShares(const VarVector& eigenvalue, int nFound, float trace, VarVector& relative,
                      VarVector& cumulative);
