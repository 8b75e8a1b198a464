#pragma once
// The distance between two map points as every part of gridder measures it.
#include <cmath>

// The differences are stored as floats before squaring; the tiny 1e-30 keeps the distance of two
// coincident points above zero (1e-15).
inline float separation(float xa, float ya, float xb, float yb) {
    float dx = xa - xb;
    float dy = ya - yb;
    return static_cast<float>(
        std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy + 1e-30));
}
