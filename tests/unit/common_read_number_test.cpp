#include "read_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdlib>
#include <sstream>
#include <string>

#include "endless_stream.h"

namespace {

TEST(ReadNumber, FreeFormatItems) {
    std::istringstream in("  12.5\n-3e2\t+.25 7. 1E-2");
    float a = 0, b = 0, c = 0, d = 0, e = 0;
    ASSERT_TRUE(readReal(in, a) && readReal(in, b) && readReal(in, c) && readReal(in, d) &&
                readReal(in, e));
    EXPECT_EQ(12.5f, a);
    EXPECT_EQ(-300.0f, b);
    EXPECT_EQ(0.25f, c);
    EXPECT_EQ(7.0f, d);
    EXPECT_EQ(0.01f, e);
}

TEST(ReadNumber, StopsAtTheFirstCharacterThatCannotContinue) {
    std::istringstream in("12abc 5,6");
    float x = 0;
    ASSERT_TRUE(readReal(in, x));
    EXPECT_EQ(12.0f, x);
    EXPECT_EQ('a', in.peek());
    std::string word;
    ASSERT_TRUE(readWord(in, word));
    EXPECT_EQ("abc", word);
    ASSERT_TRUE(readReal(in, x));
    EXPECT_EQ(5.0f, x);
    EXPECT_EQ(',', in.peek());
}

TEST(ReadNumber, FailureKeepsTheTargetAndFailsTheStream) {
    std::istringstream in("abc 1");
    float x = 42;
    EXPECT_FALSE(readReal(in, x));
    EXPECT_EQ(42.0f, x);
    EXPECT_TRUE(in.fail());
    EXPECT_FALSE(readReal(in, x));  // every further read fails until the state is cleared
    in.clear();
    skipWord(in);
    EXPECT_TRUE(readReal(in, x));
    EXPECT_EQ(1.0f, x);

    std::istringstream empty("   \n ");
    int n = 7;
    EXPECT_FALSE(readInt(empty, n));
    EXPECT_EQ(7, n);
    EXPECT_TRUE(empty.eof());

    std::istringstream sign("- 5");
    EXPECT_FALSE(readReal(sign, x));
}

TEST(ReadNumber, ClampsToTheSinglePrecisionRange) {
    std::istringstream in("1e39 -1e300 1e-39 -1e-400 0e-50 3.4028235e38");
    float a, b, c, d, e, f;
    ASSERT_TRUE(readReal(in, a) && readReal(in, b) && readReal(in, c) && readReal(in, d) &&
                readReal(in, e) && readReal(in, f));
    EXPECT_EQ(FLT_MAX, a);
    EXPECT_EQ(-FLT_MAX, b);
    EXPECT_EQ(FLT_MIN, c);
    EXPECT_EQ(-FLT_MIN, d);
    EXPECT_EQ(0.0f, e);
    EXPECT_EQ(FLT_MAX, f);
}

TEST(ReadNumber, DoubleTargetsKeepDoublePrecision) {
    std::istringstream in("0.1 1e400");
    double a, b;
    ASSERT_TRUE(readReal(in, a) && readReal(in, b));
    EXPECT_EQ(0.1, a);
    EXPECT_EQ(DBL_MAX, b);
}

// The whole item is converted, however long: an exponent past the 19th character counts.
TEST(ReadNumber, ConvertsTheWholeItem) {
    struct Case {
        const char* text;
        double asDouble;
        float asFloat;
    };
    const Case cases[] = {
        {"1234567890123456789", 1234567890123456789.0, 1234567890123456789.0f},  // 19: as ever
        {"1.000000000000000000e+02", 100.0, 100.0f},
        {"-2.500000000000000000E-03", -0.0025, -0.0025f},
        {"1234567890123456789012", 1234567890123456789012.0, 1234567890123456789012.0f},
        {"0.000000000000000000000000125", 1.25e-25, 1.25e-25f},
        {"3.14159265358979323846264338327950288", 3.141592653589793, 3.14159265f},
        {"1.000000000000000000e+39", 1e39, FLT_MAX},  // clamped after the whole item is read
        {"0.0000000000000000000000000000000000000000001", 1e-43, FLT_MIN},
    };
    for (const Case& c : cases) {
        std::istringstream in(std::string(c.text) + " 7");
        double d = 0;
        float f = 0;
        ASSERT_TRUE(readReal(in, d)) << c.text;
        EXPECT_EQ(c.asDouble, d) << c.text;
        EXPECT_EQ(' ', in.peek()) << c.text;  // the whole item is taken, no more
        in.seekg(0);
        ASSERT_TRUE(readReal(in, f)) << c.text;
        EXPECT_EQ(c.asFloat, f) << c.text;
        ASSERT_TRUE(readReal(in, f));
        EXPECT_EQ(7.0f, f);
    }
    std::istringstream ints("0000000000000000000000000000042 -000000000000000000000000000000003");
    int n = 0;
    ASSERT_TRUE(readInt(ints, n));
    EXPECT_EQ(42, n);
    ASSERT_TRUE(readInt(ints, n));
    EXPECT_EQ(-3, n);
}

// Reads end, as unreadable text, after MAX_SKIP blanks or MAX_NUMBER_LENGTH characters of
// one item: nothing runs for ever, and the target keeps its value.
TEST(ReadNumber, EveryReadIsBounded) {
    for (const std::string& pattern :
         {std::string(" "), std::string("\n"), std::string("7"), std::string(1, '\0')}) {
        EndlessStream in(pattern);
        float x = 42;
        EXPECT_FALSE(readReal(in, x)) << int(pattern[0]);
        EXPECT_EQ(42.0f, x);
        EXPECT_TRUE(in.fail() && !in.eof()) << int(pattern[0]);
    }
    EndlessStream blanks(" ");
    std::string word = "kept";
    EXPECT_FALSE(readWord(blanks, word));
    EXPECT_EQ("kept", word);
    EndlessStream endlessLine("x", "7 8\n");
    std::string line;
    ASSERT_TRUE(readRestOfLine(endlessLine, line, 2));
    EXPECT_EQ("7 ", line);  // the rest of the first line passed over, the line end consumed
    EXPECT_FALSE(readRestOfLine(endlessLine, line, 2));
    EXPECT_TRUE(endlessLine.fail() && !endlessLine.eof());

    std::string longest = "0." + std::string(MAX_NUMBER_LENGTH - 2, '1');
    std::istringstream fits(std::string(MAX_SKIP, ' ') + longest + " 2");
    double d = 0;
    ASSERT_TRUE(readReal(fits, d));
    EXPECT_EQ(std::strtod(longest.c_str(), nullptr), d);
    std::istringstream tooLong(longest + "1 2");
    EXPECT_FALSE(readReal(tooLong, d));
    std::istringstream tooFar(std::string(MAX_SKIP + 1, ' ') + "2");
    EXPECT_FALSE(readReal(tooFar, d));
}

TEST(ReadNumber, IntegersHaveNoFractionOrExponent) {
    std::istringstream in("42.7 -3e2 99999999999");
    int n = 0;
    ASSERT_TRUE(readInt(in, n));
    EXPECT_EQ(42, n);
    EXPECT_EQ('.', in.peek());
    in.get();
    ASSERT_TRUE(readInt(in, n));
    EXPECT_EQ(7, n);
    ASSERT_TRUE(readInt(in, n));
    EXPECT_EQ(-3, n);
    in.get();
    ASSERT_TRUE(readInt(in, n));
    EXPECT_EQ(2, n);
    ASSERT_TRUE(readInt(in, n));
    EXPECT_EQ(2147483647, n);
}

TEST(ReadNumber, RestOfLine) {
    std::istringstream in("tail of a line\r\n\nlast");
    std::string line = "old";
    ASSERT_TRUE(readRestOfLine(in, line, 7));
    EXPECT_EQ("tail of", line);
    ASSERT_TRUE(readRestOfLine(in, line, 7));
    EXPECT_EQ("", line);
    ASSERT_TRUE(readRestOfLine(in, line, 7));  // a last line without a line end
    EXPECT_EQ("last", line);
    EXPECT_TRUE(in.eof() && !in.fail());
    EXPECT_FALSE(readRestOfLine(in, line, 7));
    EXPECT_TRUE(in.eof() && in.fail());
}

TEST(ReadNumber, WordsAreCutToTheirBuffer) {
    std::string longWord(300, 'x');
    std::istringstream in(longWord + " next");
    std::string word;
    ASSERT_TRUE(readWord(in, word, 79));
    EXPECT_EQ(std::string(79, 'x'), word);
    ASSERT_TRUE(readWord(in, word, 79));
    EXPECT_EQ("next", word);
    EXPECT_FALSE(readWord(in, word, 79));
}

}  // namespace
