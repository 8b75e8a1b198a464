#include "time_loop.h"

#include <iomanip>

#include "notation.h"
#include "output_array.h"
#include "solvers.h"

namespace {

void conduct(const RunSettings& run, const HeaterGrid& grid, TemperatureField& T) {
    float dx = grid.x.spacing, dz = grid.z.spacing;
    if (run.method == SolutionMethod::ADI)
        adiStep(run.k, run.dt, dx, dz, run.A, run.kappa, grid.nx, grid.nz, T);
    else
        explicitStep(run.k, run.dt, dx, dz, run.A, run.kappa, grid.nx, grid.nz, T);
}

void moveLowerPlate(const RunSettings& run, const HeaterGrid& grid, const FieldVector& arc,
                    TemperatureField& T) {
    subductionStep(run.k, run.dt, grid.x.spacing, grid.z.spacing, run.kappa, grid.nx, grid.nz,
                   run.tau, run.v, T);
    // The bottom node of the arc column is left to the plate.
    if (run.fixArc)
        for (int i = 1; i <= grid.nz - 1; ++i) T[i][1] = arc[i];
}

// The array with its caption; the screen sees the rows and says "timestep", the file says
// "time step".
void saveStep(int step, float time, const HeaterGrid& grid, const TemperatureField& T,
              std::ostream& file, std::ostream& screen) {
    writeTemperatureArray(file, grid, T);
    echoTemperatureRows(screen, grid, T);
    screen << "^ at end of timestep #" << step << " time = " << std::setw(12) << num(time) << '\n';
    file << "^ at end of time step #" << step << " time = " << std::setw(12) << num(time) << '\n';
}

}  // namespace

void runTimeLoop(const RunSettings& run, const HeaterGrid& grid, const FieldVector& arc,
                 TemperatureField& T, std::ostream& file, std::ostream& screen) {
    if (run.nsteps == 0) {
        writeTemperatureArray(file, grid, T);
        file << " ^ at time step #0, time = 0.0\n";
        return;
    }
    float time = 0;
    for (int step = 1; step <= run.nsteps; ++step) {
        if (run.subduction) moveLowerPlate(run, grid, arc, T);
        time += run.dt;
        conduct(run, grid, T);
        if (run.saveAll || step == run.nsteps)
            saveStep(step, time, grid, T, file, screen);
        else
            screen << " Step " << step << " out of " << run.nsteps << "; time =" << std::setw(12)
                   << num(time) << '\n';
    }
}
