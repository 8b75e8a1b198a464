#include "colour_scale.h"

#include <cmath>

namespace {

// The scale at t = 0, 0.1, ..., 1.
constexpr Rgb STOPS[] = {
    {0x44, 0x01, 0x54}, {0x48, 0x24, 0x75}, {0x41, 0x44, 0x87}, {0x35, 0x5f, 0x8d},
    {0x2a, 0x78, 0x8e}, {0x21, 0x91, 0x8c}, {0x22, 0xa8, 0x84}, {0x44, 0xbf, 0x70},
    {0x7a, 0xd1, 0x51}, {0xbd, 0xdf, 0x26}, {0xfd, 0xe7, 0x25},
};
constexpr int INTERVALS = sizeof STOPS / sizeof STOPS[0] - 1;

int between(int a, int b, double f) {
    return static_cast<int>(std::lround(a + (b - a) * f));
}

}  // namespace

Rgb colourAt(double t) {
    if (!(t > 0)) return STOPS[0];
    if (t >= 1) return STOPS[INTERVALS];
    double position = t * INTERVALS;
    int low = static_cast<int>(position);
    double f = position - low;
    const Rgb &a = STOPS[low], &b = STOPS[low + 1];
    return {between(a.red, b.red, f), between(a.green, b.green, f), between(a.blue, b.blue, f)};
}

std::ostream& operator<<(std::ostream& os, Rgb colour) {
    static const char DIGITS[] = "0123456789abcdef";
    char text[7] = {'#'};
    int parts[3] = {colour.red, colour.green, colour.blue};
    for (int i = 0; i < 3; ++i) {
        text[1 + 2 * i] = DIGITS[parts[i] >> 4 & 15];
        text[2 + 2 * i] = DIGITS[parts[i] & 15];
    }
    return os.write(text, 7);
}
