#include "binning.h"

#include "distance.h"

int suggestedBinCount(int n) {
    int suggestion = static_cast<int>(n * n / 150.0);
    if (suggestion < MIN_BINS) suggestion = MIN_BINS;
    if (suggestion > MAX_BINS) suggestion = MAX_BINS;
    return suggestion;
}

int binIndex(float d, float width, int nb) {
    double position = static_cast<double>(d) / width;
    if (!(position < nb)) return nb - 1;
    return static_cast<int>(position);
}

void binPairs(const float x[], const float y[], const float z[], int n, int nb, float width,
              VariogramBins& bins) {
    bins.nb = nb;
    bins.width = width;
    for (int k = 0; k < nb; ++k) {
        bins.count[k] = 0;
        bins.sum[k] = 0;
    }
    for (int i = 1; i < n; ++i) {
        for (int j = 0; j < i; ++j) {
            int k = binIndex(separation(x[i], y[i], x[j], y[j]), width, nb);
            float dz = z[i] - z[j];
            bins.count[k] += 1;
            bins.sum[k] = static_cast<float>(bins.sum[k] + static_cast<double>(dz) * dz);
        }
    }
    for (int k = 0; k < nb; ++k)
        bins.variance[k] =
            bins.count[k] > 0 ? static_cast<float>(static_cast<double>(bins.sum[k]) / bins.count[k])
                              : 0.0f;
}
