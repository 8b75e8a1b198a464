// heater: the thermal history of a vertical (x, z) cross-section by the explicit or the
// alternating-direction-implicit finite-difference method, optionally with a subducting lower
// plate and shear heating on its fault.  The dialogue runs once from top to bottom.
#include <cmath>
#include <iomanip>
#include <iostream>
#include <string>
#include <string_view>

#include "answers.h"
#include "command_line.h"
#include "field.h"
#include "heater_grid.h"
#include "notation.h"
#include "old_file.h"
#include "output_files.h"
#include "stability_limit.h"
#include "time_loop.h"
#include "yes_words.h"

namespace {

// The field, the arc column and the grid live for the whole run.
TemperatureField T;
FieldVector arc;

// 57.296 degrees to the radian, as the dip has always been converted.
constexpr double DEGREES_PER_RADIAN = 57.296;

void printBanner() {
    std::cout << "Program HEATER;\n\n"
              << "Simulates 2-dimensional (x,z) thermal histories\n"
              << "  by the Explicit variant, or\n"
              << "  by the Alternating-Direction-Implicit variant of\n"
              << "  the Finite-Difference method.\n"
              << "\n"
              << "Boundary conditions are:\n"
              << "  -Fixed T on the top;\n"
              << "  -Fixed T on the bottom;\n"
              << "  -dT/dx = 0 along the sides.\n"
              << "\n";
}

bool isOddWithin(int n, int low, int high) {
    return n % 2 != 0 && n >= low && n <= high;
}

int askDepthCount() {
    int nz;
    do {
        nz = askInt([] {
            std::cout << "Enter number of depths (including surface); \n"
                      << " (Number should be ODD, at least  3, and "
                      << "no more than " << std::setw(3) << MAX_POINTS << ": ";
        });
    } while (!isOddWithin(nz, 3, MAX_POINTS));
    return nz;
}

// The printed minimum leaves room for the fault's surface point inside the right edge; only the
// odd count within 3..49 is required, so a narrower grid is still accepted.
int askColumnCount(int shownMinimum) {
    int nx;
    do {
        nx = askInt([shownMinimum] {
            std::cout << "Enter number of columns of points;\n"
                      << " (Number should be ODD, at least " << std::setw(3) << shownMinimum
                      << ", and no more than " << std::setw(3) << MAX_POINTS << ": ";
        });
    } while (!isOddWithin(nx, 3, MAX_POINTS));
    return nx;
}

// dx that gives the grid diagonal the chosen dip.
float askDipSpacing(float dz) {
    float dip;
    do {
        dip = askFloat("Enter dip angle for subduction zone (5 to 85 degrees): ");
    } while (!(dip >= 5 && dip <= 85));
    double angle = double(dip) / DEGREES_PER_RADIAN;
    float dx = float(double(dz) * std::cos(angle) / std::sin(angle));
    std::cout << " dX of " << std::setw(11) << num(dx) << " will be used.\n";
    return dx;
}

// A typed depth profile, spread laterally over a new grid.
HeaterGrid buildNewGrid(bool subduction) {
    std::cout << "\n";
    int nz = askDepthCount();
    float dz = askFloat("Enter spacing of depth points: ");
    int nx = askColumnCount(subduction ? nz + 2 : 3);
    float dx =
        subduction ? askDipSpacing(dz) : askFloat("Enter lateral spacing of columns of points: ");
    std::cout << "\nEnter temperature profile, top to bottom: \n";
    for (int i = 1; i <= nz; ++i) {
        float depth = static_cast<float>(i - 1) * dz;
        T[i][1] = askFloat([i, depth] {
            std::cout << "Depth #" << i << " Z = " << std::setw(9) << num(depth) << " T = ";
        });
    }
    for (int i = 1; i <= nz; ++i)
        for (int j = 2; j <= nx; ++j) T[i][j] = T[i][1];
    return newHeaterGrid(nx, nz, dx, dz);
}

// The starting field: the last array of an old file, or a new grid.  A file that yields no array
// (or is refused) brings the question back.
HeaterGrid startingField(bool subduction) {
    for (;;) {
        std::string answer = askWord(
            "\nDo you wish to read an old output (.grd?) file for \n"
            "  the initial temperatures (Yes/No)?: ");
        if (!isYes(answer)) return buildNewGrid(subduction);
        std::string name = askWord("Enter name of (.grd?) file containing array: ");
        HeaterGrid grid;
        OldFileResult read = readOldFile(name, std::cout, T, grid);
        if (!read.refusal.empty()) {
            std::cout << read.refusal;
        } else if (read.arrays == 0) {
            std::cout << "File was empty, or incorrectly formatted.\n";
        } else {
            std::cout << (read.arrays == 1 ? "Temperature array has been read.\n"
                                           : "File has been read, down to the last array.\n");
            return grid;
        }
    }
}

float askDuration() {
    std::cout << "\n";
    float duration;
    do {
        duration = askFloat("Enter time duration to be modelled: ");
    } while (duration < 0);
    return duration;
}

// The time step must give a whole number of steps that an int holds; anything else (zero, a
// negative step, a step so small that the count overflows) is asked again.
void askTimeStep(float duration, RunSettings& run) {
    for (;;) {
        run.dt = askFloat("Enter size of timestep: ");
        if (!(run.dt > 0)) continue;
        // The half is added in double: a float sum would round a quotient of 0.49999997 up to
        // one step, and an odd count beyond 2^23 up to the next even one.
        double count = static_cast<double>(duration / run.dt) + 0.5;
        if (count < 2147483648.0) {
            run.nsteps = static_cast<int>(count);
            return;
        }
    }
}

void askSubductionSettings(const HeaterGrid& grid, RunSettings& run) {
    run.v = askFloat("Enter subduction velocity: ");
    run.tau = askFloat("Enter shear stress on subduction fault: ");
    run.fixArc =
        isYes(askWord("Do you want to fix the temperatures at the left\n"
                      "  (arc) side of the grid, as a crude approximation\n"
                      "  of the effects of rising magma? (Y/N): "));
    if (run.fixArc)
        for (int i = 1; i <= grid.nz; ++i) arc[i] = T[i][1];
}

void askRunSettings(float duration, const HeaterGrid& grid, RunSettings& run) {
    std::cout << "\n";
    if (run.subduction) askSubductionSettings(grid, run);
    run.kappa = askFloat("Enter diffusivity: ");
    run.k = askFloat("Enter conductivity: ");
    run.A = askFloat("Enter radioactive heat production (per unit volume): ");
    askTimeStep(duration, run);
    std::cout << " " << run.nsteps << " timesteps will be used.\n\n";
    int method;
    do {
        method = askInt("Enter solution method (0 for Explicit; 1 for ADI): ");
    } while (method != 0 && method != 1);
    run.method = method == 1 ? SolutionMethod::ADI : SolutionMethod::EXPLICIT;
    run.saveAll =
        isYes(askWord("\nThe output file always receives the final temperatures.\n"
                      "Do you also want to save (and display) all intermediate\n"
                      "   timesteps? (T/F): "));
}

// Beyond its limit the explicit method amplifies the smallest wiggles of the field every step;
// the run goes on as asked, but the user learns why its numbers turn to garbage.
void warnIfExplicitUnstable(const RunSettings& run, const HeaterGrid& grid) {
    if (run.method != SolutionMethod::EXPLICIT || run.nsteps < 1) return;
    float limit = explicitStableStep(run.kappa, grid.x.spacing, grid.z.spacing, grid.nx, grid.nz);
    if (run.dt > limit) std::cerr << explicitStabilityWarning(run.dt, limit);
}

}  // namespace

