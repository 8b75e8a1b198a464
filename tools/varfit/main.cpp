// varfit: fits gridder's variogram polynomial to a variogram file written by gridder's first run.
// Usage: varfit VARIOGRAM_FILE RMAX [PLOT.svg]
// Prints curve0, curve1, curve2, curve3 and vMax, one a line, ready to be typed into gridder's
// second run; optionally writes an SVG plot of the binned variances with the fitted curve.
#include <cmath>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "command_line.h"
#include "read_number.h"
#include "tool_files.h"
#include "variogram_fit.h"
#include "variogram_plot.h"

// What --help prints.
constexpr std::string_view HELP = R"help(Usage: varfit VARIOGRAM_FILE RMAX [PLOT.svg]
       varfit --help | --version
Fits gridder's variogram polynomial to a variogram file of gridder's first
run.  RMAX is the diagonal gridder prints ("Diagonal of this dataset is ...
long.").  Prints curve0, curve1, curve2, curve3 and vMax, one a line, in the
order gridder's second run asks for them; with PLOT.svg also writes a plot
of the binned variances and the fitted curve.
)help";

namespace {

const char* const TOOL = "varfit";

}  // namespace

int main(int argc, char** argv) {
    if (auto status = answerToolArguments(argc, argv, TOOL, HELP)) return *status;
    if (auto option = unknownOption(argc, argv))
        return refuse(TOOL, "unknown option " + *option + " (varfit --help lists them)", 2);
    if (argc < 3 || argc > 4)
        return refuse(TOOL, "Usage: varfit VARIOGRAM_FILE RMAX [PLOT.svg]", 2);
    std::istringstream rMaxText(argv[2]);
    double rMax = 0;
    if (!readReal(rMaxText, rMax) || rMaxText.peek() != EOF || !(rMax > 0) || !std::isfinite(rMax))
        return refuse(TOOL, "RMAX must be a positive number, as gridder prints the diagonal", 2);
    std::string text, error;
    if (!readWholeFile(argv[1], text, error)) return refuse(TOOL, error);
    std::istringstream in(text);
    std::vector<VariogramBin> bins;
    VariogramFit fit;
    if (!readVariogramFile(in, bins, error) || !fitVariogram(bins, rMax, fit, error))
        return refuse(TOOL, std::string(argv[1]) + ": " + error);
    if (argc == 4) {
        std::ostringstream plot;
        writeVariogramPlot(plot, bins, rMax, fit);
        if (!writeWholeFile(argv[3], plot.str(), {argv[1]}, error)) return refuse(TOOL, error);
    }
    std::cout << fitAnswers(fit);
    if (fit.heldFrom > 0) std::cerr << heldNote(fit, rMax);
    return 0;
}
