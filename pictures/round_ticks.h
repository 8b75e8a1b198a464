#pragma once
// Round numbers for axes, colour bars and contour levels: steps of 1, 2 or 5 times a power of
// ten, the multiples of such a step within a range, whole decades for logarithmic axes, and tick
// labels through the notations module.
#include <string>
#include <vector>

// A round step: mantissa 1, 2 or 5 times 10^exponent.
struct RoundStep {
    int mantissa = 1;
    int exponent = 0;
    double value() const;
};

// The round step that divides span into the number of intervals nearest to wanted (nearest in
// ratio, so 6 intervals beat 3 when 5 are wanted).  A span that is zero or not finite gives 1.
RoundStep roundStep(double span, int wanted);

// More ticks than this on one axis are no axis but a range that went wrong.
constexpr double MAX_TICKS = 10000;

// The multiples of step from lo to hi, both ends included when they are multiples (none when
// there would be more than MAX_TICKS of them, or the range is not finite).  Each value is
// computed as a whole count of steps scaled once by the power of ten, so 3 x 0.1 is exactly the
// double nearest 0.3 and labels never show 0.30000000000000004.
std::vector<double> roundMultiples(double lo, double hi, RoundStep step);

// The powers of ten from lo to hi (lo > 0), for a logarithmic axis.
std::vector<double> decades(double lo, double hi);

// A tick value written with just the decimals its step needs (step 0.05: "0.15"; step 500:
// "1500"); for steps beyond 10^-5 .. 10^6 as a power of ten ("4×10⁷", "2.5×10⁻⁸").  Never "-0".
std::string tickLabel(double value, RoundStep step);
