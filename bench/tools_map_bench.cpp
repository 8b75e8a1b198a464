// Maps written to memory: 61 x 61 nodes (gridder's largest grid) filled and cell by cell, a smooth
// field of 500 x 500 nodes, and the largest grid accepted (2000 x 2000) of pure noise, the worst
// case for the picture's size.  Each reports the picture's size in bytes as a counter.
#include <benchmark/benchmark.h>

#include <cmath>
#include <sstream>

#include "grid_map.h"

namespace {

GridArray gridOf(int n, double (*f)(int, int, int)) {
    GridArray a;
    a.header.x = {0, 1, float(n - 1)};
    a.header.y = {0, 1, float(n - 1)};
    a.header.nx = a.header.ny = n;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) a.values.push_back(float(f(c, r, n)));
    return a;
}

double wavy(int c, int r, int n) {
    double scale = n / 61.0;
    return 100 * std::sin(c / (6.0 * scale)) * std::cos(r / (7.0 * scale)) + c / scale;
}

double noise(int c, int r, int) {
    unsigned h = unsigned(c) * 2654435761u ^ unsigned(r) * 40503u;
    h ^= h >> 13, h *= 0x5bd1e995u, h ^= h >> 15;
    return h % 100000 / 1000.0;
}

void drawMap(benchmark::State& state, const GridArray& grid, bool cells) {
    MapOptions options;
    options.title = "bench.grd";
    options.cells = cells;
    std::string error;
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        writeGridMap(out, grid, options, error);
        bytes = out.str().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = double(bytes);
}

void mapOfGridderGrid(benchmark::State& state) {
    drawMap(state, gridOf(61, wavy), false);
}
BENCHMARK(mapOfGridderGrid)->Unit(benchmark::kMillisecond);

void cellsOfGridderGrid(benchmark::State& state) {
    drawMap(state, gridOf(61, wavy), true);
}
BENCHMARK(cellsOfGridderGrid)->Unit(benchmark::kMillisecond);

void mapOfSmooth500(benchmark::State& state) {
    drawMap(state, gridOf(500, wavy), false);
}
BENCHMARK(mapOfSmooth500)->Unit(benchmark::kMillisecond);

void mapOfNoise2000(benchmark::State& state) {
    drawMap(state, gridOf(2000, noise), false);
}
BENCHMARK(mapOfNoise2000)->Unit(benchmark::kMillisecond)->Iterations(1);

void cellsOfNoise2000(benchmark::State& state) {
    drawMap(state, gridOf(2000, noise), true);
}
BENCHMARK(cellsOfNoise2000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
