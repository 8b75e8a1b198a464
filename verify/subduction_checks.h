#pragma once
// heater's subduction step against the two things it must do: carry the lower plate s = v dt / ds
// node distances down the fault (ds the fault's length per node), and turn the frictional work of
// the fault into heat.
#include "heater_exact_field.h"

// A fault of dip atan(4 / 3): dx = 3 and dz = 4 make ds = 5, and v dt = 1.25 a shift of exactly
// 1/4 node, so that the moved field of the check below is exact in binary.
struct SubductionRun {
    float k = 2, kappa = 1;  // rhoC = 2
    float dx = 3, dz = 4, v = 1.25f, dt = 1, tau = 8;
    int nx = 13, nz = 9;
};

// One step on a field that rises linearly down the fault, T = T_BASE + SLOPE (i - j): a node of the
// moving plate takes the temperature s node distances up-dip, T - 2 SLOPE s, and the upper plate
// keeps its own.  Compared where the plate is whole (below the fault, left of the fault's surface
// point); the shear heat belongs to the fault's nodes, which are left out, and nowhere else.
ExactFieldError subductionMotion(const SubductionRun& run, const SubductionRun& stepped);

// One step on a uniform field: the heat the grid gains, sum(dT) rhoC dx dz, against the work of
// friction tau v dt (nz - 1) ds along the fault below the surface.  largest is |gained - work|
// over the work, bound its rounding bound.
ExactFieldError subductionShearHeat(const SubductionRun& run, const SubductionRun& stepped);
