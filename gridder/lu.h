#pragma once
// LU decomposition by Crout's method with implicit partial pivoting, and the matching solve, in
// single precision on a fixed 51-column array (the largest kriging system).
#include "capacities.h"

constexpr int LU_COLUMNS = MAX_NEIGHBORS + 1;

// Replaces the n x n matrix by its LU factors (the unit lower factor below the diagonal) and
// records the row swapped into each position.  A row of zeros ends the program with
// " Singular matrix." after the pause prompt (exit status -1); a zero pivot becomes 1e-20.
// Returns how many pivots were 0.  The pivot is the largest scaled entry of its remaining column,
// so it is 0 only when that whole column is (or too small to scale): any count above 0 means the
// matrix is singular as the floats stand and the solution rests on the substitute 1e-20.
int luDecompose(int n, float a[][LU_COLUMNS], int pivot[]);

// Solves with the factors of luDecompose: b is replaced by the solution.
void luBackSubstitute(const float a[][LU_COLUMNS], int n, const int pivot[], float b[]);
