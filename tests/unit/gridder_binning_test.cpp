#include <gtest/gtest.h>

#include <cstdint>

#include "binning.h"

namespace {

TEST(SuggestedBinCount, Examples) {
    EXPECT_EQ(66, suggestedBinCount(100));
    EXPECT_EQ(20, suggestedBinCount(50));
    EXPECT_EQ(200, suggestedBinCount(200));
    EXPECT_EQ(20, suggestedBinCount(0));
    EXPECT_EQ(20, suggestedBinCount(54));    // 2916 / 150 = 19.44
    EXPECT_EQ(20, suggestedBinCount(55));    // 3025 / 150 = 20.17
    EXPECT_EQ(199, suggestedBinCount(173));  // 29929 / 150 = 199.53, truncated
    EXPECT_EQ(200, suggestedBinCount(174));
    EXPECT_EQ(200, suggestedBinCount(4000));
}

TEST(BinIndex, EdgesOfTheRange) {
    EXPECT_EQ(0, binIndex(1e-15f, 0.5f, 20));  // coincident points: bin 1
    EXPECT_EQ(9, binIndex(4.999f, 0.5f, 20));
    EXPECT_EQ(10, binIndex(5.0f, 0.5f, 20));     // a bin covers [k w, (k + 1) w)
    EXPECT_EQ(19, binIndex(10.0f, 0.5f, 20));    // exactly rMax: the last bin
    EXPECT_EQ(19, binIndex(10.001f, 0.5f, 20));  // beyond it by rounding
    EXPECT_EQ(19, binIndex(1e-15f, 0.0f, 20));   // all data at one position
}

// Four points, two of them coincident, spanning rMax = 10 with 4 bins of 2.5:
// A(0,0,1) B(0,0,3) C(3,4,0) D(6,8,2).
TEST(BinPairs, HandCheckedSet) {
    const float x[] = {0, 0, 3, 6}, y[] = {0, 0, 4, 8}, z[] = {1, 3, 0, 2};
    VariogramBins bins;
    binPairs(x, y, z, 4, 4, 2.5f, bins);
    EXPECT_EQ(4, bins.nb);
    EXPECT_EQ(2.5f, bins.width);
    // AB at 1e-15; AC, BC, CD at 5; AD, BD at 10 = rMax.
    EXPECT_EQ(1, bins.count[0]);
    EXPECT_EQ(0, bins.count[1]);
    EXPECT_EQ(3, bins.count[2]);
    EXPECT_EQ(2, bins.count[3]);
    EXPECT_EQ(4.0f, bins.sum[0]);
    EXPECT_EQ(14.0f, bins.sum[2]);  // 1 + 9 + 4
    EXPECT_EQ(2.0f, bins.sum[3]);
    EXPECT_EQ(4.0f, bins.variance[0]);
    EXPECT_EQ(0.0f, bins.variance[1]);  // a bin without pairs
    EXPECT_EQ(static_cast<float>(14.0 / 3), bins.variance[2]);
    EXPECT_EQ(1.0f, bins.variance[3]);
}

TEST(BinPairs, EarlierContentIsCleared) {
    const float x[] = {0, 3}, y[] = {0, 4}, z[] = {0, 1};
    VariogramBins bins;
    for (int k = 0; k < MAX_BINS; ++k) {
        bins.count[k] = 99;
        bins.sum[k] = 99;
    }
    binPairs(x, y, z, 2, 20, 0.25f, bins);
    for (int k = 0; k < 19; ++k) {
        EXPECT_EQ(0, bins.count[k]);
        EXPECT_EQ(0.0f, bins.variance[k]);
    }
    EXPECT_EQ(1, bins.count[19]);
}

// Each squared difference is exact in double and the running sum is rounded to a float once per
// pair: s = float(double(s) + double(dz) * dz).  (Float sums give 7.9399996 here, not 7.9400001.)
TEST(BinPairs, SumRoundedOncePerPair) {
    const float x[] = {0, 0.001f, 0.002f}, y[] = {0, 0, 0}, z[] = {0, 1.1f, 2.3f};
    VariogramBins bins;
    binPairs(x, y, z, 3, 1, 1.0f, bins);
    float s = 0;
    const float dz[] = {1.1f, 2.3f, 2.3f - 1.1f};  // pairs (1,0), (2,0), (2,1)
    for (float d : dz) s = static_cast<float>(s + static_cast<double>(d) * d);
    EXPECT_EQ(3, bins.count[0]);
    EXPECT_EQ(s, bins.sum[0]);
    EXPECT_EQ(7.9400001f, bins.sum[0]);
    EXPECT_EQ(static_cast<float>(static_cast<double>(s) / 3), bins.variance[0]);
}

TEST(BinPairs, EveryPairOnce) {
    const int n = 300;
    float x[n], y[n], z[n];
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / 16777216.0f;
    };
    for (int i = 0; i < n; ++i) {
        x[i] = 100 * next();
        y[i] = 50 * next();
        z[i] = next();
    }
    VariogramBins bins;
    binPairs(x, y, z, n, MAX_BINS, 111.8f / MAX_BINS, bins);
    long total = 0;
    for (int k = 0; k < MAX_BINS; ++k) total += bins.count[k];
    EXPECT_EQ(n * (n - 1) / 2, total);
}

}  // namespace
