#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "workload.h"

namespace {

// One element update with both rounding points written out: the product of two floats is exact
// in double, so rounding it to float is the single-precision product; the sum of two floats of
// similar size is exact in double too, so rounding it gives the single-precision sum.
float updated(float a, float x, float y) {
    float product = static_cast<float>(static_cast<double>(a) * x);
    return static_cast<float>(static_cast<double>(product) + y);
}

// Deterministic values between 0.5 and 100, so that every sum above is exact in double.
std::vector<float> someValues(int n, std::uint32_t seed) {
    std::vector<float> v(n);
    for (float& value : v) {
        seed = seed * 1664525u + 1013904223u;
        value = 0.5f + static_cast<float>(seed >> 8) / 16777216.0f * 99.5f;
    }
    return v;
}

constexpr float SENTINEL = -7.25f;

// Every kernel, at every length around its vector width (so that the one-by-one tail is used),
// must round each product and each sum, and touch nothing beyond the n elements.
TEST(Workload, EveryKernelRoundsProductAndSumSeparately) {
    const float a = 1.039867f;
    const int MAX_N = 70;
    std::vector<float> x = someValues(MAX_N, 1);
    std::vector<float> start = someValues(MAX_N + 1, 2);

    // The values must tell a fused multiply-add from two roundings, or this test proves nothing.
    int fusedDiffers = 0;
    for (int i = 0; i < MAX_N; ++i)
        if (std::fma(a, x[i], start[i]) != updated(a, x[i], start[i])) ++fusedDiffers;
    ASSERT_GT(fusedDiffers, 5);

    PassKernelList kernels = availablePassKernels();
    for (int k = 0; k < kernels.count; ++k) {
        for (int n = 0; n <= MAX_N; ++n) {
            std::vector<float> y(start.begin(), start.begin() + n);
            y.push_back(SENTINEL);
            kernels.kernel[k].run(a, x.data(), y.data(), n);
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(updated(a, x[i], start[i]), y[i])
                    << kernels.kernel[k].name << " n=" << n << " i=" << i;
            ASSERT_EQ(SENTINEL, y[n]) << kernels.kernel[k].name << " wrote past n=" << n;
        }
    }
}

TEST(Workload, KernelsWidestFirstPortableLast) {
    PassKernelList kernels = availablePassKernels();
    ASSERT_GE(kernels.count, 1);
    EXPECT_EQ(std::string("portable"), kernels.kernel[kernels.count - 1].name);
    EXPECT_EQ(std::string(kernels.kernel[0].name), fastestPassKernel().name);
#if defined(__x86_64__)
    EXPECT_GE(kernels.count, 2);  // the 128-bit vectors are always there
#endif
}

TEST(Workload, RunsEveryPassInOrderAndStoresEachResult) {
    const Workload w{37, 4, 1.03986f, 12.092f, 0.1379f};
    std::vector<float> x(w.n), y(w.n);
    setUpArrays(w, x.data(), y.data());
    std::vector<int> passes;
    std::vector<float> afterEachPass;
    runPasses(w, fastestPassKernel(), x.data(), y.data(), [&](int pass) {
        passes.push_back(pass);
        afterEachPass.push_back(y[w.n - 1]);
    });
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), passes);
    float expected = w.y0;
    for (int pass = 0; pass < w.passes; ++pass) {
        expected = updated(w.a, w.x0, expected);
        EXPECT_EQ(expected, afterEachPass[pass]) << "pass " << pass + 1;
    }
    for (int i = 0; i < w.n; ++i) EXPECT_EQ(expected, y[i]) << i;
    for (int i = 0; i < w.n; ++i) EXPECT_EQ(w.x0, x[i]) << "x never changes";
}

}  // namespace
