#include "output_array.h"

#include <cmath>

#include "console.h"
#include "notation.h"

float roundedTemperature(float value) {
    // Adding 0.5 and truncating rounds only values at or above zero; below zero the magnitude is
    // rounded instead, so that -3.2 gives -3 and not -2.  The sum is never stored, so it is
    // formed in double: a float sum would round 0.49999997 + 0.5 up to 1, and 8388609 + 0.5 up
    // to 8388610, writing a temperature one degree off.
    double v = value;
    double r = v >= 0 ? std::trunc(v + 0.5) : -std::trunc(-v + 0.5);
    return static_cast<float>(r) + 0.0f;  // a rounded -0.4 is written 0, not -0
}

void writeRoundedRow(std::ostream& os, const float* row, int count) {
    // The rounded value is held as a float, not an int: an unstable run can reach magnitudes
    // beyond any int, and those are still written as the integers they are.
    char text[NOTATION_BUFFER];
    for (int j = 1; j <= count; ++j) {
        int len = formatFixed(text, roundedTemperature(row[j]), 0);
        os.put(' ');
        for (int pad = len; pad < 4; ++pad) os.put(' ');
        os.write(text, len);
    }
    os.put('\n');
}

void writeTemperatureArray(std::ostream& os, const HeaterGrid& grid, const TemperatureField& T) {
    writeGridHeader(os, grid.x, grid.z);
    for (int i = 1; i <= grid.nz; ++i) writeRoundedRow(os, T[i], grid.nx);
}

void echoTemperatureRows(std::ostream& os, const HeaterGrid& grid, const TemperatureField& T) {
    int columns = minOfInt(grid.nx, ECHO_COLUMNS);
    for (int i = 1; i <= grid.nz; ++i) writeRoundedRow(os, T[i], columns);
}
