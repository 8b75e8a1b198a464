#include "model_row.h"

#include "distance.h"

#if defined(__SSE2__)
#include <emmintrin.h>

namespace {

// sqrt(dx^2 + dy^2 + 1e-30) / (rMax/2) for two differences, as floats.
__m128 scaledDistances(__m128 dx, __m128 dy, __m128d halfRMax) {
    __m128d x2 = _mm_cvtps_pd(dx), y2 = _mm_cvtps_pd(dy);
    __m128d sum =
        _mm_add_pd(_mm_add_pd(_mm_mul_pd(x2, x2), _mm_mul_pd(y2, y2)), _mm_set1_pd(1e-30));
    __m128 d = _mm_cvtpd_ps(_mm_sqrt_pd(sum));
    return _mm_cvtpd_ps(_mm_div_pd(_mm_cvtps_pd(d), halfRMax));
}

}  // namespace
#endif

void modelValuesTo(const VariogramModel& model, float x, float y, const float xs[],
                   const float ys[], int count, float v[]) {
    int k = 0;
#if defined(__SSE2__)
    const __m128 px = _mm_set1_ps(x), py = _mm_set1_ps(y);
    const __m128d half = _mm_set1_pd(model.halfRMax);
    const __m128 c0 = _mm_set1_ps(model.curve0), c1 = _mm_set1_ps(model.curve1);
    const __m128 c2 = _mm_set1_ps(model.curve2), c3 = _mm_set1_ps(model.curve3);
    for (; k + 4 <= count; k += 4) {
        __m128 dx = _mm_sub_ps(_mm_loadu_ps(xs + k), px);
        __m128 dy = _mm_sub_ps(_mm_loadu_ps(ys + k), py);
        __m128 low = scaledDistances(dx, dy, half);
        __m128 high = scaledDistances(_mm_movehl_ps(dx, dx), _mm_movehl_ps(dy, dy), half);
        __m128 t = _mm_movelh_ps(low, high);
        __m128 tt = _mm_mul_ps(t, t);
        // curve0 + curve1 t + curve2 (t t) + curve3 (t t t), summed from the left
        __m128 p = _mm_add_ps(_mm_add_ps(_mm_add_ps(c0, _mm_mul_ps(c1, t)), _mm_mul_ps(c2, tt)),
                              _mm_mul_ps(c3, _mm_mul_ps(tt, t)));
        // A negative value becomes 0; one that is not a number stays as it is.
        p = _mm_andnot_ps(_mm_cmplt_ps(p, _mm_setzero_ps()), p);
        _mm_storeu_ps(v + k, p);
    }
#endif
    for (; k < count; ++k) v[k] = modelVariance(model, separation(xs[k], ys[k], x, y));
}
