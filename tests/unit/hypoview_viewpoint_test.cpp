#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "title_lines.h"
#include "viewpoint.h"

namespace {

// Data 100 units across, centred at the origin: far = 1.0e7.
const Extent BOX{-50, 50, -20, 20, -30, 10};
const Vec3 MIDDLE{0, -0.0f, -10};
const float FAR = 1.0e7f;

ViewpointVerdict judge(float x, float y, float z) {
    return judgeViewpoint({x, y, z}, BOX, MIDDLE, FAR);
}

TEST(Viewpoint, FacesCountAsInside) {
    EXPECT_EQ(ViewpointVerdict::inside, judge(50, 0, 0));
    EXPECT_EQ(ViewpointVerdict::inside, judge(-50, 0, 0));
    EXPECT_EQ(ViewpointVerdict::inside, judge(0, 20, 0));
    EXPECT_EQ(ViewpointVerdict::inside, judge(10, 0, -30));
    EXPECT_EQ(ViewpointVerdict::inside, judge(50, 20, 10));  // a corner
    EXPECT_EQ(ViewpointVerdict::accepted, judge(std::nextafter(50.0f, 100.0f), 0, 0));
    EXPECT_EQ(ViewpointVerdict::accepted, judge(1, 0, std::nextafter(10.0f, 100.0f)));
}

// The distance is the largest coordinate difference: the limit itself is accepted.
TEST(Viewpoint, DistanceLimitIsInclusive) {
    EXPECT_EQ(ViewpointVerdict::accepted, judge(0, -1.0e7f, -10));
    EXPECT_EQ(ViewpointVerdict::accepted, judge(1.0e7f, 1.0e7f, 1.0e7f - 10));
    EXPECT_EQ(ViewpointVerdict::tooDistant, judge(0, std::nextafter(-1.0e7f, -2.0e7f), -10));
    EXPECT_EQ(ViewpointVerdict::tooDistant, judge(0, 0, 1.0e7f));  // 1.0e7 + 10 above M
}

TEST(Viewpoint, VerticalViewsAreRefused) {
    EXPECT_EQ(ViewpointVerdict::vertical, judge(0, 0, 500));
    EXPECT_EQ(ViewpointVerdict::vertical, judge(0, 0, -500));
    EXPECT_EQ(ViewpointVerdict::accepted, judge(1e-6f, 0, 500));
    EXPECT_EQ(ViewpointVerdict::accepted, judge(0, -1e-6f, 500));
}

// Inside, then too distant, then vertical.
TEST(Viewpoint, RefusalsInOrder) {
    EXPECT_EQ(ViewpointVerdict::inside, judgeViewpoint({0, 0, -10}, BOX, MIDDLE, 0.0f));
    EXPECT_EQ(ViewpointVerdict::tooDistant, judge(0, 0, 2.0e7f));
}

TEST(Viewpoint, NothingIsAcceptedWhenFarIsZero) {
    const Extent point{1, 1, 2, 2, 3, 3};
    for (Vec3 eye : {Vec3{1, 2, 3.5f}, Vec3{std::nextafter(1.0f, 2.0f), 2, 3}, Vec3{-1, 0, 3}})
        EXPECT_NE(ViewpointVerdict::accepted, judgeViewpoint(eye, point, {1, 2, 3}, 0.0f));
}

std::string stereoLine(const Vec3& p) {
    std::ostringstream os;
    os << "(";
    writeScientific(os, p.x, 2, 9);
    os << ",";
    writeScientific(os, p.y, 2, 9);
    os << ",";
    writeScientific(os, p.z, 2, 9);
    os << ").";
    return os.str();
}

// The eye turns about 6 degrees counter-clockwise seen from above, to the viewer's right.
TEST(Viewpoint, StereoExample) {
    const Vec3 eye{0, -500, 100};
    Vec3 right = stereoViewpoint({0, 0, -10}, eye);
    EXPECT_NEAR(52.3, right.x, 0.05);
    EXPECT_NEAR(-497.3, right.y, 0.05);
    EXPECT_EQ(100.0f, right.z);
    EXPECT_EQ("(5.23e+001,-4.97e+002,1.00e+002).", stereoLine(right));
}

TEST(Viewpoint, StereoFollowsItsRoundingSteps) {
    const Vec3 middle{12.5f, -3.25f, 0};
    const Vec3 eye{-230.75f, 410.125f, 55};
    const float dx = middle.x - eye.x;
    const float dy = middle.y - eye.y;
    const float r = float(std::sqrt(double(dx) * dx + double(dy) * dy));
    const float a = float(double(float(std::atan2(double(dy), double(dx)))) + 0.10471935f);
    Vec3 right = stereoViewpoint(middle, eye);
    EXPECT_EQ(float(double(middle.x) - std::cos(double(a)) * r), right.x);
    EXPECT_EQ(float(double(middle.y) - std::sin(double(a)) * r), right.y);
    EXPECT_EQ(55.0f, right.z);
    // The distance from the vertical axis through the centre is kept.
    EXPECT_NEAR(r, std::hypot(double(right.x) - middle.x, double(right.y) - middle.y), 1e-3);
}

}  // namespace
