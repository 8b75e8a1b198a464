#pragma once
// Ordinary kriging of one grid point from the data around it, with a report of every step on the
// console.
#include <iostream>

#include "neighbors.h"

// The estimate and its standard deviation at (x0, y0), the report on standard output: krigePoint
// in the argument order the dialogue names.  cutoff is this point's working copy of the cutoff
// radius: the neighbour search may shrink or enlarge it.
void INTERP(float curve0, float curve1, float curve2, float curve3, const float x[],
            const float y[], const float z[], int n, float halfRMax, float vMax, float x0, float y0,
            float& cutoff, float& estimate, float& standardDeviation, KrigingWork& work);

// Sums the m weights; when the sum is more than 0.02 away from 1, warns on console that the
// matrix is ill-conditioned, divides every weight by the sum and returns true.  A sum that is not
// finite is warned about as well, and then every weight becomes 1 / m; so too when the sum is 0
// or too small to divide by.
bool checkWeightSum(float weight[], int m, std::ostream& console = std::cout);
