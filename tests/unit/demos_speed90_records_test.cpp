#include <gtest/gtest.h>

#include <string>

#include "speed90_records.h"

namespace {

TEST(Speed90Records, Fields) {
    EXPECT_EQ("1000000000", integerField(1000000000, 10));
    EXPECT_EQ("  7", integerField(7, 3));
    EXPECT_EQ("***", integerField(1000, 3));
    EXPECT_EQ("9.00", fixedField(9.0f, 4, 2));
    EXPECT_EQ("     0.000", fixedField(0.0f, 10, 3));
    // Halves are rounded away from zero: 0.0625 is exact in binary.
    EXPECT_EQ("     0.063", fixedField(0.0625f, 10, 3));
    EXPECT_EQ("999999.000", fixedField(999999.0f, 10, 3));
    EXPECT_EQ("**********", fixedField(1000000.0f, 10, 3));
}

TEST(Speed90Records, Announcements) {
    EXPECT_EQ(" 1000000000 (10**9.00) floating-point operations starting NOW!",
              operationsRecord(1000000000, " starting NOW!"));
    EXPECT_EQ(" 1000000000 (10**9.00) floating-point operations COMPLETED!",
              operationsRecord(1000000000, " COMPLETED!"));
}

TEST(Speed90Records, ProgressOverwritesSixteenColumns) {
    EXPECT_EQ("+  1% complete...", progressRecord(1));
    EXPECT_EQ("+ 42% complete...", progressRecord(42));
    EXPECT_EQ("+100% complete...", progressRecord(100));
    EXPECT_EQ(16u, progressRecord(100).size() - 1);  // the "+" is not shown
}

TEST(Speed90Records, TwentySecondsIsFiftyMillionOperationsPerSecond) {
    EXPECT_EQ(" Elapsed time was     20.000 seconds.", elapsedRecord(20.0f));
    EXPECT_EQ(" This computer calculates at     50.000 MFPO/s.", rateRecord(20.0f));
}

TEST(Speed90Records, NoTimeMeasured) {
    EXPECT_EQ(" Elapsed time was      0.000 seconds.", elapsedRecord(0.0f));
    EXPECT_EQ(" System_Clock may not be working.", rateRecord(0.0f));
}

TEST(Speed90Records, RateTooWideForItsField) {
    // 10^9 operations in a nanosecond: 10^12 millions per second needs more than 10 characters.
    EXPECT_EQ(" This computer calculates at ********** MFPO/s.", rateRecord(1.0e-9f));
}

}  // namespace
