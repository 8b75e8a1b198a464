#pragma once
// varfit's command line: VARIOGRAM_FILE [RMAX] [PLOT.svg] and the options of the fit.  A second
// argument that is a number is RMAX, any other one the plot.
#include <string>

#include "variogram_fit.h"

struct VarfitArguments {
    std::string variogramFile;
    double rMax = 0;  // 0: not typed; the file's diagonal is used
    std::string plotFile;
    FitOptions fit;
};

// False with the message (without the "varfit: " in front) when the command line is wrong.
bool readVarfitArguments(int argc, const char* const argv[], VarfitArguments& args,
                         std::string& message);

// The usage line, for a wrong command line.
extern const char* const VARFIT_USAGE;

// A typed RMAX is refused when it differs from the diagonal the file holds by more than rounding:
// the message, or "" when it agrees (or none was typed).
std::string rMaxDisagreement(const VarfitArguments& args, double fileRMax);
