// The workload of the speed demonstrations: each kernel the programs may choose, against the
// same loop compiled with -O3 -march=native -ffp-contract=off (this file only), in one run.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "workload.h"

namespace {

// The reference: the plain loop, vectorised by the compiler for this processor.
__attribute__((noinline)) void referencePass(float a, const float* x, float* y, int n) {
    for (int i = 0; i < n; ++i) y[i] = x[i] * a + y[i];
}

alignas(64) float x[SPEED90_WORKLOAD.n];
alignas(64) float y[SPEED90_WORKLOAD.n];

void countOperations(benchmark::State& state, double operationsPerIteration) {
    state.counters["FPO"] = benchmark::Counter(operationsPerIteration * state.iterations(),
                                               benchmark::Counter::kIsRate);
}

// One pass over the arrays per iteration.
void onePass(benchmark::State& state, Workload w, PassKernel kernel) {
    setUpArrays(w, x, y);
    for (auto _ : state) {
        kernel.run(w.a, x, y, w.n);
        keepStored(y);
    }
    countOperations(state, 2.0 * w.n);
}

// A whole run of 10^9 operations per iteration, as the program makes it.
void wholeRun(benchmark::State& state, Workload w, PassKernel kernel) {
    for (auto _ : state) {
        setUpArrays(w, x, y);
        runPasses(w, kernel, x, y, [](int) {});
    }
    countOperations(state, static_cast<double>(operationCount(w)));
}

bool registerBenchmarks() {
    const PassKernel reference{"reference-native", referencePass};
    const PassKernel fastest = fastestPassKernel();
    benchmark::RegisterBenchmark("speed90/run/chosen", wholeRun, SPEED90_WORKLOAD, fastest)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("speed90/run/reference-native", wholeRun, SPEED90_WORKLOAD,
                                 reference)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("speed/run/chosen", wholeRun, SPEED_WORKLOAD, fastest)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("speed/run/reference-native", wholeRun, SPEED_WORKLOAD, reference)
        ->Unit(benchmark::kMillisecond);

    PassKernelList available = availablePassKernels();
    std::vector<PassKernel> kernels(available.kernel, available.kernel + available.count);
    kernels.push_back(reference);
    for (const PassKernel& kernel : kernels) {
        for (Workload w : {SPEED90_WORKLOAD, SPEED_WORKLOAD}) {
            std::string name = "pass/n=" + std::to_string(w.n) + "/" + kernel.name;
            benchmark::RegisterBenchmark(name.c_str(), onePass, w, kernel);
        }
    }
    return true;
}

const bool registered = registerBenchmarks();

}  // namespace
