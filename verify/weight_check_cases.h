#pragma once
// gridder's weight check on weights whose sums miss 1 by known amounts.  Ordinary kriging's
// weights sum to 1; the check leaves a sum within 0.02 of 1 as it is and rescales any other to 1,
// warning once.  A rescaled sum misses 1 only by rounding: the float sum of the m weights and the
// reciprocal and one product per weight, gamma(m + 2) with gamma(k) = k u / (1 - k u).
#include <ostream>

struct WeightCheckOutcome {
    double largestMiss = 0;  // the largest |sum - 1| of the rescaled weights (summed in double)
    double bound = 0;        // gamma(m + 2)
    int wrongDecisions = 0;  // sums within 0.02 changed or warned about, others left or unwarned
};

using WeightCheck = bool (*)(float weight[], int m, std::ostream& console);

// Twelve weights of mixed sign with sums 1 + d, d from -0.5 to 2, through check.  Cost: trivial.
WeightCheckOutcome weightCheckCases(WeightCheck check);
