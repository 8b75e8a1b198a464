// orbits: motion of 2 to 10 point masses under their mutual gravitation, stepped through time by
// one of three methods, with the angular momentum and the energy as the measure of accuracy.  On
// request it follows chosen bodies on the screen, in "History.txt" and as paths in a metafile.
#include <cmath>
#include <iostream>
#include <string>
#include <string_view>

#include "answers.h"
#include "bodies.h"
#include "center_of_mass.h"
#include "command_line.h"
#include "console.h"
#include "history.h"
#include "integrators.h"
#include "invariants.h"
#include "metafile_name_question.h"
#include "notation.h"
#include "output_files.h"
#include "scale_to_fit.h"
#include "state_lines.h"
#include "step_count.h"
#include "yes_words.h"

namespace {

const char* const LOG_NAME = "History.txt";

int askBodyCount() {
    for (;;) {
        int n =
            askInt([] { std::cout << "\nInput number of bodies ( <= " << MAX_BODIES << "): "; });
        if (n >= 2 && n <= MAX_BODIES) return n;
    }
}

// Seven numbers a body, in any layout; a word that is no number is passed over.
void askBodies(int n, double mass[], BodyVectors position, BodyVectors velocity) {
    for (int i = 0; i < n; ++i) {
        mass[i] = askDouble(
            "Input, using one line for each body, the:\n"
            "     mass   X-posit.  Y-posit.  Z-posit.  X-veloc.  Y-veloc.  Z-veloc.\n");
        for (int k = 0; k < 3; ++k) position[k][i] = askDouble("");
        for (int k = 0; k < 3; ++k) velocity[k][i] = askDouble("");
        writeBodyEcho(std::cout, i, mass, position, velocity);
        if (i < n - 1) std::cout << "\nNext mass ? \n";
    }
}

int askMethod() {
    for (;;) {
        int intOpt = askInt(
            "\nEnter integration-method option:\n"
            "   0 for EXPLICIT method,\n"
            "   1 for PREDICTOR-CORRECTOR method (variant 1),\n"
            "   2 for PREDICTOR-CORRECTOR method (variant 2): ");
        if (intOpt >= EXPLICIT && intOpt <= PREDICTOR_CORRECTOR_2) return intOpt;
    }
}

void explainHistories() {
    std::cout << "\nYou may elect to display the histories of all, some,\n"
                 "   or none of the bodies.\n"
                 "(This display would include output of position and velocity\n"
                 "   to the screen, the same to a log file, plus a projection\n"
                 "   of the positions to two plot metafiles.)\n"
                 "If no histories are selected, the final positions and errors\n"
                 "   are still displayed on-screen, and execution is very\n"
                 "   much faster.  This option is useful for previewing\n"
                 "   the accuracy of a calculation as a function of timestep.\n"
                 "\nFor each mass,\n"
                 "Indicate (Yes/No) whether you wish to see and plot its history\n";
}

// Returns whether any body is shown.
bool askShown(int n, bool show[]) {
    bool any = false;
    for (int i = 0; i < n; ++i) {
        show[i] = isYesWord(askWord([i] { std::cout << "Show mass #" << i + 1 << "?: "; }));
        any = any || show[i];
    }
    return any;
}

// The log has a fixed name; a metafile of that name would share its file and the two streams
// would overwrite each other.  A name the scale-to-fit pass could not rewrite at the end of the
// run (its scratch file, a folder, a device, a pipe) is asked again now too.
std::string askMetafileName() {
    return askFittableMetafileName("\nEnter filename (with .skm extension) for graphics metafile: ",
                                   [](const std::string& name) {
                                       if (!namesOneFile(name, LOG_NAME)) return std::string();
                                       return std::string("The history log goes to ") + LOG_NAME +
                                              "; the metafile needs a file of its own.\n";
                                   });
}

void writeMetafileTitle(std::ostream& metafile, int intOpt, double dt) {
    static const char* const TITLES[3] = {
        "Explicit method, dt = ", "Predictor/Corrector method #1, dt = ",
        "Predictor/Corrector method #2, dt = "};
    metafile << "T 0.1  -0.20 0.0  0.16  50\n" << TITLES[intOpt] << num(dt) << "\n";
}

void writeHistoryHeadings(bool anyShown, std::ostream& log) {
    std::cout << "\n             "
                 " X-posit.   Y-posit.   Z-posit.   X-veloc.   Y-veloc.   Z-veloc.\n";
    if (anyShown)
        log << "             "
               "    X-position    Y-position    Z-position    X-velocity"
               "    Y-velocity    Z-velocity\n";
}

// |(final - initial) / initial|: fabs, so that a zero error prints 0 and never -0.
double fractionalError(double initial, double final) {
    return std::fabs((final - initial) / initial);
}

}  // namespace

