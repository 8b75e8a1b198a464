// verify: the suite's numerical routines against theory, in one table.
// Usage: verify [PLOT.svg]
// Prints one row per verdict (quantity, what theory expects, what was measured, pass or FAIL) and
// exits with status 1 when any verdict fails.  With an argument, also writes the convergence
// studies as an SVG picture.
#include <iostream>
#include <string>
#include <vector>

#include "checks.h"
#include "verdict.h"

int main(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && std::string(argv[1]) == "--help")) {
        std::cerr << "Usage: verify [PLOT.svg]\n";
        return argc == 2 ? 0 : 2;
    }
    std::vector<Verdict> rows;
    std::vector<ConvergenceStudy> studies;
    checkOrbits(rows, studies);
    checkHeater(rows, studies);
    checkKriging(rows, EXAMPLES_DIRECTORY);
    checkEigen(rows);
    printVerdictTable(std::cout, rows);
    return allPass(rows) ? 0 : 1;
}
