#pragma once
// The time loop of a run: per step the optional subduction step (with the arc column put back),
// the clock, the conduction step, and either the array written to the file (every step when all
// are saved, else the last) or one short progress line on the screen.
#include <ostream>

#include "field.h"
#include "heater_grid.h"

enum class SolutionMethod { EXPLICIT = 0, ADI = 1 };

struct RunSettings {
    bool subduction = false;
    bool fixArc = false;
    bool saveAll = false;
    SolutionMethod method = SolutionMethod::EXPLICIT;
    int nsteps = 0;
    float k = 0, kappa = 0, A = 0, dt = 0;
    float v = 0, tau = 0;
};

// Runs steps 1..nsteps on T.  arc holds the left column (rows 1..nz) as it was when the fix was
// chosen; rows 1..nz-1 of column 1 are reset to it before every conduction step.  With no step at
// all, writes the starting field once, captioned as time step 0.
void runTimeLoop(const RunSettings& run, const HeaterGrid& grid, const FieldVector& arc,
                 TemperatureField& T, std::ostream& file, std::ostream& screen);
