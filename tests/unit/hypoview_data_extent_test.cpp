#include <gtest/gtest.h>

#include <memory>

#include "data_extent.h"

namespace {

struct Data {
    std::unique_ptr<Hypocenters> h = std::make_unique<Hypocenters>();
    std::unique_ptr<SurfaceGrid> s = std::make_unique<SurfaceGrid>();

    void addHypocenter(float x, float y, float z) {
        h->hx[h->nh] = x;
        h->hy[h->nh] = y;
        h->hz[h->nh] = z;
        ++h->nh;
    }
    void setGrid(GridAxis x, GridAxis y, int nx, int ny) {
        s->header.x = x;
        s->header.y = y;
        s->header.nx = nx;
        s->header.ny = ny;
        s->npoints = nx * ny;
    }
};

TEST(DataExtent, HypocentresOnly) {
    Data d;
    d.addHypocenter(3, -1, -10);
    d.addHypocenter(-2, 4, -5);
    d.addHypocenter(1, 2, -7);
    Extent e = dataExtent(*d.h, *d.s);
    EXPECT_EQ(-2.0f, e.xmin);
    EXPECT_EQ(3.0f, e.xmax);
    EXPECT_EQ(-1.0f, e.ymin);
    EXPECT_EQ(4.0f, e.ymax);
    EXPECT_EQ(-10.0f, e.zmin);
    EXPECT_EQ(-5.0f, e.zmax);
    Vec3 m = dataCenter(e);
    EXPECT_EQ(0.5f, m.x);
    EXPECT_EQ(1.5f, m.y);
    EXPECT_EQ(-7.5f, m.z);
}

// Horizontally the grid counts by its header (a maximum the points need not reach), vertically
// by its values inside nx x ny only.
TEST(DataExtent, GridByHeaderAndValues) {
    Data d;
    d.setGrid({0, 3, 10}, {-5, 5, 5}, 4, 3);
    d.s->grid[0][0] = 120;
    d.s->grid[3][2] = -40;
    d.s->grid[4][0] = 9999;  // beyond nx: not part of the grid
    d.s->grid[0][3] = -9999;
    d.addHypocenter(2, 2, -60);
    Extent e = dataExtent(*d.h, *d.s);
    EXPECT_EQ(0.0f, e.xmin);
    EXPECT_EQ(10.0f, e.xmax);
    EXPECT_EQ(-5.0f, e.ymin);
    EXPECT_EQ(5.0f, e.ymax);
    EXPECT_EQ(-60.0f, e.zmin);
    EXPECT_EQ(120.0f, e.zmax);
}

TEST(DataExtent, SinglePointGridCounts) {
    Data d;
    d.setGrid({7, 1, 7}, {8, 1, 8}, 1, 1);
    d.s->grid[0][0] = -3;
    Extent e = dataExtent(*d.h, *d.s);
    EXPECT_EQ(7.0f, e.xmin);
    EXPECT_EQ(7.0f, e.xmax);
    EXPECT_EQ(-3.0f, e.zmin);
    EXPECT_EQ(-3.0f, e.zmax);
    EXPECT_EQ(0.0f, distanceLimit(e));
}

TEST(DataExtent, NoDataKeepsStartValues) {
    Data d;
    Extent e = dataExtent(*d.h, *d.s);
    EXPECT_EQ(9.9e29f, e.xmin);
    EXPECT_EQ(-9.9e29f, e.zmax);
}

TEST(DataExtent, DistanceLimitFollowsTheWidestRange) {
    Data d;
    d.addHypocenter(-50, -5, -30);
    d.addHypocenter(50, 5, -10);
    EXPECT_EQ(1.0e7f, distanceLimit(dataExtent(*d.h, *d.s)));
    Data one;
    one.addHypocenter(1, 2, 3);
    EXPECT_EQ(0.0f, distanceLimit(dataExtent(*one.h, *one.s)));
    Data tall;
    tall.addHypocenter(0, 0, -0.25f);
    tall.addHypocenter(0, 0, 0);
    EXPECT_EQ(25000.0f, distanceLimit(dataExtent(*tall.h, *tall.s)));
}

}  // namespace
