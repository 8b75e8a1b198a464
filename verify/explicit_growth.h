#pragma once
// heater's explicit step at a fraction of its own stability limit, from random disturbances between
// rows held at 0 (a disturbance of a steady state behaves alike, but there the rounding of the
// larger temperatures would feed in new disturbances at every step).  The worst pattern is
// multiplied per step by 1 - 2 fraction, so above the limit (fraction > 1) it grows by more than
// 1 per step and below it nothing grows.  The measured growth is that of the largest disturbance
// over the last 50 of 200 steps.  Cost: 200 steps on nx x nz points.
double explicitGrowthPerStep(double fraction, int nx, int nz, float dx, float dz);