// What --help prints.
constexpr std::string_view HELP = R"help(Usage: orbits [--help | --version]
Moves 2 to 10 point masses under their mutual gravitation and reports how
well the run keeps angular momentum and energy.  Every input is typed at the
prompts, in this order:
  1. the gravitational constant;
  2. the number of bodies (2 to 10);
  3. for each body: mass, x, y, z, x-velocity, y-velocity, z-velocity;
  4. the total time and the time step;
  5. the method: 0 explicit, 1 or 2 predictor-corrector;
  6. for each body, whether to follow its history (Y, yes, T, true, ...);
  7. with a body followed: the graphics metafile to write (.skm).
With a body followed, writes History.txt, the metafile and the scratch file
temporary.tmp in the working directory.
Once the metafile is written it says "Now use Sketcher": Sketcher is an
outside program that renders metafiles, and here skm2svg plays its part
(skm2svg FILE.skm draws the picture FILE.svg).
)help";

int main(int argc, char** argv) {
    if (auto status = answerProgramArguments(argc, argv, "orbits", HELP)) return *status;
    std::ios::sync_with_stdio(false);  // the console gets its own buffer: no flush per line
    double mass[MAX_BODIES];
    BodyVectors position, velocity, previous;
    bool show[MAX_BODIES];

    std::cout << "Orbits: computes motion of masses in space,\n"
                 "subject only to mutual gravitational acceleration.\n\n";
    double G = askDouble("Input gravitational constant: ");
    int n = askBodyCount();
    std::cout << "\n";
    askBodies(n, mass, position, velocity);

    toCenterOfMass(mass, n, velocity, position);
    std::cout << "\nInitial positions in center-of-mass coordinates:\n";
    writeInitialPositions(std::cout, mass, n, position);
    std::cout << "\nInitial velocities in center-of-mass coordinates:\n";
    writeInitialVelocities(std::cout, mass, n, velocity);
    std::cout << "\n";
    double initialMomentum = angularMomentum(mass, n, velocity, position);
    std::cout << "\n";
    double initialEnergy = systemEnergy(G, mass, n, velocity, position);
    std::cout << "\n";

    double totalTime = askDouble("Input total time of history and timestep-size: ");
    double dt = askDouble("");
    StepCount count = stepCount(totalTime, dt);
    if (count.refusal != nullptr) std::cerr << count.refusal << "\n";
    std::cout << "\n" << count.nsteps << " timesteps will be used\n";
    int intOpt = askMethod();

    explainHistories();
    bool anyShown = askShown(n, show);
    OutputFile log, metafile;
    std::string metafileName;
    if (anyShown) {
        log.create(LOG_NAME);
        metafileName = askMetafileName();
        metafile.create(metafileName);
        writeMetafileTitle(metafile, intOpt, dt);
    }

    writeHistoryHeadings(anyShown, log);
    runHistory(count.nsteps, dt, G, intOpt, mass, n, velocity, position, show, previous,
               {std::cout, log, metafile});

    std::cout << "\n";
    for (int i = 0; i < n; ++i) writeScreenBodyLine(std::cout, i, position, velocity);
    toCenterOfMass(mass, n, velocity, position);
    std::cout << "\n";
    double finalMomentum = angularMomentum(mass, n, velocity, position);
    // General notation with the digits the z component above left on the console.
    std::cout << "Fractional error in angular momentum ="
              << num(fractionalError(initialMomentum, finalMomentum)) << "\n\n";
    double finalEnergy = systemEnergy(G, mass, n, velocity, position);
    std::cout << "Fractional error in total energy     ="
              << num(fractionalError(initialEnergy, finalEnergy)) << "\n";

    if (anyShown) {
        log.close();
        metafile.close();
        std::cout << "----------------------------------------------------\n";
        scaleToFit<double>(metafileName);
        std::cout << "\nMetafile " << metafileName << " is completed.  Now use Sketcher.\n";
    }
    std::cout << "\n";
    pauseForKey();
    return 0;
}
