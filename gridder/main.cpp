// gridder: ordinary kriging of scattered x y z map data onto a regular grid.  A first run forms
// the empirical variogram and writes it for the user to fit a cubic polynomial; a second run
// takes the polynomial and writes the estimates and their standard deviations as gridded-data
// files.
#include <cmath>
#include <iomanip>
#include <iostream>
#include <string>
#include <string_view>

#include "answers.h"
#include "capacities.h"
#include "command_line.h"
#include "console.h"
#include "dataset.h"
#include "output_files.h"
#include "runs.h"

namespace {

// The answer to the polynomial question is held in 11 characters.
constexpr std::size_t POLYNOMIAL_ANSWER_LENGTH = 11;

// Main owns every array of the program for the whole run.
float dataX[MAX_DATA], dataY[MAX_DATA], dataZ[MAX_DATA];
VariogramBins bins;
KrigingGrids grids;
KrigingWork work;

void introduce() {
    std::cout << "\n"
              << "                  Program Gridder:\n"
              << "Interpolates scalar data on a map from any irregular\n"
              << "   positions in any order to positions on a regular\n"
              << "   rectangular grid.\n"
              << "For greatest convenience, Gridder should be used in \n"
              << "   conjunction with program Curvefit for interactive\n"
              << "   fitting of the variogram polynomial.  (Note that\n"
              << "   program Curvefit in turn requires program Sketcher.)\n"
              << "\n";
    std::cout << "This program expects a dataset containing up to " << std::setw(6) << MAX_DATA
              << " lines\n"
              << "  with one datum per line in the order: x y z\n"
              << "The three values must be separated by spaces or commas.\n"
              << "The data points need not be in any particular order.\n"
              << "\n";
}

bool hasPolynomial(const std::string& answer) {
    return isOneOf(answer.c_str(), {"TRUE", "true", "T", "t", "YES", "yes", "Y", "y", "OK", "ok"});
}

}  // namespace

void refuseDataset(const std::string& message) {
    std::cout << message;
    pauseForKey();
    stopProgram(-1);
}

void refuseEndlessDiagonal(const DataExtent& extent) {
    if (!std::isfinite(extent.rMax))
        refuseDataset("ERROR: The diagonal of this dataset exceeds the single-precision range.\n");
}

// What --help prints.
constexpr std::string_view HELP = R"help(Usage: gridder [--help | --version]
Kriges scattered x y z data onto a regular grid, in two runs.  Every input
is typed at the prompts, in this order:
  1. the data file (x y z records, at most 4000);
  2. whether you already have a fitted variogram polynomial (TRUE, yes, ...).
First run (no): the number of distance bins (20 to 200), then the name of
  the variogram file to write.  Fit the polynomial to it with varfit.
Second run (yes): the grid limits (minimum x, maximum x, minimum y,
  maximum y), the grid points in x and in y (2 to 61), curve0 to curve3,
  vMax, the cutoff radius, then the two gridded-data files (.grd) to write:
  the estimates and their standard deviations.
The program's texts name two outside programs: Curvefit, whose part varfit
plays here (it fits the polynomial), and Sketcher, whose part skm2svg plays
(it draws graphics metafiles as SVG pictures).
)help";

int main(int argc, char** argv) {
    if (auto status = answerProgramArguments(argc, argv, "gridder", HELP)) return *status;
    std::cin.tie(&std::cout);
    introduce();
    std::string name = askWord("Enter the name of the data file: ");
    int n = 0;
    readDataset(name, dataX, dataY, dataZ, n);
    Dataset data{dataX, dataY, dataZ, n, computeExtent(dataX, dataY, n)};

    std::string answer = askWord(
        "\nDo you already have a fitted variogram polynomial\n"
        "That you want to apply ? (TRUE/FALSE): ",
        POLYNOMIAL_ANSWER_LENGTH);
    if (hasPolynomial(answer)) return runKriging(data, grids, work);
    return runVariogram(data, bins);
}
