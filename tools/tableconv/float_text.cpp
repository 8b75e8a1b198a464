#include "float_text.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "notation.h"
#include "read_number.h"

namespace {

// As the programs read it, and as any other reader does: the programs raise a magnitude below the
// smallest normal float to that float, so "1e-038" would do for them but not for anyone else.
bool readsBackAs(const char* text, float value) {
    std::istringstream in(text);
    float back = 0;
    return readReal(in, back) && back == value && std::strtof(text, nullptr) == value;
}

}  // namespace

std::string floatText(double value) {
    float f = static_cast<float>(value);
    char text[NOTATION_BUFFER];
    std::string shortest;
    for (int digits = 1; digits <= 9; ++digits) {
        formatGeneral(text, f, digits);
        if (!readsBackAs(text, f)) continue;
        if (shortest.empty()) shortest = text;
        // Exponent notation only where a whole number would need more than 9 digits anyway.
        if (std::fabs(f) < 1 || std::string(text).find('e') == std::string::npos) return text;
    }
    if (!shortest.empty()) return shortest;
    // Below the normal range no text reads back alike both ways; all 9 digits, as close as any.
    formatGeneral(text, f, 9);
    return text;
}
