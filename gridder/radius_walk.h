#pragma once
// The radius walk of the neighbour search, worked out from two distances instead of a scan of the
// data per radius tried.  A radius r holds #{data with distance <= r} data, so it holds at least
// MIN_NEIGHBORS exactly when the MIN_NEIGHBORS-th smallest distance is <= r, and more than
// MAX_NEIGHBORS exactly when the (MAX_NEIGHBORS + 1)-th is <= r.  A distance that is not a number
// lies inside no radius.

constexpr double RADIUS_SHRINK = 0.75;
constexpr double RADIUS_GROWTH = 1.2;

struct RadiusBand {
    float low = 0;         // smallest radius holding MIN_NEIGHBORS data, when there is one
    float high = 0;        // smallest radius holding MAX_NEIGHBORS + 1 data, when there is one
    float belowHigh = 0;   // the largest distance under high: the widest radius that lands
    bool hasLow = false;   // at least MIN_NEIGHBORS distances are numbers
    bool hasHigh = false;  // at least MAX_NEIGHBORS + 1 distances are numbers

    // +1 when r holds too few data (the walk grows it), -1 when too many (it shrinks), else 0.
    int direction(float r) const;
    // Whether any radius holds MIN_NEIGHBORS to MAX_NEIGHBORS data.
    bool reachable() const { return hasLow && !(hasHigh && high == low); }
};

// One scan of the n data with an insertion into the MAX_NEIGHBORS + 1 smallest distances: O(n),
// plus O(MAX_NEIGHBORS) for each distance that enters them.
RadiusBand radiusBand(const float x[], const float y[], int n, float x0, float y0);
// The same from a list of distances that holds the MAX_NEIGHBORS + 1 smallest of all.
RadiusBand radiusBandOf(const float distance[], int count);

// One change of the walk, rounded to a float as the radius is stored.
float changedRadius(float r, int direction);

constexpr long long WALK_NEVER_LANDS = -1;

// How many changes the walk from r takes until it lands inside the band, or WALK_NEVER_LANDS.
// The walk is a function of the radius alone and a float takes finitely many values, so the walk
// either lands or comes back to a radius it had and then repeats for ever.  The return is found
// by comparing with a radius saved at the 1st, 2nd, 4th, 8th, ... change (cycle detection in
// constant memory): at most about 2 (tail + cycle) changes, each a multiplication.  A band of
// width w on a log scale is typically met within about 0.47 / w changes; a band narrower than the
// rounding of a float may never be met.
long long changesToLand(const RadiusBand& band, float r);
