#pragma once
// The largest time step for which the explicit conduction step does not amplify any pattern of
// the field, and the warning heater gives when a run asks for more.
#include <string>

// The largest dt for which explicitStep keeps every pattern of the grid from growing, for a grid
// of nx columns spaced dx and nz rows spaced dz (the rows 1 and nz held fixed, the sides
// mirrored).  Infinity when nothing can grow (kappa = 0, or no interior row to change); 0 when
// every positive step amplifies (kappa < 0, or a zero spacing).  Cost: a few operations.
float explicitStableStep(float kappa, float dx, float dz, int nx, int nz);

// The one line heater writes on the error stream when dt exceeds that limit.
std::string explicitStabilityWarning(float dt, float limit);
