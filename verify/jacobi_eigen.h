#pragma once
// Eigenvalues and eigenvectors of a small symmetric matrix by the cyclic Jacobi method in double
// precision: an eigen-solver that shares nothing with factor's power iteration, to check it.
#include "dense_inverse.h"

// On return values holds the eigenvalues in decreasing order and column k of vectors the unit
// eigenvector of values[k].  Sweeps until the off-diagonal part is below 1e-15 of the matrix
// (or 100 sweeps).  Cost: about 6 n^3 operations a sweep; some 10 sweeps for n <= 20.
void jacobiEigen(const DenseMatrix& a, std::vector<double>& values, DenseMatrix& vectors);
