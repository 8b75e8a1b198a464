#include "radius_walk.h"

#include <cmath>

#include "capacities.h"
#include "distance.h"

int RadiusBand::direction(float r) const {
    if (!(hasLow && low <= r)) return 1;
    if (hasHigh && high <= r) return -1;
    return 0;
}

namespace {

// The MAX_NEIGHBORS + 1 smallest of the distances offered, ascending.
class SmallestDistances {
  public:
    static constexpr int KEPT = MAX_NEIGHBORS + 1;
    bool full() const { return count_ == KEPT; }
    float largest() const { return smallest_[count_ - 1]; }
    void offer(float d) {
        if (d != d) return;
        if (full() && !(d < largest())) return;
        int slot = full() ? KEPT - 1 : count_++;
        for (; slot > 0 && smallest_[slot - 1] > d; --slot) smallest_[slot] = smallest_[slot - 1];
        smallest_[slot] = d;
    }
    RadiusBand band() const {
        RadiusBand band;
        band.hasLow = count_ >= MIN_NEIGHBORS;
        if (band.hasLow) band.low = smallest_[MIN_NEIGHBORS - 1];
        band.hasHigh = full();
        if (band.hasHigh) {
            band.high = smallest_[KEPT - 1];
            int below = KEPT - 2;
            while (below > 0 && !(smallest_[below] < band.high)) --below;
            band.belowHigh = smallest_[below];
        }
        return band;
    }

  private:
    float smallest_[KEPT];
    int count_ = 0;
};

}  // namespace

RadiusBand radiusBand(const float x[], const float y[], int n, float x0, float y0) {
    SmallestDistances kept;
    for (int i = 0; i < n; ++i) {
        // A distance is never below the difference in x or in y: such data cannot enter.
        if (kept.full()) {
            float bound = kept.largest();
            if (std::fabs(x[i] - x0) >= bound || std::fabs(y[i] - y0) >= bound) continue;
        }
        kept.offer(separation(x[i], y[i], x0, y0));
    }
    return kept.band();
}

RadiusBand radiusBandOf(const float distance[], int count) {
    SmallestDistances kept;
    for (int i = 0; i < count; ++i) kept.offer(distance[i]);
    return kept.band();
}

float changedRadius(float r, int direction) {
    return static_cast<float>(r * (direction < 0 ? RADIUS_SHRINK : RADIUS_GROWTH));
}

long long changesToLand(const RadiusBand& band, float r) {
    float saved = r;
    long long sinceSaved = 0;
    long long window = 1;
    for (long long changes = 0;; ++changes) {
        int direction = band.direction(r);
        if (direction == 0) return changes;
        r = changedRadius(r, direction);
        // A radius that is not a number never comes back equal to itself.
        if (r == saved || r != r) return WALK_NEVER_LANDS;
        if (++sinceSaved == window) {
            saved = r;
            window *= 2;
            sinceSaved = 0;
        }
    }
}
