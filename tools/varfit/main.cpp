// varfit: fits gridder's variogram polynomial to a variogram file written by gridder's first run.
// Prints curve0, curve1, curve2, curve3 and vMax, one a line, ready to be typed into gridder's
// second run; says on the error stream what it fitted; optionally writes an SVG plot.
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "command_line.h"
#include "tool_files.h"
#include "varfit_arguments.h"
#include "variogram_fit.h"
#include "variogram_plot.h"

// What --help prints.
constexpr std::string_view HELP =
    R"help(Usage: varfit VARIOGRAM_FILE [RMAX] [PLOT.svg] [--weights W]
              [--nugget V] [--fit-to R] [--cutoff C]
       varfit --help | --version
Fits gridder's variogram polynomial to a variogram file of gridder's first
run: the least-squares fit among the cubics that are valid variograms out to
the data's diagonal (a nugget, a linear, a quadratic and a spherical term,
none negative).  Prints curve0, curve1, curve2, curve3 and vMax, one a line,
in the order gridder's second run asks for them, and on the error stream the
model in the data's units, as mean squared difference (gridder's "variance")
and as semivariance (half of it, as other packages print it).

  RMAX           the diagonal gridder prints; optional, the file holds it
  PLOT.svg       a plot of the bins, the model and the pairs per bin
  --weights W    each bin weighted by pairs/r^2 (the default), pairs or equal
  --nugget V     the nugget fixed at V (a mean squared difference), not fitted
  --fit-to R     fit the bins up to distance R (default: half the diagonal)
  --cutoff C     valid only up to 2 C, for kriging with cutoff C (see the
                 manual page for what that risks)

Exit status: 0 fitted; 1 the file refused or no fit possible, or the plot not
written; 2 a wrong command line.
)help";

namespace {

const char* const TOOL = "varfit";

int refuseFile(const std::string& name, const VariogramFileFault& fault) {
    if (fault.line > 0)
        return refuse(TOOL, name + ":" + std::to_string(fault.line) + ": " + fault.what);
    return refuse(TOOL, name + ": " + fault.what);
}

}  // namespace

int main(int argc, char** argv) {
    if (auto status = answerToolArguments(argc, argv, TOOL, HELP)) return *status;
    VarfitArguments args;
    std::string message;
    if (!readVarfitArguments(argc, argv, args, message)) return refuse(TOOL, message, 2);
    std::string text;
    if (!readWholeFile(args.variogramFile, text, message)) return refuse(TOOL, message);
    VariogramFile file;
    VariogramFileFault fault;
    if (!readVariogramFile(text, file, fault)) return refuseFile(args.variogramFile, fault);
    message = rMaxDisagreement(args, file.rMax);
    if (!message.empty()) return refuse(TOOL, message, 2);
    VariogramFit fit;
    if (!fitVariogram(file.bins, file.rMax, fit, message, args.fit))
        return refuse(TOOL, args.variogramFile + ": " + message);
    if (!args.plotFile.empty()) {
        std::ostringstream plot;
        writeVariogramPlot(plot, file.bins, file.rMax, fit);
        if (!writeWholeFile(args.plotFile, plot.str(), {args.variogramFile}, message))
            return refuse(TOOL, message);
    }
    std::cout << fitAnswers(fit);
    std::cerr << fitReport(fit, file.rMax, args.fit);
    return 0;
}