// What --help prints.
constexpr std::string_view HELP = R"help(Usage: heater [--help | --version]
Computes the thermal history of a vertical cross-section by explicit or
alternating-direction-implicit finite differences, optionally with a
subducting plate.  Every input is typed at the prompts, in this order:
  1. whether to model subduction;
  2. whether to start from an old .grd file (then its name), or else the
     depths (odd, 3 to 49) and their spacing, the columns (odd, 3 to 49),
     the column spacing or, with subduction, the dip, and a temperature
     for each depth;
  3. the duration (0 writes the starting field and skips to 6);
  4. with subduction: plate velocity, shear stress, whether to fix the arc;
  5. diffusivity, conductivity, heat production, time step, method
     (0 explicit, 1 ADI), whether to save every step;
  6. the gridded-data file (.grd) to write the temperature arrays to.
)help";

int main(int argc, char** argv) {
    if (auto status = answerProgramArguments(argc, argv, "heater", HELP)) return *status;
    printBanner();
    RunSettings run;
    run.subduction =
        isYes(askWord("Do you wish to model subduction in this run?\n"
                      "  (Enter Y if you do, or N if you do not): "));
    HeaterGrid grid = startingField(run.subduction);
    float duration = askDuration();
    if (duration != 0) askRunSettings(duration, grid, run);

    std::string name = askWord("Enter name of (.grd?) file to receive output T arrays: ");
    OutputFile file;
    file.create(name);
    warnIfExplicitUnstable(run, grid);
    runTimeLoop(run, grid, arc, T, file, std::cout);
    file.close();
    std::cout.flush();
    return 0;
}
