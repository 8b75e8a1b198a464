#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <vector>

#include "capacities.h"
#include "radius_walk.h"

namespace {

RadiusBand bandOf(const std::vector<float>& distance) {
    std::vector<float> y(distance.size(), 0);
    return radiusBand(distance.data(), y.data(), static_cast<int>(distance.size()), 0, 0);
}

TEST(RadiusBand, SixthAndFiftyFirstDistances) {
    std::vector<float> d;
    for (int i = 60; i >= 1; --i) d.push_back(static_cast<float>(i));  // any order
    RadiusBand band = bandOf(d);
    ASSERT_TRUE(band.hasLow && band.hasHigh && band.reachable());
    EXPECT_EQ(6.0f, band.low);
    EXPECT_EQ(51.0f, band.high);
    EXPECT_EQ(50.0f, band.belowHigh);
    EXPECT_EQ(1, band.direction(std::nextafter(6.0f, 0.0f)));
    EXPECT_EQ(0, band.direction(6));
    EXPECT_EQ(0, band.direction(std::nextafter(51.0f, 0.0f)));
    EXPECT_EQ(-1, band.direction(51));

    // Ten more at 50 make it the 51st distance: the widest radius that lands is 49.
    for (int i = 0; i < 10; ++i) d.push_back(50);
    band = bandOf(d);
    EXPECT_EQ(50.0f, band.high);
    EXPECT_EQ(49.0f, band.belowHigh);

    // A datum at a position that is not a number lies inside no radius.
    std::vector<float> few = {1, 2, 3, 4, 5, std::numeric_limits<float>::quiet_NaN()};
    band = bandOf(few);
    EXPECT_FALSE(band.hasLow);
    EXPECT_FALSE(band.reachable());
    EXPECT_EQ(1, band.direction(std::numeric_limits<float>::infinity()));
    few.back() = 6;
    EXPECT_TRUE(bandOf(few).reachable());  // fewer than 51: no upper edge

    std::vector<float> same(60, 5);
    EXPECT_FALSE(bandOf(same).reachable());
}

// The walk taken one change at a time, remembering every radius: the reference for the count
// and for the verdict that a walk never lands.
long long walkByHand(const RadiusBand& band, float r) {
    std::set<float> seen;
    for (long long changes = 0;; ++changes) {
        int direction = band.direction(r);
        if (direction == 0) return changes;
        if (!seen.insert(r).second) return WALK_NEVER_LANDS;
        r = static_cast<float>(r * (direction < 0 ? 0.75 : 1.2));
    }
}

TEST(RadiusWalk, LandsOrProvesThatItNeverWill) {
    RadiusBand narrow;
    narrow.hasLow = narrow.hasHigh = true;
    narrow.low = 1;
    narrow.high = 1.0001f;
    RadiusBand oneFloat = narrow;
    oneFloat.high = std::nextafter(1.0f, 2.0f);  // only the radius 1 itself lands
    int landed = 0, never = 0;
    for (int i = 0; i < 20; ++i) {
        float start = 0.5f + 0.73f * static_cast<float>(i);
        for (const RadiusBand* band : {&narrow, &oneFloat}) {
            long long expected = walkByHand(*band, start);
            EXPECT_EQ(expected, changesToLand(*band, start)) << start;
            (expected == WALK_NEVER_LANDS ? never : landed) += 1;
        }
    }
    EXPECT_EQ(20, landed);  // the narrow band is met from every start, after up to thousands
    EXPECT_EQ(20, never);   // the band of one float from none
    EXPECT_EQ(WALK_NEVER_LANDS, changesToLand(narrow, std::numeric_limits<float>::infinity()));
    EXPECT_EQ(WALK_NEVER_LANDS, changesToLand(narrow, 1e-45f));
    EXPECT_EQ(0, changesToLand(oneFloat, 1));
}

}  // namespace
