// Binning every pair of a full dataset: 4000 points, 7 998 000 pairs, 200 bins.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "binning.h"
#include "capacities.h"
#include "extent.h"

namespace {

void fillScattered(std::vector<float>& x, std::vector<float>& y, std::vector<float>& z) {
    std::uint32_t seed = 2024;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / 16777216.0f;
    };
    for (size_t i = 0; i < x.size(); ++i) {
        x[i] = 1000 * next();
        y[i] = 1000 * next();
        z[i] = 0.01f * x[i] + 0.02f * y[i] + next();
    }
}

void BM_BinPairs4000(benchmark::State& state) {
    std::vector<float> x(MAX_DATA), y(MAX_DATA), z(MAX_DATA);
    fillScattered(x, y, z);
    DataExtent extent = computeExtent(x.data(), y.data(), MAX_DATA);
    static VariogramBins bins;
    for (auto _ : state) {
        binPairs(x.data(), y.data(), z.data(), MAX_DATA, MAX_BINS, extent.rMax / MAX_BINS, bins);
        benchmark::DoNotOptimize(bins.variance[0]);
    }
    state.counters["pairs"] = MAX_DATA * (MAX_DATA - 1) / 2;
}

}  // namespace

BENCHMARK(BM_BinPairs4000)->Unit(benchmark::kMillisecond);
