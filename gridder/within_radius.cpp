#include "within_radius.h"

#include <cmath>

#include "distance.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The exact test of one datum, as the search describes it.
inline void testDatum(const float x[], const float y[], int i, float x0, float y0, float radius,
                      int index[], float distance[], int capacity, int& count) {
    float d = separation(x[i], y[i], x0, y0);
    if (!(d <= radius)) return;
    if (count < capacity) {
        index[count] = i;
        distance[count] = d;
    }
    ++count;
}

}  // namespace

int dataWithin(const float x[], const float y[], int n, float x0, float y0, float radius,
               int index[], float distance[], int capacity) {
    int count = 0;
    int i = 0;
#if defined(__SSE2__)
    const __m128 px = _mm_set1_ps(x0), py = _mm_set1_ps(y0), r = _mm_set1_ps(radius);
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    for (; i + 4 <= n; i += 4) {
        // The same float differences as separation() forms; a comparison with a value that is
        // not a number is false, so such data go on to the exact test.
        __m128 dx = _mm_and_ps(_mm_sub_ps(_mm_loadu_ps(x + i), px), magnitude);
        __m128 dy = _mm_and_ps(_mm_sub_ps(_mm_loadu_ps(y + i), py), magnitude);
        int outside = _mm_movemask_ps(_mm_or_ps(_mm_cmpgt_ps(dx, r), _mm_cmpgt_ps(dy, r)));
        if (outside == 0xf) continue;
        for (int k = 0; k < 4; ++k)
            if (!(outside >> k & 1))
                testDatum(x, y, i + k, x0, y0, radius, index, distance, capacity, count);
    }
#endif
    for (; i < n; ++i) {
        float dx = x[i] - x0, dy = y[i] - y0;
        if (std::fabs(dx) > radius || std::fabs(dy) > radius) continue;
        testDatum(x, y, i, x0, y0, radius, index, distance, capacity, count);
    }
    return count;
}
