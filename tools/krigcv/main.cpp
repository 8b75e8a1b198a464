// krigcv: leave-one-out cross-validation of gridder's kriging, for one or more variogram models.
// Usage: krigcv DATA_FILE CUTOFF POLYNOMIAL_FILE... [--residuals FILE] [--plot FILE.svg]
// Every input is read and checked before anything is written; the summary goes to standard
// output.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"
#include "cross_validation.h"
#include "cross_validation_plot.h"
#include "cross_validation_summary.h"
#include "krigcv_inputs.h"
#include "tool_files.h"

namespace {

const char* const HELP =
    "Usage: krigcv DATA_FILE CUTOFF POLYNOMIAL_FILE... [--residuals FILE]\n"
    "              [--plot FILE.svg]\n"
    "       krigcv --help | --version\n"
    "\n"
    "Leave-one-out cross-validation of gridder's kriging: each datum is kriged at\n"
    "its own position from all the others, with gridder's own neighbour search and\n"
    "kriging system, once for every variogram model given.  Prints one row per\n"
    "model, best first by RMSE: the number of data, mean error, root-mean-square\n"
    "error, mean standardized error (error / kriging standard deviation), mean\n"
    "squared standardized error (near 1 when the model's variances are right; the\n"
    "row farthest from 1 is marked *), median squared standardized error (0.455\n"
    "for a right model), the share of standardized errors within +-1.96 (0.95 for\n"
    "a right model), the correlation of observed and estimated values, how many\n"
    "points needed a warning, and how many data were left out of the standardized\n"
    "errors (a standard deviation that rounding cannot tell from 0).\n"
    "\n"
    "  DATA_FILE         x y z records, as gridder reads them (at most 4000)\n"
    "  CUTOFF            the cutoff radius, as typed into gridder's second run\n"
    "  POLYNOMIAL_FILE   curve0 curve1 curve2 curve3 vMax, as varfit prints them\n"
    "  --residuals FILE  for the first model, one line per datum: x y observed\n"
    "                    estimate error standard-deviation standardized-error\n"
    "  --plot FILE.svg   for the first model, observed values against their\n"
    "                    estimates, with the 1:1 line\n"
    "\n"
    "Exit status: 0 done; 1 an input refused or an output not written; 2 a wrong\n"
    "command line.\n";

// Main owns the arrays for the whole run.
float dataX[MAX_DATA], dataY[MAX_DATA], dataZ[MAX_DATA];
HeldOutEstimate firstModel[MAX_DATA], otherModel[MAX_DATA];
CrossValidationWork work;

int refuseInput(const std::string& message) {
    std::cerr << message << "\n";
    return 1;
}

// Writes one output file whole, or nothing of it; false with the message on stderr.
template <class Write>
bool writeFile(const std::string& name, const KrigcvArguments& args, Write write) {
    std::ostringstream text;
    write(text);
    std::vector<std::string> inputs = args.polynomialFiles;
    inputs.push_back(args.dataFile);
    std::string error;
    if (writeWholeFile(name, text.str(), inputs, error)) return true;
    std::cerr << krigcvMessage("", 0, error) << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (auto status = answerToolArguments(argc, argv, "krigcv", HELP)) return *status;
    KrigcvArguments args;
    std::string message;
    switch (readKrigcvArguments(argc, argv, args, message)) {
        case ArgumentsStatus::answered:
            std::cout << (args.help ? std::string(HELP) : versionLine("krigcv") + "\n");
            return 0;
        case ArgumentsStatus::refused:
            std::cerr << message << "\n";
            return 2;
        case ArgumentsStatus::run:
            break;
    }
    message = outputOverInput(args);
    if (!message.empty()) return refuseInput(message);

    std::string text, error;
    if (!readWholeFile(args.dataFile, text, error)) return refuseInput(krigcvMessage("", 0, error));
    std::istringstream dataFile(text);
    int n = 0;
    DataExtent extent;
    std::string note;
    if (!readDataFile(dataFile, args.dataFile, dataX, dataY, dataZ, n, extent, note, message))
        return refuseInput(message);
    std::vector<PolynomialModel> models;
    for (const std::string& name : args.polynomialFiles) {
        if (!readWholeFile(name, text, error)) return refuseInput(krigcvMessage("", 0, error));
        std::istringstream file(text);
        PolynomialModel model;
        if (!readPolynomialFile(file, name, model, message)) return refuseInput(message);
        models.push_back(model);
    }
    if (!note.empty()) std::cerr << note << "\n";

    std::vector<CrossValidationSummary> rows;
    for (std::size_t m = 0; m < models.size(); ++m) {
        HeldOutEstimate* result = m == 0 ? firstModel : otherModel;
        crossValidate(models[m], dataX, dataY, dataZ, n, extent.halfRMax, args.cutoff, work,
                      result);
        rows.push_back(summarize(args.polynomialFiles[m], dataZ, result, n));
        std::string zeros = zeroDeviationNote(rows.back());
        if (!zeros.empty()) std::cerr << zeros << "\n";
    }
    writeSummaryTable(std::cout, args.dataFile, args.cutoff, rows);
    std::cout.flush();

    bool written = true;
    if (!args.residualsFile.empty())
        written &= writeFile(args.residualsFile, args, [&](std::ostream& out) {
            writeResiduals(out, dataX, dataY, dataZ, firstModel, n);
        });
    if (!args.plotFile.empty())
        written &= writeFile(args.plotFile, args, [&](std::ostream& out) {
            writeCrossValidationPlot(out, dataZ, firstModel, n);
        });
    return written ? 0 : 1;
}
