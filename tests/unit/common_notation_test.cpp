#include "notation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <sstream>
#include <string>

namespace {

std::string fixed(double v, int d) {
    char text[NOTATION_BUFFER];
    int len = formatFixed(text, v, d);
    EXPECT_EQ(static_cast<std::size_t>(len), std::string(text).size());
    return text;
}

std::string sci(double v, int d) {
    char text[NOTATION_BUFFER];
    formatScientific(text, v, d);
    return text;
}

std::string gen(double v, int p) {
    char text[NOTATION_BUFFER];
    formatGeneral(text, v, p);
    return text;
}

TEST(Notation, GeneralExamples) {
    EXPECT_EQ("0.25", gen(0.25, 6));
    EXPECT_EQ("1.66667", gen(5.0 / 3.0, 6));
    EXPECT_EQ("1500", gen(1500, 6));
    EXPECT_EQ("1.5e+007", gen(1.5e7, 6));
    EXPECT_EQ("1e-005", gen(1e-5, 6));
    EXPECT_EQ("46", gen(45.678, 2));
    EXPECT_EQ("1e+002", gen(100, 2));
    EXPECT_EQ("-1.23", gen(-1.23456, 3));
    EXPECT_EQ("0.000123", gen(0.0001234, 3));
    EXPECT_EQ("0.0001", gen(0.0001, 6));
    EXPECT_EQ("123457", gen(123456.7, 6));
    EXPECT_EQ("1e+006", gen(999999.7, 6));  // the carry moves it out of fixed range
    EXPECT_EQ("0.7", gen(2.0 / 3.0, 0));     // zero digits count as one
    EXPECT_EQ("0", gen(0.0, 6));
    EXPECT_EQ("-0", gen(-0.0, 6));
    EXPECT_EQ("1e+100", gen(1e100, 15));
    EXPECT_EQ("3", gen(2.5, 1));  // halves away from zero
    EXPECT_EQ("-3", gen(-2.5, 1));
}

TEST(Notation, FixedRoundsHalvesAwayFromZero) {
    EXPECT_EQ("13", fixed(12.5, 0));
    EXPECT_EQ("0.13", fixed(0.125, 2));
    EXPECT_EQ("-0.13", fixed(-0.125, 2));
    EXPECT_EQ("3", fixed(2.5, 0));
    EXPECT_EQ("100000.0", fixed(99999.99f, 1));
    EXPECT_EQ("0", fixed(0.4, 0));
    EXPECT_EQ("1", fixed(0.5, 0));
    EXPECT_EQ("0.000", fixed(0.0004, 3));
    EXPECT_EQ("0.001", fixed(0.0005, 3));
    EXPECT_EQ("-0.00", fixed(-0.001, 2));  // the sign stays in front of the rounded magnitude
    EXPECT_EQ("1.50", fixed(1.5, 2));
    EXPECT_EQ("123", fixed(123.456, 0));
}

// The digits come from 17 correctly rounded significant digits, then the suite's own rounding:
// 0.105 is 0.10499999999999999611 as a double, 1.0500000000000000e-1 to 17 digits.
TEST(Notation, DigitsComeFromSeventeenSignificantDigits) {
    EXPECT_EQ("0.11", fixed(0.105, 2));
    EXPECT_EQ("0.10", fixed(0.105f, 2));  // the float is 0.10499999701976776
    EXPECT_EQ("0.10000000000000001000", fixed(0.1, 20));  // 17 digits, then zeros
    EXPECT_EQ("100000000000000000000", fixed(1e20, 0));
}

TEST(Notation, ScientificHasAtLeastThreeExponentDigits) {
    EXPECT_EQ("1.25e+003", sci(1250, 2));
    EXPECT_EQ("-5.0e-039", sci(-5.0e-39f, 1));
    EXPECT_EQ("0.000e+000", sci(0.0, 3));
    EXPECT_EQ("1e-300", sci(1e-300, 0));
    EXPECT_EQ("1.0e+001", sci(9.96, 1));  // carry raises the exponent
    EXPECT_EQ("2.3e+000", sci(2.25, 1));
}

TEST(Notation, NonFiniteValues) {
    double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ("inf", gen(inf, 6));
    EXPECT_EQ("-inf", fixed(-inf, 3));
    EXPECT_EQ("nan", sci(std::nan(""), 3));
}

TEST(Notation, StreamStateChoosesTheNotation) {
    std::ostringstream os;
    os << num(1.0f / 3.0f) << ' ' << num(1.0 / 3.0);
    EXPECT_EQ("0.333333 0.333333", os.str());

    os.str("");
    os << std::setprecision(20) << num(1.0f / 3.0f) << ' ' << num(1.0 / 3.0);
    EXPECT_EQ("0.333333 0.333333333333333", os.str());  // caps of 6 and 15 digits

    os.str("");
    os << std::fixed << std::setprecision(4) << num(9.9f) << ' ' << num(7.5);
    EXPECT_EQ("9.9000 7.5000", os.str());

    os.str("");
    os << std::scientific << std::setprecision(2) << std::setw(10) << num(1250.0f) << '|'
       << std::setw(10) << num(-1250.0) << '|' << num(5.0);
    EXPECT_EQ(" 1.25e+003|-1.25e+003|5.00e+000", os.str());  // width applies to one item only

    os.str("");
    os << std::defaultfloat << std::setprecision(0) << num(45.678);
    EXPECT_EQ("5e+001", os.str());
}

}  // namespace
