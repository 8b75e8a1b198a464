#pragma once
// heater's two conduction schemes, chosen by name, through the program's own step routines.
#include "solvers.h"

enum class HeaterMethod { explicitSteps, adi };

inline void heaterStep(HeaterMethod method, float k, float dt, float dx, float dz, float A,
                       float kappa, int nx, int nz, TemperatureField& T) {
    if (method == HeaterMethod::explicitSteps)
        explicitStep(k, dt, dx, dz, A, kappa, nx, nz, T);
    else
        adiStep(k, dt, dx, dz, A, kappa, nx, nz, T);
}
