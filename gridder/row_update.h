#pragma once
// One step of an elimination along a row: c[i] = float(c[i] - double(b[i]) * s) for
// i = from..n-1.  The product of two floats is exact in double, and each entry is rounded to a
// float after its subtraction, exactly as the one-entry-at-a-time form does.  The entries do not
// depend on each other, so SSE2 (which every x86-64 has) takes four side by side, then two, each
// with its own roundings.  No fused multiply-add: the product is formed (exactly) before the
// subtraction.
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

inline void subtractScaledRow(float* c, const float* b, float s, int from, int n) {
    int i = from;
#if defined(__SSE2__)
    const __m128d scale = _mm_set1_pd(s);
    for (; i + 4 <= n; i += 4) {
        __m128 cv = _mm_loadu_ps(c + i);
        __m128 bv = _mm_loadu_ps(b + i);
        __m128d low = _mm_sub_pd(_mm_cvtps_pd(cv), _mm_mul_pd(_mm_cvtps_pd(bv), scale));
        __m128d high = _mm_sub_pd(_mm_cvtps_pd(_mm_movehl_ps(cv, cv)),
                                  _mm_mul_pd(_mm_cvtps_pd(_mm_movehl_ps(bv, bv)), scale));
        _mm_storeu_ps(c + i, _mm_movelh_ps(_mm_cvtpd_ps(low), _mm_cvtpd_ps(high)));
    }
    if (i + 2 <= n) {
        __m128d cv = _mm_setr_pd(c[i], c[i + 1]);
        __m128d bv = _mm_setr_pd(b[i], b[i + 1]);
        __m128 pair = _mm_cvtpd_ps(_mm_sub_pd(cv, _mm_mul_pd(bv, scale)));
        c[i] = _mm_cvtss_f32(pair);
        c[i + 1] = _mm_cvtss_f32(_mm_shuffle_ps(pair, pair, 1));
        i += 2;
    }
#endif
    for (; i < n; ++i) c[i] = static_cast<float>(c[i] - static_cast<double>(b[i]) * s);
}
