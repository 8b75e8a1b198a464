#include <gtest/gtest.h>

#include <cmath>

#include "extent.h"

namespace {

TEST(Extent, RectangleAndDiagonal) {
    const float x[] = {1, 4, -2, 0};
    const float y[] = {2, 6, 3, 5};
    DataExtent e = computeExtent(x, y, 4);
    EXPECT_EQ(-2.0f, e.xMin);
    EXPECT_EQ(4.0f, e.xMax);
    EXPECT_EQ(2.0f, e.yMin);
    EXPECT_EQ(6.0f, e.yMax);
    EXPECT_EQ(static_cast<float>(std::sqrt(52.0)), e.rMax);
    EXPECT_EQ(0.5f * e.rMax, e.halfRMax);
}

TEST(Extent, OnlyTheFirstNPointsCount) {
    const float x[] = {0, 3, 100};
    const float y[] = {0, 4, 100};
    DataExtent e = computeExtent(x, y, 2);
    EXPECT_EQ(5.0f, e.rMax);
    EXPECT_EQ(2.5f, e.halfRMax);
}

TEST(Extent, SinglePointAndNone) {
    const float x[] = {7};
    const float y[] = {8};
    DataExtent one = computeExtent(x, y, 1);
    EXPECT_EQ(7.0f, one.xMin);
    EXPECT_EQ(8.0f, one.yMax);
    EXPECT_EQ(0.0f, one.rMax);
    EXPECT_EQ(0.0f, computeExtent(x, y, 0).rMax);
}

}  // namespace
