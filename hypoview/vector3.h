#pragma once
// Single-precision 3-vectors.  Each routine evaluates its expression in double precision and
// stores the result in single precision, so every value held between steps is a float.

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

Vec3 vecSub(const Vec3& a, const Vec3& b);
float dotProduct(const Vec3& a, const Vec3& b);
Vec3 crossProduct(const Vec3& a, const Vec3& b);

// v divided by its length.  A vector whose squared length is zero in single precision cannot be
// normalised: the two-line ZERO-LENGTH message goes to the console and the program stops (-1).
Vec3 UNIT(const Vec3& v);

// The squared length as UNIT forms it; 0 means UNIT would stop.
float squaredLength(const Vec3& v);
