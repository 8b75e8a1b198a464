#pragma once
// Numbers as a picture shows them: plain decimals, or a power of ten written 10ⁿ with a
// superscript exponent ("4×10⁷", "10⁻⁶"), never the programs' three-digit exponent form, which
// belongs to their tables.  Contour levels get the decimals their interval needs, so that two
// levels never share a label.  Digits come from the notations module.
#include <string>

// value as m×10ⁿ with the given decimals in the mantissa m; a mantissa of exactly 1 (or -1) is
// left out: "10⁻⁶", "-10³".  Values that are not finite give "inf", "-inf" or "nan".
std::string powerOfTenText(double value, int decimals);

// The superscript form of a whole number: -12 gives "⁻¹²".
std::string superscript(int exponent);

// The fewest decimals (0 to 12) with which every multiple of interval is written exactly, up to
// the rounding of the interval itself: 0.25 needs 2, 50 needs 0, 0.1 needs 1.  An interval that
// no such count fits (one third) gets enough decimals to tell its multiples apart.
int decimalsForInterval(double interval);

// A contour level written so that successive multiples of interval read differently: plain
// decimals while they stay short, a power of ten beyond (levels of 10⁸ and more, or intervals
// below 10⁻⁶).  A level within half an interval of zero is written as zero, never "-0".
std::string levelText(double level, double interval);
