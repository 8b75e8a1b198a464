#include "extent.h"

#include <cmath>

#include "console.h"

DataExtent computeExtent(const float x[], const float y[], int n) {
    DataExtent e;
    if (n < 1) return e;
    e.xMin = e.xMax = x[0];
    e.yMin = e.yMax = y[0];
    for (int i = 1; i < n; ++i) {
        e.xMin = minOf(e.xMin, x[i]);
        e.xMax = maxOf(e.xMax, x[i]);
        e.yMin = minOf(e.yMin, y[i]);
        e.yMax = maxOf(e.yMax, y[i]);
    }
    float dx = e.xMax - e.xMin;
    float dy = e.yMax - e.yMin;
    e.rMax =
        static_cast<float>(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
    e.halfRMax = 0.5f * e.rMax;
    return e;
}
