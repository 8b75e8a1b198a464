#pragma once
// The three notations in which every real of the suite reaches a stream.
//
// Digits come from one rule: the value (a float widened exactly) is converted to 17 significant
// decimal digits, correctly rounded, and that digit string is then cut to the digits shown,
// rounding halves away from zero.  Exponents have at least three digits ("1.5e+007").
#include <cstddef>
#include <ostream>

// Large enough for any double in fixed notation with 15 decimals, plus sign and terminator.
constexpr std::size_t NOTATION_BUFFER = 352;

// Each writes the text of value into out (at least NOTATION_BUFFER characters), terminates it
// and returns its length.  Values that are not finite give "inf", "-inf" or "nan".
int formatFixed(char* out, double value, int decimals);
int formatScientific(char* out, double value, int decimals);
// General notation: p significant digits (0 counts as 1); fixed when the decimal exponent of the
// rounded value lies in -4..p-1, scientific otherwise; trailing fraction zeros removed.
int formatGeneral(char* out, double value, int significant);

// Writes value in the stream's notation (std::fixed, std::scientific, otherwise general), with the
// stream's precision as decimals or significant digits, capped at 6 for a float and 15 for a
// double; right-aligned in the stream's width, which it consumes.
void writeReal(std::ostream& os, float value);
void writeReal(std::ostream& os, double value);

// `os << num(x)` writes x through writeReal, so stream manipulators apply as usual.
template <class T>
struct RealText {
    T value;
};
inline RealText<float> num(float value) { return {value}; }
inline RealText<double> num(double value) { return {value}; }
template <class T>
std::ostream& operator<<(std::ostream& os, RealText<T> real) {
    writeReal(os, real.value);
    return os;
}
