#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "verdict.h"

namespace {

// Errors at steps h, h/2, h/4, h/8 falling at the given orders pair by pair.
std::vector<double> errorsFalling(std::initializer_list<double> orders) {
    std::vector<double> errors{1.0};
    for (double p : orders) errors.push_back(errors.back() / std::pow(2.0, p));
    return errors;
}

TEST(VerifyVerdict, orderWithinToleranceOnTheFinestPair) {
    struct Case {
        std::vector<double> errors;
        double expected;
        bool pass;
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {errorsFalling({1, 1, 1}), 2, false},  // a first-order method claimed second order
        {errorsFalling({1, 1, 1}), 1, true},
        {errorsFalling({2, 2, 2}), 1, false},
        {errorsFalling({2, 2, 2}), 2, true},
        {errorsFalling({2, 2, 1}), 2, false},  // only the finest pair counts
        {errorsFalling({1, 1, 2}), 2, true},
        {errorsFalling({2, 2, 2.25}), 2, true},
        {errorsFalling({2, 2, 2.35}), 2, false},  // too fast is as wrong as too slow
        {errorsFalling({2, 2, 1.75}), 2, true},
        {errorsFalling({2, 2, 1.65}), 2, false},
        {{1, 0.25, 0}, 2, false},  // an error of zero shows no order
        {{1, 0.25, nan}, 2, false},
        {{1, INFINITY, 0.25, 0.0625}, 2, false},  // a run that blew up fails the whole sequence
        {{nan, 1, 0.25}, 2, false},
        {{1}, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.errors) + " against " + std::to_string(c.expected));
        EXPECT_EQ(c.pass, orderVerdict("q", c.errors, c.expected).pass);
    }
}

TEST(VerifyVerdict, orderAtLeast) {
    EXPECT_TRUE(orderAtLeastVerdict("q", errorsFalling({6, 6, 6}), 2).pass);
    EXPECT_TRUE(orderAtLeastVerdict("q", errorsFalling({2, 2, 1.75}), 2).pass);
    EXPECT_FALSE(orderAtLeastVerdict("q", errorsFalling({2, 2, 1.65}), 2).pass);
    EXPECT_FALSE(orderAtLeastVerdict("q", {1, 0.25, 0}, 2).pass);
}

TEST(VerifyVerdict, boundsAndThresholds) {
    EXPECT_TRUE(boundVerdict("q", 1, 1).pass);
    EXPECT_FALSE(boundVerdict("q", 1.0000001, 1).pass);
    EXPECT_FALSE(boundVerdict("q", std::nan(""), 1).pass);
    EXPECT_TRUE(thresholdVerdict("q", 1.01, 1, true).pass);
    EXPECT_FALSE(thresholdVerdict("q", 1, 1, true).pass);  // growth must be seen, not a standstill
    EXPECT_FALSE(thresholdVerdict("q", std::nan(""), 1, true).pass);
    EXPECT_TRUE(thresholdVerdict("q", 1, 1, false).pass);
    EXPECT_FALSE(thresholdVerdict("q", 1.0001, 1, false).pass);
    EXPECT_FALSE(thresholdVerdict("q", std::nan(""), 1, false).pass);
}

// A measurement that is not a number is worse than any other, whichever side it comes from.
TEST(VerifyVerdict, worseKeepsNotANumber) {
    const double nan = std::nan("");
    struct Case {
        double a, b, worst;
    };
    for (Case c : {Case{1, 2, 2}, Case{2, 1, 2}, Case{-1, 0, 0}, Case{INFINITY, 1, INFINITY}}) {
        EXPECT_EQ(c.worst, worse(c.a, c.b));
    }
    for (Case c : {Case{nan, 1, nan}, Case{1, nan, nan}, Case{INFINITY, nan, nan}})
        EXPECT_TRUE(std::isnan(worse(c.a, c.b)));
    double largest = 0;
    for (double ratio : {0.5, nan, 0.25}) largest = worse(largest, ratio);
    EXPECT_FALSE(boundVerdict("q", largest, 1).pass);
}

TEST(VerifyVerdict, texts) {
    Verdict order = orderVerdict("q", errorsFalling({1, 2, 2}), 2);
    EXPECT_EQ("2 +- 0.3", order.expected);
    EXPECT_EQ("1 2 2", order.measured);
    EXPECT_EQ("nan", orderVerdict("q", {1, 0}, 2).measured);
    EXPECT_EQ(">= 1.7", orderAtLeastVerdict("q", {1, 0.25}, 2).expected);
    Verdict bound = boundVerdict("q", 1.5e-5, 0.0656);
    EXPECT_EQ("<= 0.0656", bound.expected);
    EXPECT_EQ("1.5e-005", bound.measured);
    EXPECT_EQ("> 1 (1.1)", thresholdVerdict("q", 1.09513, 1, true, " (1.1)").expected);
}

TEST(VerifyVerdict, tableCountsFailures) {
    std::vector<Verdict> rows{{"first", "1 +- 0.3", "1 1", true}, {"second", "<= 1", "2", false}};
    std::ostringstream out;
    printVerdictTable(out, rows);
    std::string rule(54 + 18 + 40 + 7, '-');
    EXPECT_EQ("quantity" + std::string(46, ' ') + "expected" + std::string(10, ' ') + "measured" +
                  std::string(32, ' ') + "verdict\n" + rule + "\n" + "first" +
                  std::string(49, ' ') + "1 +- 0.3" + std::string(10, ' ') + "1 1" +
                  std::string(37, ' ') + "pass\n" + "second" + std::string(48, ' ') + "<= 1" +
                  std::string(14, ' ') + "2" + std::string(39, ' ') + "FAIL\n" +
                  "\n2 verdicts, 1 failed\n",
              out.str());
    EXPECT_FALSE(allPass(rows));
    rows.pop_back();
    EXPECT_TRUE(allPass(rows));
}

}  // namespace
