// factorplot: the scree plot and the loading plot of a factor analysis, from factor's report.
#include <iostream>
#include <sstream>
#include <string>

#include "command_line.h"
#include "factor_plot.h"
#include "factor_report.h"
#include "tool_files.h"

namespace {

const char* const TOOL = "factorplot";
const char* const USAGE = "Usage: factorplot REPORT [OUT.svg]\n";
const char* const HELP =
    "Usage: factorplot REPORT [OUT.svg]\n"
    "Draws factor's report as one picture: the scree plot (each eigenvalue against\n"
    "its number, with the cumulative share of the trace) and the loadings of the\n"
    "first two factors (each variable an arrow from the origin).  Without OUT.svg\n"
    "the picture is REPORT.svg beside the report.\n"
    "  --help, --version\n";

}  // namespace

int main(int argc, char** argv) {
    std::string first = argc > 1 ? argv[1] : "";
    if (auto status = answerToolArguments(argc, argv, TOOL, HELP)) return *status;
    if (argc < 2 || argc > 3 || (first.size() > 1 && first[0] == '-'))
        return refuse(TOOL, std::string(USAGE, USAGE + std::string(USAGE).size() - 1), 2);
    std::string report = first, picture = argc == 3 ? argv[2] : pictureNameFor(report);
    std::string text, error;
    if (!readWholeFile(report, text, error)) return refuse(TOOL, error);
    std::istringstream in(text);
    FactorReport parsed;
    if (!readFactorReport(in, parsed, error)) return refuse(TOOL, report + ", " + error);
    std::ostringstream svg;
    writeFactorPlot(svg, parsed, report + ": principal factors");
    if (!writeWholeFile(picture, svg.str(), {report}, error)) return refuse(TOOL, error);
    std::cout << "Wrote " << picture << "\n";
    return 0;
}
