#pragma once
// A field that heater's two conduction schemes must carry exactly, to rounding: the steady geotherm
// of a crust that produces heat, T(z) = T_TOP + GRADIENT z - A z^2 / (2 k) (conduction k T'' = -A
// carries the heat produced up to the surface), with a pattern on it that varies across and down,
//   AMPLITUDE cos(2 pi (j - 1) / (nx - 1)) sin(pi (i - 1) / (nz - 1)).
// The geotherm is quadratic, so every second difference of it is exact and each scheme keeps it
// as it is when, and only when, the heat production enters as A / rhoC per unit time.  The
// pattern is one of the patterns that both schemes only scale (mirrored sides, fixed top and
// bottom): by 1 - kappa dt (lx / dx^2 + lz / dz^2) each explicit step and by
// (1 - rz lz)(1 - rx lx) / ((1 + rx lx)(1 + rz lz)) each ADI step, lx = 4 sin^2(pi / (nx - 1)) and
// lz = 4 sin^2(pi / (2 (nz - 1))), rx = kappa dt / (2 dx^2), rz = kappa dt / (2 dz^2).  So after n
// steps the field is the geotherm plus the pattern times that factor to the n-th power, exactly.
#include "heater_methods.h"

// Every value exact in binary (rhoC = k / kappa = 2), so that the schemes' coefficients A / rhoC,
// kappa dt, dx^2, dz^2, rx, rz and q are too and only the field's own arithmetic rounds.  The
// spacings differ and the time step keeps kappa dt (1/dx^2 + 1/dz^2) <= 1/2, where neither scheme
// enlarges an error already made (see the bound).
struct GeothermRun {
    float k = 2, kappa = 1, A = 20;
    float dx = 0.5f, dz = 0.25f, dt = 1.0f / 64;
    int nx = 9, nz = 17, steps = 64;
};

struct ExactFieldError {
    double largest = 0;  // the largest |computed - exact| over every node after every step
    double bound = 0;    // what rounding allows after the last step
};

// Runs method with the parameters of stepped and compares with the exact solution for run (the
// two differ only where a test feeds the check a wrong claim).  Cost: steps x nx x nz nodes.
ExactFieldError geothermWithPattern(HeaterMethod method, const GeothermRun& run,
                                    const GeothermRun& stepped);
inline ExactFieldError geothermWithPattern(HeaterMethod method, const GeothermRun& run) {
    return geothermWithPattern(method, run, run);
}
