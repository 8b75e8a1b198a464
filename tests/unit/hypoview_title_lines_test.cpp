#include <gtest/gtest.h>

#include <sstream>

#include "title_lines.h"

namespace {

TEST(TitleLines, Viewpoint) {
    std::ostringstream os;
    writeViewpointTitle(os, {10, -500, 100});
    EXPECT_EQ(
        "T      2.000    -0.233       0.0      0.194 45\n"
        "Viewpoint: (1.00e+001,-5.00e+002,1.00e+002)\n",
        os.str());
}

TEST(TitleLines, ViewpointCoordinatesKeepTheirDigits) {
    std::ostringstream os;
    writeViewpointTitle(os, {-0.004567f, 123456.0f, 0});
    EXPECT_EQ(
        "T      2.000    -0.233       0.0      0.194 45\n"
        "Viewpoint: (-4.57e-003,1.23e+005,0.00e+000)\n",
        os.str());
}

TEST(TitleLines, Multiplier) {
    std::ostringstream os;
    writeMultiplierTitle(os, 2.5f);
    writeMultiplierTitle(os, -0.0012346f);
    EXPECT_EQ(
        "T      2.000      7.539        0.0      0.194 44\n"
        "Gridded data were multiplied by 2.500e+000\n"
        "T      2.000      7.539        0.0      0.194 44\n"
        "Gridded data were multiplied by -1.235e-003\n",
        os.str());
}

TEST(TitleLines, StreamSettingsUntouched) {
    std::ostringstream os;
    os.precision(9);
    writeViewpointTitle(os, {1, 2, 3});
    EXPECT_EQ(9, os.precision());
    EXPECT_FALSE(os.flags() & std::ios::scientific);
}

}  // namespace
