// verify: the suite's numerical routines against theory, in one table.
// Usage: verify [PLOT.svg]
// Prints one row per verdict (quantity, what theory expects, what was measured, pass or FAIL) and
// exits with status 1 when any verdict fails.  With an argument it also draws the convergence
// studies as an SVG picture.
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "checks.h"
#include "command_line.h"
#include "convergence_plot.h"
#include "tool_files.h"
#include "verdict.h"

namespace {

constexpr const char* USAGE = "Usage: verify [PLOT.svg]";
constexpr const char* HELP =
    "Usage: verify [PLOT.svg]\n"
    "\n"
    "Runs the numerical routines of orbits, heater, gridder and factor against theory and\n"
    "prints one table: each quantity, what theory expects, what was measured, and the\n"
    "verdict.  Exit status 1 when a verdict fails.  With PLOT.svg, also draws the\n"
    "convergence studies (error against step or spacing, log-log) there.\n";

}  // namespace

int main(int argc, char** argv) {
    if (auto status = answerToolArguments(argc, argv, "verify", HELP)) return *status;
    std::string argument = argc == 2 ? argv[1] : "";
    if (argc > 2 || (!argument.empty() && argument[0] == '-')) return refuse("verify", USAGE, 2);
    std::vector<Verdict> rows;
    std::vector<ConvergenceStudy> studies;
    checkOrbits(rows, studies);
    checkHeater(rows, studies);
    checkKriging(rows);
    checkCrossValidation(rows, EXAMPLES_DIRECTORY);
    checkEigen(rows);
    printVerdictTable(std::cout, rows);
    if (!argument.empty()) {
        std::ostringstream picture;
        writeConvergencePlot(picture, studies);
        std::string error;
        if (!writeWholeFile(argument, picture.str(), {}, error)) return refuse("verify", error);
    }
    return allPass(rows) ? 0 : 1;
}
