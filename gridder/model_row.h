#pragma once
// The model values from one point to many: v[k] = modelVariance(model, separation(xs[k], ys[k],
// x, y)) for k = 0..count-1, bit for bit.  Each value goes through the same operations as one by
// one (float differences, their squares summed in double with 1e-30, the square root and the
// division by rMax/2 in double, the cubic in float, a negative value made 0); SSE2 (which every
// x86-64 has) takes four side by side, each with its own roundings.
#include "coefficients.h"

void modelValuesTo(const VariogramModel& model, float x, float y, const float xs[],
                   const float ys[], int count, float v[]);
