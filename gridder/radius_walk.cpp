#include "radius_walk.h"

#include "capacities.h"
#include "distance.h"

int RadiusBand::direction(float r) const {
    if (!(hasLow && low <= r)) return 1;
    if (hasHigh && high <= r) return -1;
    return 0;
}

RadiusBand radiusBand(const float x[], const float y[], int n, float x0, float y0) {
    constexpr int KEPT = MAX_NEIGHBORS + 1;
    float smallest[KEPT];  // ascending
    int count = 0;
    for (int i = 0; i < n; ++i) {
        float d = separation(x[i], y[i], x0, y0);
        if (d != d) continue;
        if (count == KEPT && !(d < smallest[KEPT - 1])) continue;
        int slot = count < KEPT ? count++ : KEPT - 1;
        for (; slot > 0 && smallest[slot - 1] > d; --slot) smallest[slot] = smallest[slot - 1];
        smallest[slot] = d;
    }
    RadiusBand band;
    band.hasLow = count >= MIN_NEIGHBORS;
    if (band.hasLow) band.low = smallest[MIN_NEIGHBORS - 1];
    band.hasHigh = count == KEPT;
    if (band.hasHigh) {
        band.high = smallest[KEPT - 1];
        int below = KEPT - 2;
        while (below > 0 && !(smallest[below] < band.high)) --below;
        band.belowHigh = smallest[below];
    }
    return band;
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
