#include "round_ticks.h"

#include <algorithm>
#include <cmath>

#include "notation.h"
#include "number_text.h"

namespace {

// Whole counts of steps within the range, allowing for a range end that is a multiple of the
// step up to rounding (a span of 0.3 in steps of 0.1 keeps its last tick).
constexpr double END_TOLERANCE = 1e-9;
constexpr int LARGEST_FIXED_EXPONENT = 6, SMALLEST_FIXED_EXPONENT = -5;

double multipleOf(double count, RoundStep step) {
    return step.exponent >= 0 ? count * step.mantissa * std::pow(10.0, step.exponent)
                              : count * step.mantissa / std::pow(10.0, -step.exponent);
}

}  // namespace

double RoundStep::value() const {
    return multipleOf(1, *this);
}

RoundStep roundStep(double span, int wanted) {
    span = std::fabs(span);
    if (!(span > 0) || !std::isfinite(span) || wanted < 1) return {};
    int power = static_cast<int>(std::floor(std::log10(span / wanted)));
    RoundStep best{1, power};
    double bestMiss = INFINITY;
    for (int exponent = power - 1; exponent <= power + 1; ++exponent)
        for (int mantissa : {1, 2, 5}) {
            RoundStep candidate{mantissa, exponent};
            double miss = std::fabs(std::log(span / candidate.value() / wanted));
            if (miss < bestMiss) best = candidate, bestMiss = miss;
        }
    return best;
}

std::vector<double> roundMultiples(double lo, double hi, RoundStep step) {
    std::vector<double> values;
    double size = step.value();
    if (!(hi >= lo) || !std::isfinite(lo) || !std::isfinite(hi)) return values;
    double first = std::ceil(lo / size - END_TOLERANCE),
           last = std::floor(hi / size + END_TOLERANCE);
    // A count that cannot be stepped through (a range beyond what doubles count in whole steps)
    // gives no ticks rather than a loop that never ends.
    if (!(last - first < MAX_TICKS)) return values;
    for (double count = first; count <= last; ++count)
        values.push_back(multipleOf(count, step) + 0.0);
    return values;
}

std::vector<double> decades(double lo, double hi) {
    std::vector<double> values;
    if (!(lo > 0) || !(hi >= lo) || !std::isfinite(hi)) return values;
    if (!std::isfinite(lo)) return values;
    int first = static_cast<int>(std::ceil(std::log10(lo) - END_TOLERANCE));
    int last = static_cast<int>(std::floor(std::log10(hi) + END_TOLERANCE));
    for (int exponent = first; exponent <= last; ++exponent)
        values.push_back(multipleOf(1, RoundStep{1, exponent}));
    return values;
}

std::string tickLabel(double value, RoundStep step) {
    char text[NOTATION_BUFFER];
    int length;
    if (std::fabs(value) < 0.5 * step.value()) value = 0;
    if (value != 0 && std::isfinite(value) &&
        (step.exponent > LARGEST_FIXED_EXPONENT || step.exponent < SMALLEST_FIXED_EXPONENT)) {
        // Mantissa digits down to the step's own digit.
        int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value)) + 1e-12));
        return powerOfTenText(value, std::max(0, exponent - step.exponent));
    }
    length = formatFixed(text, value, step.exponent < 0 ? -step.exponent : 0);
    return std::string(text, length);
}
