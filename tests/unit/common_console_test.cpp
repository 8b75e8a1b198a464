#include "console.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

namespace {

TEST(StringsEqual, ExactAndBounded) {
    EXPECT_TRUE(stringsEqual("yes", "yes"));
    EXPECT_FALSE(stringsEqual("yes", "Yes"));
    EXPECT_FALSE(stringsEqual("y", "yes"));
    EXPECT_FALSE(stringsEqual("yes", "y"));
    EXPECT_TRUE(stringsEqual("", ""));
    std::string a(1023, 'a');
    EXPECT_TRUE(stringsEqual(a.c_str(), a.c_str()));
    std::string b(1024, 'b');
    EXPECT_FALSE(stringsEqual(b.c_str(), b.c_str()));
}

TEST(StringsEqual, YesWordLists) {
    EXPECT_TRUE(isOneOf("T", {"Y", "y", "T"}));
    EXPECT_FALSE(isOneOf("YEs", {"Y", "YES", "yes"}));
    EXPECT_FALSE(isOneOf("", {"Y"}));
}

TEST(MinMax, TwoAndThree) {
    EXPECT_EQ(1.0f, minOf3(3.0f, 1.0f, 2.0f));
    EXPECT_EQ(-5.0f, maxOf3(-5.0f, -7.0f, -6.0f));
    EXPECT_EQ(1.0, minOf3(3.0, 1.0, 2.0));
    EXPECT_EQ(-5.0, maxOf3(-5.0, -7.0, -6.0));
    EXPECT_EQ(2.0f, minOf(2.0f, 2.5f));
    EXPECT_EQ(2.5, maxOf(2.0, 2.5));
    EXPECT_EQ(-3, minOfInt(4, -3));
    EXPECT_EQ(4, maxOfInt(4, -3));
}

// Without a terminal on standard input the pause writes its prompt and line end and returns.
TEST(PauseForKey, ReturnsAtOnceWithoutATerminal) {
    std::ostringstream captured;
    auto* old = std::cout.rdbuf(captured.rdbuf());
    pauseForKey();
    std::cout.rdbuf(old);
    EXPECT_EQ("Press any key to continue...\n", captured.str());
}

}  // namespace
