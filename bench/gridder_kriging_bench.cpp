// Kriging a 61 x 61 grid from 4000 scattered data with about 50 neighbours a point, the console
// report of every point going to a file, as when the dialogue's output is redirected.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <vector>

#include "capacities.h"
#include "extent.h"
#include "kriging.h"
#include "kriging_scene.h"

namespace {

// About 45 data inside at this density; a point with more than 50 shrinks its radius to 45 and
// keeps about 25, and the edges see half as many: about 38 a point on average.
constexpr float CUTOFF = 60;

struct Scene : KrigingScene {
    float gridX(int ix) const { return extent.xMin + ix * (extent.xMax - extent.xMin) / 60; }
    float gridY(int iy) const { return extent.yMin + iy * (extent.yMax - extent.yMin) / 60; }
};

void krigeGrid(const Scene& s, KrigingWork& work, float grid[][MAX_GRID]) {
    for (int iy = MAX_GRID - 1; iy >= 0; --iy) {
        for (int ix = 0; ix < MAX_GRID; ++ix) {
            float radius = CUTOFF, estimate, deviation;
            INTERP(0.1f, 1, 0, 0, s.x.data(), s.y.data(), s.z.data(), MAX_DATA, s.extent.halfRMax,
                   1, s.gridX(ix), s.gridY(iy), radius, estimate, deviation, work);
            grid[iy][ix] = estimate + deviation;
        }
    }
}

void BM_Krige61x61From4000(benchmark::State& state) {
    Scene s;
    auto work = std::make_unique<KrigingWork>();
    static float grid[MAX_GRID][MAX_GRID];
    const auto consoleFile =
        std::filesystem::temp_directory_path() / "gridder_kriging_bench_console.txt";
    std::ofstream console(consoleFile);
    std::streambuf* saved = std::cout.rdbuf(console.rdbuf());

    // The neighbours the search settles on, for the record.
    VariogramModel model{0.1f, 1, 0, 0, s.extent.halfRMax};
    long used = 0;
    for (int iy = 0; iy < MAX_GRID; ++iy)
        for (int ix = 0; ix < MAX_GRID; ++ix) {
            float radius = CUTOFF;
            SearchOutcome found = searchNeighbors(model, s.x.data(), s.y.data(), MAX_DATA,
                                                  s.gridX(ix), s.gridY(iy), radius, *work);
            used += found.count;
        }

    for (auto _ : state) {
        krigeGrid(s, *work, grid);
        benchmark::DoNotOptimize(grid[30][30]);
    }
    std::cout.flush();
    std::cout.rdbuf(saved);
    console.close();
    std::filesystem::remove(consoleFile);
    state.counters["meanNeighbours"] = static_cast<double>(used) / (MAX_GRID * MAX_GRID);
    state.counters["points"] = MAX_GRID * MAX_GRID;
}

}  // namespace

BENCHMARK(BM_Krige61x61From4000)->Unit(benchmark::kMillisecond);
