#include "workload.h"

#include "workload_vector.h"

namespace {

void portablePass(float a, const float* x, float* y, int n) {
    for (int i = 0; i < n; ++i) y[i] = a * x[i] + y[i];
}

}  // namespace

PassKernel portablePassKernel() {
    return {"portable", portablePass};
}

PassKernelList availablePassKernels() {
    PassKernelList list{};
#if defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f")) list.kernel[list.count++] = {"avx512f", passAvx512};
    if (__builtin_cpu_supports("avx")) list.kernel[list.count++] = {"avx", passAvx};
    // Every x86-64 processor has the 128-bit vectors.
    list.kernel[list.count++] = {"sse2", passSse2};
#endif
    list.kernel[list.count++] = portablePassKernel();
    return list;
}

PassKernel fastestPassKernel() {
    return availablePassKernels().kernel[0];
}

void setUpArrays(const Workload& w, float* x, float* y) {
    for (int i = 0; i < w.n; ++i) {
        y[i] = w.y0;
        x[i] = w.x0;
    }
}
