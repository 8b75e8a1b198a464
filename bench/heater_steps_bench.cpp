// 10,000 time steps on the full 49 x 49 grid, without save-all: the time loop as a run makes it,
// one progress line per step and the field written once at the end (to streams that discard it).
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "solvers.h"
#include "time_loop.h"

namespace {

class NullBuffer : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

TemperatureField T;
FieldVector arc;

// A geotherm of 0 at the surface to 1200 at the bottom, with a warm bulge in the middle so the
// solvers have lateral work to do.
void startField() {
    for (int i = 1; i <= MAX_POINTS; ++i)
        for (int j = 1; j <= MAX_POINTS; ++j)
            T[i][j] =
                25.0f * float(i - 1) + (j > 20 && j < 30 && i > 1 && i < MAX_POINTS ? 100 : 0);
}

void runSteps(benchmark::State& state, SolutionMethod method, bool subduction) {
    NullBuffer sink;
    std::ostream file(&sink), screen(&sink);
    RunSettings run;
    run.method = method;
    run.subduction = subduction;
    run.nsteps = 10000;
    run.k = 2.5f;
    run.kappa = 1.0e-6f;
    run.A = 1.0e-6f;
    run.dt = 1.0e8f;  // within the explicit limit for 1 km spacings
    run.v = 1.0e-9f;
    run.tau = 1.0e7f;
    HeaterGrid grid = newHeaterGrid(MAX_POINTS, MAX_POINTS, 1000.0f, 1000.0f);
    for (auto _ : state) {
        state.PauseTiming();
        startField();
        state.ResumeTiming();
        runTimeLoop(run, grid, arc, T, file, screen);
        benchmark::DoNotOptimize(T[25][25]);
    }
}

void BM_TenThousandAdiSteps(benchmark::State& state) {
    runSteps(state, SolutionMethod::ADI, false);
}
void BM_TenThousandExplicitSteps(benchmark::State& state) {
    runSteps(state, SolutionMethod::EXPLICIT, false);
}
void BM_TenThousandAdiStepsWithSubduction(benchmark::State& state) {
    runSteps(state, SolutionMethod::ADI, true);
}

}  // namespace

BENCHMARK(BM_TenThousandAdiSteps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TenThousandExplicitSteps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TenThousandAdiStepsWithSubduction)->Unit(benchmark::kMillisecond);
