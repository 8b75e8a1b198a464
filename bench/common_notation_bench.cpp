// Calls per second of the fixed-width formatter and of general notation, written into a stream
// that discards its characters (so only the formatting is measured, and nothing allocates).
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "fixed_width.h"
#include "notation.h"

namespace {

class CountingBuffer : public std::streambuf {
public:
    long long count = 0;

protected:
    int_type overflow(int_type c) override {
        ++count;
        return c;
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        count += n;
        return n;
    }
};

const float VALUES[] = {123.456f, -0.001f, 6.02e23f, 99999.99f, 0.0f, 4.95f, -7.0f, 1.5e-7f};

void BM_WriteFixedWidthFloat(benchmark::State& state) {
    CountingBuffer buffer;
    std::ostream os(&buffer);
    std::size_t i = 0;
    for (auto _ : state) {
        writeFixedWidth(os, 10, VALUES[i++ & 7]);
    }
    benchmark::DoNotOptimize(buffer.count);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WriteFixedWidthFloat);

void BM_WriteFixedWidthDouble(benchmark::State& state) {
    CountingBuffer buffer;
    std::ostream os(&buffer);
    std::size_t i = 0;
    for (auto _ : state) {
        writeFixedWidth(os, 12, static_cast<double>(VALUES[i++ & 7]) / 3.0);
    }
    benchmark::DoNotOptimize(buffer.count);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WriteFixedWidthDouble);

void BM_GeneralNotation(benchmark::State& state) {
    CountingBuffer buffer;
    std::ostream os(&buffer);
    std::size_t i = 0;
    for (auto _ : state) {
        os << num(VALUES[i++ & 7]);
    }
    benchmark::DoNotOptimize(buffer.count);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GeneralNotation);

}  // namespace
