#pragma once
// Leading eigenvalues and unit eigenvectors of a symmetric matrix, by power iteration with
// deflation.
#include <iostream>

#include "capacities.h"

constexpr int maxAttempts = 1000;  // attempts per eigenvector

// Finds count eigenpairs of the leading n x n block of matrix, one after the other: the dominant
// eigenvector by repeated multiplication from the uniform start vector, its eigenvalue as the
// length of the last product, then that pair subtracted from the matrix before the next.  An
// eigenvector has converged when no component moved by more than epsilon in the last attempt.
// count: in, the pairs wanted (at most n are sought); out, the pairs found.  Eigenvector k is
// column k of vectors.  The matrix is left deflated.  When eigenvector k does not converge in
// maxAttempts attempts, a two-line message goes to console and count becomes k - 1 (counting
// from 1); the pairs before it stay valid.
void EIGEN(float epsilon, int n, VarMatrix& matrix, int& count, VarVector& eigenvalues,
           VarMatrix& vectors, std::ostream& console = std::cout);
