#pragma once
// One step of an elimination along rows: c[i] = float(c[i] - b[i] * double(s)) for
// i = from..n-1, with the pivot row b held in double (each entry exactly the float it was).  The
// product of two floats is exact in double, and each entry is rounded to a float after its
// subtraction, exactly as the one-entry-at-a-time form does.  The entries do not depend on each
// other, so SSE2 (which every x86-64 has) takes four side by side, and two rows share the pivot
// row's loads; each entry keeps its own roundings.  No fused multiply-add: the product is formed
// (exactly) before the subtraction.
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#if defined(__SSE2__)
namespace row_update_detail {

// Four entries of c at i, less the products of b (two pairs of doubles) and s.
inline void subtractFour(float* c, __m128d bLow, __m128d bHigh, __m128d s) {
    __m128 entries = _mm_loadu_ps(c);
    __m128d low = _mm_sub_pd(_mm_cvtps_pd(entries), _mm_mul_pd(bLow, s));
    __m128d high = _mm_sub_pd(_mm_cvtps_pd(_mm_movehl_ps(entries, entries)), _mm_mul_pd(bHigh, s));
    _mm_storeu_ps(c, _mm_movelh_ps(_mm_cvtpd_ps(low), _mm_cvtpd_ps(high)));
}

}  // namespace row_update_detail
#endif

inline void subtractScaledRow(float* c, float s, const double* b, int from, int n) {
    int i = from;
#if defined(__SSE2__)
    const __m128d scale = _mm_set1_pd(s);
    for (; i + 4 <= n; i += 4)
        row_update_detail::subtractFour(c + i, _mm_loadu_pd(b + i), _mm_loadu_pd(b + i + 2), scale);
#endif
    for (; i < n; ++i) c[i] = static_cast<float>(c[i] - b[i] * s);
}

inline void subtractScaledRows(float* c0, float s0, float* c1, float s1, const double* b, int from,
                               int n) {
    int i = from;
#if defined(__SSE2__)
    const __m128d scale0 = _mm_set1_pd(s0), scale1 = _mm_set1_pd(s1);
    for (; i + 4 <= n; i += 4) {
        __m128d bLow = _mm_loadu_pd(b + i), bHigh = _mm_loadu_pd(b + i + 2);
        row_update_detail::subtractFour(c0 + i, bLow, bHigh, scale0);
        row_update_detail::subtractFour(c1 + i, bLow, bHigh, scale1);
    }
#endif
    for (; i < n; ++i) {
        c0[i] = static_cast<float>(c0[i] - b[i] * s0);
        c1[i] = static_cast<float>(c1[i] - b[i] * s1);
    }
}
