#include "read_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <sstream>
#include <string>

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

// The whole item is converted: an exponent past the 19th character counts.
TEST(ReadNumber, ConvertsTheWholeItem) {
    std::istringstream in("1234567890123456789012 1.000000000000000000e+02 7");
    double x;
    ASSERT_TRUE(readReal(in, x));
    EXPECT_EQ(1234567890123456789012.0, x);
    float f;
    ASSERT_TRUE(readReal(in, f));
    EXPECT_EQ(100.0f, f);
    ASSERT_TRUE(readReal(in, x));
    EXPECT_EQ(7.0, x);
}

// Blanks, numbers and lines too long to be data fail the read (not at the end of the stream), so
// that no reader follows an endless stream.
TEST(ReadNumber, EveryReadIsBounded) {
    std::string longest = "0." + std::string(MAX_NUMBER_LENGTH - 2, '5');
    std::istringstream in(std::string(MAX_SKIP, ' ') + longest + " " + longest + "5 " +
                          std::string(MAX_SKIP + 1, ' ') + "2");
    double x = 0;
    EXPECT_TRUE(readReal(in, x));
    EXPECT_FALSE(readReal(in, x));  // one digit too many
    in.clear();
    skipWord(in);
    EXPECT_FALSE(readReal(in, x));  // one blank too many
    EXPECT_FALSE(in.eof());
    std::istringstream line(std::string(MAX_SKIP + 1, 'x'));
    std::string text;
    EXPECT_FALSE(readRestOfLine(line, text, 79));
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
