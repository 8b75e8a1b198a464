#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "output_array.h"

namespace {

std::string row(std::initializer_list<float> values) {
    float r[FIELD_SIZE] = {};
    int n = 0;
    for (float v : values) r[++n] = v;
    std::ostringstream os;
    writeRoundedRow(os, r, n);
    return os.str();
}

TEST(RoundedTemperature, HalvesAwayFromZeroOnBothSides) {
    EXPECT_EQ(0.0f, roundedTemperature(0.4f));
    EXPECT_EQ(1.0f, roundedTemperature(0.5f));
    EXPECT_EQ(3.0f, roundedTemperature(2.5f));
    EXPECT_EQ(3.0f, roundedTemperature(3.2f));
    EXPECT_EQ(4.0f, roundedTemperature(3.7f));
    EXPECT_EQ(-3.0f, roundedTemperature(-3.2f));  // value + 0.5 truncated would give -2
    EXPECT_EQ(-4.0f, roundedTemperature(-3.7f));
    EXPECT_EQ(-3.0f, roundedTemperature(-2.5f));
    EXPECT_EQ(-1.0f, roundedTemperature(-0.5f));
    EXPECT_FALSE(std::signbit(roundedTemperature(-0.4f)));
    // The sum is not rounded to single precision before it is truncated: just below a half
    // rounds down, and an integer beyond 2^23 stays the integer it is.
    EXPECT_EQ(0.0f, roundedTemperature(0.49999997f));
    EXPECT_FALSE(std::signbit(roundedTemperature(-0.49999997f)));
    EXPECT_EQ(0.0f, roundedTemperature(-0.49999997f));
    EXPECT_EQ(8388609.0f, roundedTemperature(8388609.0f));
    EXPECT_EQ(-8388609.0f, roundedTemperature(-8388609.0f));
}

TEST(WriteRoundedRow, FieldsOfFourWidenedWhenNeeded) {
    EXPECT_EQ("   -3    0    8   13\n", row({-3.2f, -0.4f, 7.6f, 12.5f}));
    EXPECT_EQ(" 12345 -999 -1000\n", row({12345.0f, -999.0f, -1000.0f}));
    // Values no int could hold, and values that are not finite, are still written whole.
    EXPECT_EQ(" 3000000000 -inf  nan\n", row({3.0e9f, -std::numeric_limits<float>::infinity(),
                                              std::numeric_limits<float>::quiet_NaN()}));
}

TEST(WriteTemperatureArray, HeaderThenRowsSurfaceFirst) {
    static TemperatureField T;
    HeaterGrid grid = newHeaterGrid(20, 2, 1.5f, 0.25f);
    for (int j = 1; j <= 20; ++j) T[1][j] = float(j), T[2][j] = -float(j);
    std::ostringstream file, screen;
    writeTemperatureArray(file, grid, T);
    echoTemperatureRows(screen, grid, T);
    std::string top, bottom, topEcho, bottomEcho;
    for (int j = 1; j <= 20; ++j) {
        char field[8];
        std::snprintf(field, sizeof field, " %4d", j);
        top += field;
        std::snprintf(field, sizeof field, " %4d", -j);
        bottom += field;
        if (j == 15) topEcho = top, bottomEcho = bottom;
    }
    EXPECT_EQ("0 1.5 28.5\n-0.25 0.25 0\n" + top + "\n" + bottom + "\n", file.str());
    EXPECT_EQ(topEcho + "\n" + bottomEcho + "\n", screen.str());
}

}  // namespace
