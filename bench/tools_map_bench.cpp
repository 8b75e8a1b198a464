// A map of 61 x 61 nodes (gridder's largest grid): colour cells, about ten contour levels and
// their labels, written to memory.
#include <benchmark/benchmark.h>

#include <cmath>
#include <sstream>

#include "grid_map.h"

namespace {

GridArray wavyGrid(int n) {
    GridArray a;
    a.header.x = {0, 1, float(n - 1)};
    a.header.y = {0, 1, float(n - 1)};
    a.header.nx = a.header.ny = n;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            a.values.push_back(float(100 * std::sin(c / 6.0) * std::cos(r / 7.0) + c));
    return a;
}

void mapOfGridderGrid(benchmark::State& state) {
    GridArray grid = wavyGrid(61);
    MapOptions options;
    options.title = "bench.grd";
    std::string error;
    for (auto _ : state) {
        std::ostringstream out;
        writeGridMap(out, grid, options, error);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(mapOfGridderGrid)->Unit(benchmark::kMillisecond);

}  // namespace
