#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <vector>

#include "coincident_data.h"
#include "krige_point.h"

namespace {

struct Scatter {
    std::vector<float> x, y, z;
    void add(float px, float py, float pz) {
        x.push_back(px);
        y.push_back(py);
        z.push_back(pz);
    }
    int n() const { return static_cast<int>(x.size()); }
};

// Eight data, the sixth and the eighth at one position with values 6 and 8.
Scatter withCopy() {
    Scatter s;
    const float d[][3] = {{0, 0, 1}, {10, 0, 2}, {0, 10, 3}, {10, 10, 4},
                          {5, 5, 5}, {3, 8, 6},  {7, 2, 7},  {3, 8, 8}};
    for (const auto& p : d) s.add(p[0], p[1], p[2]);
    return s;
}

const VariogramModel NO_INTERCEPT{0, 1, 0, 0, 7.07107f};

TEST(CoincidentData, OnlyWithoutAnInterceptTheySingularise) {
    auto work = std::make_unique<KrigingWork>();
    Scatter s = withCopy();
    ASSERT_EQ(8, gatherNeighbors(NO_INTERCEPT, s.x.data(), s.y.data(), s.n(), 4, 4, 100, *work));
    EXPECT_TRUE(coincidenceMakesSingular(NO_INTERCEPT, s.x.data(), s.y.data(), *work, 8));
    EXPECT_FALSE(coincidenceMakesSingular(NO_INTERCEPT, s.x.data(), s.y.data(), *work, 7));
    VariogramModel nugget = NO_INTERCEPT;
    nugget.curve0 = 0.01f;
    EXPECT_FALSE(coincidenceMakesSingular(nugget, s.x.data(), s.y.data(), *work, 8));
}

// Merged at the grid point, the copies give bit for bit what one datum with their mean gives.
TEST(CoincidentData, MergedCopiesKrigeLikeOneDatumWithTheirMean) {
    auto work = std::make_unique<KrigingWork>();
    Scatter copies = withCopy();
    Scatter single = copies;
    single.x.pop_back();
    single.y.pop_back();
    single.z.pop_back();
    single.z[5] = 7;
    const float points[][2] = {{4, 4}, {1, 1}, {9, 9}, {3, 8}, {5, 6}};
    for (const auto& p : points) {
        std::ostringstream merged, plain;
        float cutoff = 100;
        PointEstimate a =
            krigePoint(NO_INTERCEPT, 2, copies.x.data(), copies.y.data(), copies.z.data(),
                       copies.n(), p[0], p[1], cutoff, *work, merged);
        cutoff = 100;
        PointEstimate b = krigePoint(NO_INTERCEPT, 2, single.x.data(), single.y.data(),
                                     single.z.data(), single.n(), p[0], p[1], cutoff, *work, plain);
        EXPECT_TRUE(a.mergedCoincident);
        EXPECT_FALSE(b.mergedCoincident);
        EXPECT_TRUE(std::isfinite(a.estimate) && std::isfinite(a.standardDeviation));
        EXPECT_EQ(b.estimate, a.estimate) << p[0] << " " << p[1];
        EXPECT_EQ(b.standardDeviation, a.standardDeviation);
        EXPECT_FALSE(a.illConditioned);
        EXPECT_EQ(7, a.neighbors);  // the system holds one datum per position
        // The console still counts every datum found.
        EXPECT_NE(std::string::npos, merged.str().find("    8 data used in estimate\n"));
    }
}

TEST(CoincidentData, GroupsInOrderOfTheirFirstMember) {
    auto work = std::make_unique<KrigingWork>();
    Scatter s;
    s.add(1, 1, 2);
    s.add(2, 2, 10);
    s.add(1, 1, 3);
    s.add(3, 0, 5);
    s.add(2, 2, 20);
    s.add(1, 1, 7);
    ASSERT_EQ(6, gatherNeighbors(NO_INTERCEPT, s.x.data(), s.y.data(), s.n(), 0, 0, 100, *work));
    float value[MAX_NEIGHBORS];
    ASSERT_EQ(3, mergeCoincident(NO_INTERCEPT, s.x.data(), s.y.data(), s.z.data(), 0, 0, *work, 6,
                                 value));
    EXPECT_EQ(0, work->neighbor[0]);
    EXPECT_EQ(1, work->neighbor[1]);
    EXPECT_EQ(3, work->neighbor[2]);
    EXPECT_EQ(4.0f, value[0]);
    EXPECT_EQ(15.0f, value[1]);
    EXPECT_EQ(5.0f, value[2]);
    // The system is the one the three positions give.
    auto fresh = std::make_unique<KrigingWork>();
    const float x3[] = {1, 2, 3}, y3[] = {1, 2, 0};
    ASSERT_EQ(3, gatherNeighbors(NO_INTERCEPT, x3, y3, 3, 0, 0, 100, *fresh));
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(fresh->rhs[j], work->rhs[j]);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(fresh->matrix[j][k], work->matrix[j][k]);
    }
}

}  // namespace
