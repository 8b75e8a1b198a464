// The largest table factor takes: 100 variables by 300 samples.  Times the statistics and the
// search for all 100 eigenpairs of the covariance matrix at epsilon 1.e-7.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <sstream>

#include "capacities.h"
#include "eigen.h"
#include "statistics.h"

namespace {

struct Table {
    SampleMatrix data{};
    VarVector mean{}, variance{}, sigma{}, eigenvalue{};
    VarMatrix cov{}, corr{}, work{}, eigenvector{};
};

// Reproducible uniform numbers in -0.5..0.5 (a linear congruential generator), so that every
// run times the same table.
struct Uniform {
    std::uint32_t state = 12345;
    float operator()() {
        state = state * 1664525u + 1013904223u;
        return float(state >> 8) / float(1u << 24) - 0.5f;
    }
};

// Five hidden factors with fixed loadings plus noise: a table as measured.  Its 95 noise
// eigenvalues lie close together, so the search gives up after the leading ones.
std::unique_ptr<Table> makeTable() {
    auto t = std::make_unique<Table>();
    Uniform uniform;
    float loading[5][MAXVAR];
    for (auto& row : loading)
        for (float& l : row) l = 4 * uniform();
    for (int i = 0; i < MAXSAMPLE; ++i) {
        float hidden[5];
        for (float& h : hidden) h = 2 * uniform();
        for (int j = 0; j < MAXVAR; ++j) {
            float v = 10 + uniform();
            for (int f = 0; f < 5; ++f) v += loading[f][j] * hidden[f];
            t->data[i][j] = v;
        }
    }
    computeMeans(t->data, MAXSAMPLE, MAXVAR, t->mean);
    computeCovariance(t->data, t->mean, MAXSAMPLE, MAXVAR, t->cov);
    return t;
}

// Independent variables whose variances fall by a factor 0.9 from one to the next: well
// separated eigenvalues, so that all 100 eigenpairs converge.
std::unique_ptr<Table> makeSeparatedTable() {
    auto t = std::make_unique<Table>();
    Uniform uniform;
    float scale[MAXVAR];
    for (int j = 0; j < MAXVAR; ++j) scale[j] = float(std::pow(0.9, j / 2.0));
    for (int i = 0; i < MAXSAMPLE; ++i)
        for (int j = 0; j < MAXVAR; ++j) t->data[i][j] = 5 + scale[j] * uniform();
    computeMeans(t->data, MAXSAMPLE, MAXVAR, t->mean);
    computeCovariance(t->data, t->mean, MAXSAMPLE, MAXVAR, t->cov);
    return t;
}

void BM_Statistics(benchmark::State& state) {
    auto t = makeTable();
    for (auto _ : state) {
        computeMeans(t->data, MAXSAMPLE, MAXVAR, t->mean);
        computeCovariance(t->data, t->mean, MAXSAMPLE, MAXVAR, t->cov);
        computeDeviations(t->cov, MAXVAR, t->variance, t->sigma);
        computeCorrelation(t->cov, t->sigma, MAXVAR, t->corr);
        benchmark::DoNotOptimize(t->corr);
    }
}
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);

void searchAllEigenpairs(benchmark::State& state, const Table& table) {
    auto t = std::make_unique<Table>(table);
    int found = 0;
    std::ostringstream console;  // a failure message, if any, is not timed on the terminal
    for (auto _ : state) {
        t->work = t->cov;
        found = MAXVAR;
        EIGEN(1e-7f, MAXVAR, t->work, found, t->eigenvalue, t->eigenvector, console);
        benchmark::DoNotOptimize(t->eigenvalue);
    }
    state.counters["found"] = found;
}

void BM_AllEigenpairsSeparated(benchmark::State& state) {
    searchAllEigenpairs(state, *makeSeparatedTable());
}
BENCHMARK(BM_AllEigenpairsSeparated)->Unit(benchmark::kMillisecond);

void BM_AllEigenpairsFiveFactors(benchmark::State& state) {
    searchAllEigenpairs(state, *makeTable());
}
BENCHMARK(BM_AllEigenpairsFiveFactors)->Unit(benchmark::kMillisecond);

}  // namespace
