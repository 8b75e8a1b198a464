// A 100,000-step history of ten shown bodies: every step writes the time and ten lines to the
// screen (here a file, as when the console is redirected), to the log and to the metafile.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "history.h"
#include "integrators.h"
#include "orbits_ten_bodies.h"

namespace {

constexpr int STEPS = 100000;

void BM_HistoryOfTenShownBodies(benchmark::State& state) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / "orbits-history-bench";
    fs::create_directories(dir);
    bool show[MAX_BODIES];
    for (bool& shown : show) shown = true;
    for (auto _ : state) {
        TenBodies s;
        BodyVectors previous;
        std::ofstream screen(dir / "screen.txt"), log(dir / "History.txt"),
            metafile(dir / "orbit.skm");
        runHistory(STEPS, 1e-4, 1, PREDICTOR_CORRECTOR_1, s.mass, MAX_BODIES, s.velocity,
                   s.position, show, previous, {screen, log, metafile});
        screen.close();
        log.close();
        metafile.close();
    }
    state.counters["MB written"] =
        double(fs::file_size(dir / "screen.txt") + fs::file_size(dir / "History.txt") +
               fs::file_size(dir / "orbit.skm")) /
        1e6;
    fs::remove_all(dir);
    state.SetItemsProcessed(state.iterations() * STEPS);
}
BENCHMARK(BM_HistoryOfTenShownBodies)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
