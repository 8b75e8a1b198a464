#include "vector3.h"

#include <cmath>
#include <iostream>

#include "output_files.h"

Vec3 vecSub(const Vec3& a, const Vec3& b) {
    return {float(double(a.x) - b.x), float(double(a.y) - b.y), float(double(a.z) - b.z)};
}

// The three products are exact in double; the sum is rounded to single precision once.
float dotProduct(const Vec3& a, const Vec3& b) {
    return float(double(a.x) * b.x + double(a.y) * b.y + double(a.z) * b.z);
}

Vec3 crossProduct(const Vec3& a, const Vec3& b) {
    return {float(double(a.y) * b.z - double(a.z) * b.y),
            float(double(a.z) * b.x - double(a.x) * b.z),
            float(double(a.x) * b.y - double(a.y) * b.x)};
}

float squaredLength(const Vec3& v) {
    return float(double(v.x) * v.x + double(v.y) * v.y + double(v.z) * v.z);
}

Vec3 UNIT(const Vec3& v) {
    float s = squaredLength(v);
    if (s == 0) {
        std::cout << " ZERO-LENGTH VECTOR SENT TO SUBROUTINE UNIT.\n"
                  << " CANNOT BE PROCESSED; PROGRAM STOPPING.\n";
        stopProgram(-1);
    }
    float length = float(std::sqrt(double(s)));
    return {float(double(v.x) / length), float(double(v.y) / length), float(double(v.z) / length)};
}
