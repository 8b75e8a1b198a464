#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "radius_walk.h"

namespace {

// The walk one change at a time, remembering every radius: the reference for the number of
// changes and for the verdict that a walk never lands.
long long walkByHand(const RadiusBand& band, float r) {
    std::set<float> seen;
    for (long long changes = 0;; ++changes) {
        int direction = band.direction(r);
        if (direction == 0) return changes;
        if (!seen.insert(r).second) return WALK_NEVER_LANDS;
        r = static_cast<float>(r * (direction < 0 ? 0.75 : 1.2));
    }
}

// Radii from 1 to 1.0001 are met from every start, after up to thousands of changes; the band
// of the one radius 1 is met from none.
TEST(RadiusWalk, LandsOrProvesThatItNeverWill) {
    RadiusBand narrow{1, 1.0001f, 1, true, true};
    RadiusBand oneRadius = narrow;
    oneRadius.high = std::nextafter(1.0f, 2.0f);
    for (int i = 0; i < 20; ++i) {
        float start = 0.5f + 0.73f * static_cast<float>(i);
        EXPECT_NE(WALK_NEVER_LANDS, changesToLand(narrow, start));
        EXPECT_EQ(walkByHand(narrow, start), changesToLand(narrow, start)) << start;
        EXPECT_EQ(WALK_NEVER_LANDS, walkByHand(oneRadius, start));
        EXPECT_EQ(WALK_NEVER_LANDS, changesToLand(oneRadius, start)) << start;
    }
    EXPECT_EQ(0, changesToLand(oneRadius, 1));
}

}  // namespace
