#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "contours.h"

namespace {

// Even-odd rule: how many ring edges a ray to the east crosses.
bool insideRings(const std::vector<std::vector<PlotPoint>>& rings, double x, double y) {
    bool inside = false;
    for (const std::vector<PlotPoint>& ring : rings)
        for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
            const PlotPoint &a = ring[i], &b = ring[j];
            if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) / (b.y - a.y) * (b.x - a.x))
                inside = !inside;
        }
    return inside;
}

double ringArea(const std::vector<std::vector<PlotPoint>>& rings) {
    double twice = 0;  // rings nest without crossing, so their areas add with alternating signs
    for (const std::vector<PlotPoint>& ring : rings) {
        double a = 0;
        for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
            a += ring[j].x * ring[i].y - ring[i].x * ring[j].y;
        twice += a;
    }
    return std::fabs(twice) / 2;
}

NodeGrid randomField(std::mt19937& random, int nx, int ny, double dx, double dy) {
    std::uniform_real_distribution<double> u(0, 1);
    NodeGrid g{nx, ny, -3, dx, 5, dy, {}};
    double cx[4], cy[4], w[4];
    for (int k = 0; k < 4; ++k)
        cx[k] = u(random) * nx, cy[k] = u(random) * ny, w[k] = u(random) * 2 - 1;
    for (int r = 0; r < ny; ++r)
        for (int c = 0; c < nx; ++c) {
            double v = 0.3 * (u(random) - 0.5);  // some noise: saddles and border crossings
            for (int k = 0; k < 4; ++k)
                v += w[k] * std::exp(-((c - cx[k]) * (c - cx[k]) + (r - cy[k]) * (r - cy[k])) / 12);
            g.values.push_back(float(v));
        }
    return g;
}

}  // namespace

// The region above a level holds every node above it and none below, on fields full of saddles,
// lines ending on every side of the border and spacings of either sign.
TEST(Contours, RegionAboveHoldsTheNodesAboveTheLevel) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 40; ++trial) {
        int nx = 2 + trial % 13, ny = 2 + (trial * 7) % 11;
        NodeGrid g =
            randomField(random, nx, ny, trial % 3 == 0 ? -2 : 1.5, trial % 4 == 1 ? -1 : 1);
        for (double level : {-0.4, -0.05, 0.0, 0.2, 0.5}) {
            std::vector<std::vector<PlotPoint>> rings =
                regionAbove(g, level, traceContours(g, level));
            for (int r = 0; r < ny; ++r)
                for (int c = 0; c < nx; ++c) {
                    double v = g.value(c, r);
                    if (std::fabs(v - level) < 1e-3) continue;
                    // A hair inside the grid, so that a node on the border is no point of a ring.
                    double x = g.x0 + (c + (c == 0 ? 1e-4 : -1e-4)) * g.dx;
                    double y = g.y0 + (r + (r == 0 ? 1e-4 : -1e-4)) * g.dy;
                    ASSERT_EQ(v > level, insideRings(rings, x, y))
                        << "trial " << trial << " level " << level << " node " << c << ',' << r;
                }
        }
    }
}

TEST(Contours, RegionAboveOfAPlaneAndOfAFlatField) {
    NodeGrid plane{11, 6, 0, 1, 0, 1, {}};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 11; ++c) plane.values.push_back(float(c));
    for (double level : {0.5, 3.0, 9.25})  // the strip east of x = level, 5 high
        EXPECT_NEAR((10 - level) * 5,
                    ringArea(regionAbove(plane, level, traceContours(plane, level))), 1e-9);
    EXPECT_NEAR(50, ringArea(regionAbove(plane, -1, {})), 1e-12);  // all above: the rectangle
    EXPECT_TRUE(regionAbove(plane, 11, {}).empty());
}

TEST(Contours, SimplifiedLineStaysWithinItsTolerance) {
    std::vector<PlotPoint> arc;
    for (int i = 0; i <= 400; ++i)
        arc.push_back({std::cos(i * 0.01) * 100, std::sin(i * 0.01) * 100});
    std::vector<PlotPoint> kept = simplifiedLine(arc, 0.25);
    EXPECT_LT(kept.size(), 60u);
    EXPECT_EQ(arc.front().x, kept.front().x);
    EXPECT_EQ(arc.back().y, kept.back().y);
    for (const PlotPoint& p : arc) {  // every original point near the kept polyline
        double nearest = INFINITY;
        for (std::size_t i = 0; i + 1 < kept.size(); ++i) {
            double dx = kept[i + 1].x - kept[i].x, dy = kept[i + 1].y - kept[i].y;
            double t = std::clamp(
                ((p.x - kept[i].x) * dx + (p.y - kept[i].y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
            nearest =
                std::min(nearest, std::hypot(kept[i].x + t * dx - p.x, kept[i].y + t * dy - p.y));
        }
        EXPECT_LE(nearest, 0.25 + 1e-9);
    }
}
