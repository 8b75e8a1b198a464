#pragma once
// The empirical variogram: every pair of data points sorted into distance bins, with the mean
// squared difference of their values per bin.
#include "capacities.h"

struct VariogramBins {
    int nb = 0;                // number of bins
    float width = 0;           // rMax / nb
    int count[MAX_BINS];       // pairs per bin
    float sum[MAX_BINS];       // sum of squared value differences
    float variance[MAX_BINS];  // sum / count, 0 for a bin without pairs
};

// n * n / 150, held within MIN_BINS..MAX_BINS.
int suggestedBinCount(int n);

// The bin of a pair at distance d.  A pair at rMax, or beyond it by rounding, falls in the last
// bin; so does every pair when the width is zero (all data at one position).
int binIndex(float d, float width, int nb);

// Visits each unordered pair of the n points once, storing nothing per pair.
void binPairs(const float x[], const float y[], const float z[], int n, int nb, float width,
              VariogramBins& bins);
