#include "workload_vector.h"

#if defined(__x86_64__)
#include <immintrin.h>

// Each kernel multiplies and adds with separate instructions (the target lists carry no fused
// multiply-add), so every lane rounds the product and then the sum, exactly as the element loop.
// The elements that do not fill a whole vector are finished one by one, still in ascending order.

__attribute__((target("avx512f"))) void passAvx512(float a, const float* x, float* y, int n) {
    const __m512 va = _mm512_set1_ps(a);
    int i = 0;
    for (; i + 16 <= n; i += 16) {
        __m512 product = _mm512_mul_ps(va, _mm512_loadu_ps(x + i));
        _mm512_storeu_ps(y + i, _mm512_add_ps(product, _mm512_loadu_ps(y + i)));
    }
    for (; i < n; ++i) y[i] = a * x[i] + y[i];
}

__attribute__((target("avx"))) void passAvx(float a, const float* x, float* y, int n) {
    const __m256 va = _mm256_set1_ps(a);
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        __m256 product = _mm256_mul_ps(va, _mm256_loadu_ps(x + i));
        _mm256_storeu_ps(y + i, _mm256_add_ps(product, _mm256_loadu_ps(y + i)));
    }
    for (; i < n; ++i) y[i] = a * x[i] + y[i];
}

void passSse2(float a, const float* x, float* y, int n) {
    const __m128 va = _mm_set1_ps(a);
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        __m128 product = _mm_mul_ps(va, _mm_loadu_ps(x + i));
        _mm_storeu_ps(y + i, _mm_add_ps(product, _mm_loadu_ps(y + i)));
    }
    for (; i < n; ++i) y[i] = a * x[i] + y[i];
}

#endif
