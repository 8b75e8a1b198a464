#pragma once
// The unit roundoff u of single precision, and gamma(k) = k u / (1 - k u): the relative error
// that k roundings in a row cannot exceed.  The comparisons with double-precision references
// build their bounds from these.

constexpr double UNIT_ROUNDOFF = 0x1p-24;

inline double roundingGamma(int k) {
    return k * UNIT_ROUNDOFF / (1 - k * UNIT_ROUNDOFF);
}
