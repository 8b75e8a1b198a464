#include <gtest/gtest.h>

#include <cmath>

#include "projection.h"

namespace {

// Looking from the negative y axis at the origin: right is +x, up is +Gamma.
TEST(Projection, FrameFromTheNegativeYAxis) {
    ViewFrame f = viewFrame({0, 0, 0}, {0, -500, 0});
    EXPECT_EQ(0.0f, f.dir.x);
    EXPECT_EQ(1.0f, f.dir.y);
    EXPECT_EQ(0.0f, f.dir.z);
    EXPECT_EQ(1.0f, f.right.x);
    EXPECT_EQ(0.0f, f.right.y);
    EXPECT_EQ(0.0f, f.right.z);
    EXPECT_EQ(0.0f, f.up.x);
    EXPECT_EQ(0.0f, f.up.y);
    EXPECT_EQ(1.0f, f.up.z);
}

// From above or below the data, up in the picture stays up in the data, and right is horizontal.
TEST(Projection, FrameUpHasPositiveGamma) {
    for (float height : {300.0f, -300.0f}) {
        ViewFrame f = viewFrame({10, 20, -5}, {-40, 90, height});
        EXPECT_GT(f.up.z, 0.0f) << height;
        EXPECT_EQ(0.0f, f.right.z);
        EXPECT_NEAR(0.0, dotProduct(f.right, f.dir), 1e-6);
        EXPECT_NEAR(0.0, dotProduct(f.up, f.dir), 1e-6);
        EXPECT_NEAR(1.0, dotProduct(f.up, f.up), 1e-6);
    }
}

TEST(Projection, PointToTheRightAndAbove) {
    ViewFrame f = viewFrame({0, 0, 0}, {0, -10, 0});
    PicturePoint p = Project({2, 0, 3}, f, 1.0f);
    EXPECT_EQ(0.2f, p.u);
    EXPECT_EQ(0.3f, p.v);
    PicturePoint left = Project({-2, 0, -3}, f, 1.0f);
    EXPECT_EQ(-0.2f, left.u);
    EXPECT_EQ(-0.3f, left.v);
    // Twice as far away, half as large.
    PicturePoint far = Project({2, 10, 3}, f, 1.0f);
    EXPECT_EQ(0.1f, far.u);
}

// An oblique view, each step stored in single precision as described; the picture coordinates
// also agree with d . right / depth to single-precision accuracy.
TEST(Projection, ObliqueViewFollowsItsRoundingSteps) {
    const Vec3 eye{-37.5f, -412.25f, 163.0f};
    const Vec3 point{12.125f, 30.5f, -17.75f};
    ViewFrame f = viewFrame({4.5f, 7.25f, -20.0f}, eye);
    PicturePoint p = Project(point, f, 1.0f);

    const Vec3 d{float(double(point.x) - eye.x), float(double(point.y) - eye.y),
                 float(double(point.z) - eye.z)};
    const float depth =
        float(double(d.x) * f.dir.x + double(d.y) * f.dir.y + double(d.z) * f.dir.z);
    const float r = float(1.0 / depth);
    const Vec3 g{float(double(float(double(r) * d.x)) - f.dir.x),
                 float(double(float(double(r) * d.y)) - f.dir.y),
                 float(double(float(double(r) * d.z)) - f.dir.z)};
    EXPECT_EQ(float(double(g.x) * f.right.x + double(g.y) * f.right.y + double(g.z) * f.right.z),
              p.u);
    EXPECT_EQ(float(double(g.x) * f.up.x + double(g.y) * f.up.y + double(g.z) * f.up.z), p.v);

    EXPECT_NEAR(dotProduct(d, f.right) / double(depth), p.u, 1e-6);
    EXPECT_NEAR(dotProduct(d, f.up) / double(depth), p.v, 1e-6);
}

TEST(Projection, ScaleMultipliesBothCoordinates) {
    ViewFrame f = viewFrame({0, 0, 0}, {0, -10, 0});
    PicturePoint p = Project({2, 0, 3}, f, 2.0f);
    EXPECT_EQ(0.4f, p.u);
    EXPECT_EQ(0.6f, p.v);
}

TEST(Projection, PointLevelWithOrBehindTheEyeHasNoPicture) {
    ViewFrame f = viewFrame({0, 0, 0}, {0, -10, 0});
    PicturePoint p{7, 7};
    EXPECT_FALSE(projectInFront({5, -10, 2}, f, 1.0f, p));  // level with the eye
    EXPECT_FALSE(projectInFront({0, -11, 0}, f, 1.0f, p));  // behind it
    EXPECT_EQ(7.0f, p.u);
    EXPECT_TRUE(projectInFront({0, -9.5f, 0}, f, 1.0f, p));
}

TEST(ProjectionDeathTest, ProjectStopsBehindTheEye) {
    ViewFrame f = viewFrame({0, 0, 0}, {0, -10, 0});
    EXPECT_EXIT(Project({0, -20, 0}, f, 1.0f), testing::ExitedWithCode(255), "");
}

}  // namespace
