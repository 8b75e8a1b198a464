// One predictor-corrector step of ten bodies: two acceleration evaluations of 90 pair terms each.
#include <benchmark/benchmark.h>

#include "integrators.h"
#include "orbits_ten_bodies.h"

namespace {

void BM_PredictorCorrectorStep(benchmark::State& state) {
    TenBodies s;
    for (auto _ : state) {
        integrateStep(1e-4, 1, PREDICTOR_CORRECTOR_1, s.mass, MAX_BODIES, s.velocity, s.position);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(s.position);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PredictorCorrectorStep);

}  // namespace
