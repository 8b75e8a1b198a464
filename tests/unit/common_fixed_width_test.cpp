#include "fixed_width.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "notation.h"

namespace {

std::string fw(float value, int w) {
    std::ostringstream os;
    writeFixedWidth(os, w, value);
    return os.str();
}

std::string fwd(double value, int w) {
    std::ostringstream os;
    writeFixedWidth(os, w, value);
    return os.str();
}

std::string blanks(int n) { return std::string(n, ' '); }

// The worked table, one row a line: value, width, leading blanks, printed characters.
TEST(FixedWidth, WorkedExamplesSinglePrecision) {
    EXPECT_EQ("123.4560", fw(123.456f, 8));
    EXPECT_EQ(blanks(2) + "123.4560", fw(123.456f, 10));
    EXPECT_EQ(blanks(4) + "123.4560", fw(123.456f, 12));
    EXPECT_EQ("1.234560e+002", fw(123.456f, 13));
    EXPECT_EQ(blanks(2) + "1.234560e+002", fw(123.456f, 15));
    EXPECT_EQ("123.456", fw(123.456f, 7));
    EXPECT_EQ("123.5", fw(123.456f, 5));
    EXPECT_EQ(blanks(1) + "123", fw(123.456f, 4));
    EXPECT_EQ("***", fw(123.456f, 3));
    EXPECT_EQ(blanks(1) + "-123.4560", fw(-123.456f, 10));
    EXPECT_EQ(blanks(4) + "-123.4560", fw(-123.456f, 13));
    EXPECT_EQ(blanks(2) + "4.950000", fw(4.95f, 10));
    EXPECT_EQ(blanks(1) + "-2.500000", fw(-2.5f, 10));
    EXPECT_EQ(blanks(2) + "0.000123", fw(0.000123f, 10));
    EXPECT_EQ("-0.00100", fw(-0.001f, 8));
    EXPECT_EQ("0.05", fw(0.05f, 4));
    EXPECT_EQ("0.1", fw(0.05f, 3));
    EXPECT_EQ("1.0000", fw(0.99999f, 6));
    EXPECT_EQ("10.00000", fw(9.999999f, 8));
    EXPECT_EQ("1000.0", fw(999.9999f, 6));
    EXPECT_EQ("100000.0", fw(99999.99f, 8));
    EXPECT_EQ(blanks(1) + "12346", fw(12345.6f, 6));
    EXPECT_EQ(blanks(1) + "13", fw(12.5f, 3));
    EXPECT_EQ(blanks(3) + "1234567", fw(1234567.0f, 10));
    EXPECT_EQ("****", fw(1000.0f, 4));
    EXPECT_EQ("*****", fw(123456.0f, 5));
    EXPECT_EQ(blanks(1) + "7", fw(7.0f, 2));
    EXPECT_EQ(blanks(1) + "-7", fw(-7.0f, 3));
    EXPECT_EQ("**", fw(-7.0f, 2));
    EXPECT_EQ(blanks(2) + "0.000000", fw(0.0f, 10));
    EXPECT_EQ(blanks(1) + "0", fw(0.0f, 2));
    EXPECT_EQ("*", fw(0.0f, 1));
    EXPECT_EQ("1.000e+020", fw(1.0e20f, 10));
    EXPECT_EQ("1.500e-007", fw(1.5e-7f, 10));
    EXPECT_EQ("6.02e+023", fw(6.02e23f, 9));
    EXPECT_EQ("-6.0e+023", fw(-6.02e23f, 9));
    EXPECT_EQ("5.00000e-039", fw(5.0e-39f, 12));
    EXPECT_EQ("!!!!!!!!", fw(3.3e38f, 8));
}

TEST(FixedWidth, WorkedExamplesDoublePrecision) {
    EXPECT_EQ(blanks(1) + "0.0000000", fwd(0.0, 10));
    EXPECT_EQ("-1.0000e-100", fwd(-1.0e-100, 12));
    EXPECT_EQ("!!!!!!!!!!!!", fwd(1.0e100, 12));
    EXPECT_EQ(blanks(4) + "1.000000", fwd(1.0, 12));
    EXPECT_EQ(blanks(3) + "-0.500000", fwd(-0.5, 12));
}

TEST(FixedWidth, FillsAndNonFiniteValues) {
    float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ("!!!!!!!!!!", fw(inf, 10));
    EXPECT_EQ("!!!!!!!!!!", fw(-inf, 10));
    EXPECT_EQ("!!!!!!!!!!", fw(std::numeric_limits<float>::max(), 10));
    EXPECT_EQ("!!!!!!!!!!!!", fwd(4.0e38, 12));
    EXPECT_EQ(blanks(7) + "nan", fw(std::nanf(""), 10));
    EXPECT_EQ("", fw(5.0f, 0));
    EXPECT_EQ("", fw(5.0f, -3));
}

// A value that rounds up to the next power of ten, and a negative zero, drop a decimal so that
// the text keeps exactly w characters.
TEST(FixedWidth, NeverWiderThanItsField) {
    EXPECT_EQ(blanks(1) + "10", fw(9.96f, 3));
    EXPECT_EQ(blanks(1) + "100", fw(99.96f, 4));
    EXPECT_EQ(blanks(1) + "-10", fw(-9.96f, 4));
    EXPECT_EQ("-0.0", fw(-0.0f, 4));
    EXPECT_EQ(blanks(1) + "-0", fw(-0.0f, 3));
    EXPECT_EQ("-0", fw(-0.0f, 2));
    EXPECT_EQ(blanks(1) + "-0.000000", fw(-0.0f, 10));
    for (int w = 1; w <= 20; ++w) {
        for (float v : {9.96f, 99.96f, -9.96f, -0.0f, 0.0f, 0.0996f, -0.996f, 999999.9f, 1.0e-30f,
                        -3.1e37f, 123.456f, 0.5f, -0.0004f}) {
            EXPECT_EQ(static_cast<std::size_t>(w), fw(v, w).size()) << v << " in " << w;
            EXPECT_EQ(static_cast<std::size_t>(w), fwd(v, w).size()) << v << " in " << w;
        }
    }
}

TEST(FixedWidth, LeavesDecimalsAsStreamPrecision) {
    std::ostringstream os;
    os << std::scientific;
    writeFixedWidth(os, 8, 123.456f);  // four decimals
    EXPECT_EQ(4, os.precision());
    EXPECT_TRUE(os.flags() & std::ios::scientific);  // notation restored
    os << std::defaultfloat;
    os.str("");
    os << num(2.0 / 3.0);
    EXPECT_EQ("0.6667", os.str());

    writeFixedWidth(os, 3, 123.456f);  // '*' fill leaves the precision
    EXPECT_EQ(4, os.precision());
    writeFixedWidth(os, 8, 3.3e38f);  // '!' fill leaves it too
    EXPECT_EQ(4, os.precision());
    writeFixedWidth(os, 15, 123.456f);  // scientific: six decimals
    EXPECT_EQ(6, os.precision());
    writeFixedWidth(os, 10, 0.0);  // zero in double precision: seven
    EXPECT_EQ(7, os.precision());
    // A decimal dropped so that a rounded-up value fits leaves the decimals of the layout.
    writeFixedWidth(os, 3, 9.96f);  // "10", laid out for one decimal
    EXPECT_EQ(1, os.precision());
    writeFixedWidth(os, 6, -9.99976f);  // "-10.00", laid out for three
    EXPECT_EQ(3, os.precision());
}

TEST(FixedWidth, ConsumesFieldWidth) {
    std::ostringstream os;
    os.width(20);
    writeFixedWidth(os, 4, 1.5f);
    os << "x";
    EXPECT_EQ("1.50x", os.str());
}

}  // namespace
