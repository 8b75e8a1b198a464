#pragma once
// The inverse of a small dense matrix in double precision, for checks that need a solve
// independent of the programs' own single-precision ones.
#include <vector>

using DenseMatrix = std::vector<std::vector<double>>;

// Gauss-Jordan elimination with partial pivoting.  Returns false when a pivot is exactly zero
// (the matrix is singular to working precision).  Cost: n^3 operations.
bool invert(const DenseMatrix& a, DenseMatrix& inverse);

// max over rows of the sum of |entries|: the infinity norm.
double infinityNorm(const DenseMatrix& a);
