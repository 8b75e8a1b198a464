#pragma once
// Variogram models that kriging cannot use, refused alike by gridder's second run (which asks
// again) and by the tools that krige with gridder's routine (which name the file).  Each routine
// returns why a value is refused, as a clause that starts in lower case and has no full stop, or
// "" when the value can be used.  Cost: a few comparisons.
#include <string>

// A polynomial that makes the kriging system singular for every layout of the data: curve0,
// curve1 and curve3 all 0 (curve2 alone, or nothing at all).
std::string singularModelReason(float curve0, float curve1, float curve2, float curve3);

// A vMax of 0 or less (every standard deviation would be 0), and one that reached the largest
// float because the number typed lies beyond the single-precision range.
std::string vMaxReason(float vMax);
