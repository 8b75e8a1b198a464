// Leave-one-out cross-validation of the 4000 scattered data of the kriging benchmark, with its
// cutoff and model: 4000 kriging calls on 3999 data each.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "capacities.h"
#include "cross_validation.h"
#include "cross_validation_summary.h"
#include "extent.h"
#include "kriging_scene.h"

namespace {

constexpr float CUTOFF = 60;  // as in the kriging benchmark: about 38 neighbours a point

void BM_CrossValidate4000(benchmark::State& state) {
    const KrigingScene scene;
    const std::vector<float>&x = scene.x, &y = scene.y, &z = scene.z;
    const DataExtent& extent = scene.extent;
    auto work = std::make_unique<CrossValidationWork>();
    std::vector<HeldOutEstimate> result(MAX_DATA);
    PolynomialModel model{0.1f, 1, 0, 0, 1};
    for (auto _ : state) {
        crossValidate(model, x.data(), y.data(), z.data(), MAX_DATA, extent.halfRMax, CUTOFF, *work,
                      result.data());
        benchmark::DoNotOptimize(result[MAX_DATA / 2].estimate);
    }
    CrossValidationSummary s = summarize("model", z.data(), result.data(), MAX_DATA);
    state.counters["rmse"] = s.rmse;
    state.counters["warnings"] = s.warnings;
}

}  // namespace

BENCHMARK(BM_CrossValidate4000)->Unit(benchmark::kMillisecond);
