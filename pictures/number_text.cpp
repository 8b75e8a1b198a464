#include "number_text.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "notation.h"

namespace {

// Beyond these the plain decimals of a level grow too long to label a line.
constexpr double LARGEST_PLAIN_LEVEL = 1e8;
constexpr int MOST_PLAIN_DECIMALS = 6;  // below SMALLEST_LONG_LEVEL
constexpr double SMALLEST_LONG_LEVEL = 0.01;
constexpr std::size_t LONGEST_PLAIN_TEXT = 12;
constexpr int MOST_DECIMALS = 12;
// How near a whole number the interval, scaled by a power of ten, must come: far below any digit
// shown, far above the rounding of an interval typed or stored in single precision.
constexpr double WHOLE_TOLERANCE = 1e-6;

const char* const SUPERSCRIPT_DIGITS[] = {"\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074",
                                          "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
const char* const SUPERSCRIPT_MINUS = "\u207b";
const char* const TIMES = "\u00d7";

std::string fixed(double value, int decimals) {
    char text[NOTATION_BUFFER];
    int length = formatFixed(text, value, decimals);
    std::string s(text, length);
    // A value that rounds to zero is shown as zero, without a sign.
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

}  // namespace

std::string superscript(int exponent) {
    std::string text = exponent < 0 ? SUPERSCRIPT_MINUS : "";
    std::string digits = std::to_string(std::abs(exponent));
    for (char d : digits) text += SUPERSCRIPT_DIGITS[d - '0'];
    return text;
}

std::string powerOfTenText(double value, int decimals) {
    char text[NOTATION_BUFFER];
    int length = formatScientific(text, value, decimals);
    if (!std::isfinite(value)) return std::string(text, length);
    const char* e = std::strchr(text, 'e');
    std::string mantissa(text, e - text);
    int exponent = std::atoi(e + 1);
    if (value == 0) return fixed(0, decimals);
    std::string power = "10" + superscript(exponent);
    if (mantissa == "1") return power;
    if (mantissa == "-1") return "-" + power;
    return mantissa + TIMES + power;
}

int decimalsForInterval(double interval) {
    interval = std::fabs(interval);
    if (!(interval > 0) || !std::isfinite(interval)) return 0;
    double scaled = interval;
    for (int decimals = 0; decimals <= MOST_DECIMALS; ++decimals, scaled *= 10)
        if (std::round(scaled) >= 1 && std::fabs(scaled - std::round(scaled)) <= WHOLE_TOLERANCE)
            return decimals;
    // Not a terminating decimal: one digit below the interval's first one tells multiples apart.
    int first = static_cast<int>(std::floor(std::log10(interval)));
    return std::min(MOST_DECIMALS, std::max(0, 1 - first));
}

std::string levelText(double level, double interval) {
    if (std::fabs(level) < 0.5 * std::fabs(interval)) level = 0;
    int decimals = decimalsForInterval(interval);
    std::string plain = fixed(level, decimals);
    bool small = std::fabs(level) < SMALLEST_LONG_LEVEL && decimals > MOST_PLAIN_DECIMALS;
    if (level == 0 ||
        (std::fabs(level) < LARGEST_PLAIN_LEVEL && !small && plain.size() <= LONGEST_PLAIN_TEXT))
        return plain;
    // Mantissa digits down to the interval's last one.
    int levelExponent = static_cast<int>(std::floor(std::log10(std::fabs(level))));
    int intervalLast = -decimals;
    if (decimals == 0) {
        double lastDigit = std::fabs(interval);
        intervalLast = 0;
        while (intervalLast < 300 && std::fmod(lastDigit, 10) == 0 && lastDigit >= 10)
            lastDigit /= 10, ++intervalLast;
    }
    return powerOfTenText(level, std::max(0, levelExponent - intervalLast));
}
