#pragma once
// The temperature field of a vertical (x, z) cross-section and the vectors the solvers use.
//
// Arrays are 50 x 50 and used from index 1, so a grid holds at most 49 rows and 49 columns; index
// 0 of either dimension is never used.  Row 1 is the surface, column 1 the left (arc) edge.

constexpr int FIELD_SIZE = 50;
constexpr int MAX_POINTS = FIELD_SIZE - 1;

using TemperatureField = float[FIELD_SIZE][FIELD_SIZE];
using FieldVector = float[FIELD_SIZE];

// rhoC = k / kappa; a diffusivity of zero or less has no meaningful heat capacity, so 1 is used
// and the heat production then enters undivided.
inline float volumetricHeatCapacity(float k, float kappa) {
    return kappa > 0 ? k / kappa : 1.0f;
}
