#pragma once
// One time step of heat conduction with uniform heat production in the (x, z) field, and the
// movement of a subducting plate along a straight fault.
//
// Rows 1 and nz keep their temperatures; the sides have zero horizontal gradient (a neighbour
// outside the grid reads the one on the other side).  Everything is single precision; the working
// arrays are static, so no step allocates.  nx and nz are 1..MAX_POINTS (the dialogue asks for
// 3..49); other sizes leave T untouched.
#include "field.h"

void explicitStep(float k, float dt, float dx, float dz, float A, float kappa, int nx, int nz,
                  TemperatureField& T);

// Two half-steps of dt/2: implicit in x and explicit in z, then the other way round.
void adiStep(float k, float dt, float dx, float dz, float A, float kappa, int nx, int nz,
             TemperatureField& T);

// Thomas algorithm without pivoting for lower[i] x[i-1] + main[i] x[i] + upper[i] x[i+1] = rhs[i],
// i = 1..n.  rhs is overwritten; the three diagonals are left as they were.
void solveTridiagonal(int n, const FieldVector& lower, const FieldVector& main,
                      const FieldVector& upper, FieldVector& rhs, FieldVector& solution);

// The fault runs through the nodes (i, nz - i + 1); the lower plate below and right of it moves
// v*dt down-dip, and every fault node below the surface gains the frictional heat of one segment.
void subductionStep(float k, float dt, float dx, float dz, float kappa, int nx, int nz, float tau,
                    float v, TemperatureField& T);

// Sizes the solvers accept without touching anything outside the field.
inline bool fitsField(int nx, int nz) {
    return nx >= 1 && nx <= MAX_POINTS && nz >= 1 && nz <= MAX_POINTS;
}
