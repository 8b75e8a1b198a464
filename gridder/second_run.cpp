// The second run: the grid, the fitted variogram polynomial, the kriging of every grid point from
// the north, and the two gridded-data files of estimates and standard deviations.
#include <cctype>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <string>

#include "answers.h"
#include "coefficients.h"
#include "console.h"
#include "grid_file.h"
#include "krige_point.h"
#include "model_refusals.h"
#include "notation.h"
#include "output_files.h"
#include "runs.h"

namespace {

const char* const PROGRESS_RULE =
    "________________________________________________________________ ";

struct GridPlan {
    GridAxis x, y;  // minimum, spacing, maximum
    int nx = 0, ny = 0;
};

void showDataRange(const DataExtent& e) {
    std::cout << "\n"
              << "Geographic range of data is:   Minimum    Maximum\n"
              << "                          x:" << std::setw(10) << num(e.xMin) << " "
              << std::setw(10) << num(e.xMax) << "\n"
              << "                          y:" << std::setw(10) << num(e.yMin) << " "
              << std::setw(10) << num(e.yMax) << "\n";
}

// A maximum equal to the minimum would make the spacing zero, which no reader of the grid file
// can use; so would a range beyond the float range.  Such a maximum is asked again.
float askMaximum(const char* prompt, float minimum) {
    for (;;) {
        float maximum = askFloat(prompt);
        float range = static_cast<float>(static_cast<double>(maximum) - minimum);
        if (maximum != minimum && std::isfinite(range)) return maximum;
    }
}

// The grids hold MAX_GRID points a side, and one point would make the spacing a division by zero.
int askCount(const char* axis) {
    auto prompt = [axis] {
        std::cout << "How many grid points in the " << axis << "-direction (<=" << MAX_GRID
                  << ")?: ";
    };
    for (;;) {
        int count = askInt(prompt);
        if (count >= 2 && count <= MAX_GRID) return count;
    }
}

float spacingOf(float minimum, float maximum, int count) {
    return static_cast<float>((static_cast<double>(maximum) - minimum) / (count - 1));
}

GridPlan askGrid() {
    GridPlan g;
    std::cout << "Select limits for the interpolated grid: \n";
    g.x.min = askFloat("Minimum x: ");
    g.x.max = askMaximum("Maximum x: ", g.x.min);
    g.y.min = askFloat("Minimum y: ");
    g.y.max = askMaximum("Maximum y: ", g.y.min);
    std::cout << "\n";
    g.nx = askCount("x");
    g.ny = askCount("y");
    g.x.spacing = spacingOf(g.x.min, g.x.max, g.nx);
    g.y.spacing = spacingOf(g.y.min, g.y.max, g.ny);
    return g;
}

void explainPolynomial() {
    std::cout << "\n"
              << "Variogram is assumed to have the form:\n"
              << "Variance(r)=Maximum_variance*(curve0+\n"
              << "                              curve1*(r/(rMax/2))+\n"
              << "                              curve2*(r/(rMax/2))**2+\n"
              << "                              curve3*(r/(rMax/2))**3)\n"
              << "\n"
              << "so that all of the parameters curve0...curve3 are\n"
              << "   dimensionless numbers of order 1.\n"
              << "\n";
}

// A refusal of the shared model checks as one line of the dialogue: the reason as a sentence.
void sayRefused(const std::string& reason) {
    std::string line = reason;
    line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
    std::cout << line << ".\n";
}

// Asks until the polynomial is non-negative from 0 to rMax/2 and can make a regular kriging
// system: a negative intercept, a negative slope from a zero intercept, a polynomial that dips
// below zero and one that leaves every system singular are each refused.
VariogramModel askCoefficients(float halfRMax) {
    VariogramModel c;
    c.halfRMax = halfRMax;
    for (;;) {
        for (;;) {
            c.curve0 = askFloat("Enter constant term curve0: ");
            if (!(c.curve0 < 0)) break;
            std::cout << "NEGATIVE VARIANCES NOT PERMITTED; CHOOSE A NON-NEGATIVE INTERCEPT!\n";
        }
        for (;;) {
            c.curve1 = askFloat("Enter linear term curve1: ");
            if (!(c.curve0 == 0 && c.curve1 < 0)) break;
            std::cout << "NEGATIVE VARIANCES NOT PERMITTED; CHOOSE A NON-NEGATIVE SLOPE!\n";
        }
        c.curve2 = askFloat("Enter quadratic term curve2: ");
        c.curve3 = askFloat("Enter cubic term curve3: ");
        if (!staysNonNegative(c.curve0, c.curve1, c.curve2, c.curve3)) {
            std::cout << "THIS VARIANCE FUNCTION WILL GO BELOW ZERO;\n"
                      << "   TRY AGAIN WITH LARGER COEFFICIENT(S)!\n";
            continue;
        }
        std::string singular = singularModelReason(c.curve0, c.curve1, c.curve2, c.curve3);
        if (singular.empty()) return c;
        sayRefused(singular);
    }
}

float askMaximumVariance() {
    for (;;) {
        float vMax = askFloat("Enter maximum variance (vMax) from variogram: ");
        std::string refused = vMaxReason(vMax);
        if (refused.empty()) return vMax;
        sayRefused(refused);
    }
}

// Two streams on one file would overwrite each other's values, so the second name must differ.
std::string askDeviationFileName(const std::string& estimateFileName) {
    for (;;) {
        std::string name =
            askWord("Enter a file name (with extension .grd) for the standard deviations:\n");
        if (!namesOneFile(name, estimateFileName)) return name;
        std::cout << "The interpolated results go to " << estimateFileName
                  << "; the standard deviations need a file of their own.\n";
    }
}

void showProgress(int done, int toGo) {
    std::cout << "\n"
              << PROGRESS_RULE << done << "\n"
              << done << " rows of points done, " << toGo << " rows to go...\n"
              << PROGRESS_RULE << done << "\n";
}

// One line on the error stream after the kriging, however many points were mended.
void noteMergedPoints(int points) {
    if (points == 0) return;
    std::cerr << "At " << points << (points == 1 ? " grid point" : " grid points")
              << " data at one position made the kriging system singular; there each such group "
                 "was kriged as one datum with the mean of its values.  To avoid this, remove "
                 "duplicate positions from the data file or use a positive curve0.\n";
}

// One line on the error stream after the kriging, however many points had a singular system.
void noteSingularPoints(int points) {
    if (points == 0) return;
    std::cerr << "At " << points << (points == 1 ? " grid point" : " grid points")
              << " the kriging system was singular (a pivot of its solve was 0), so the "
                 "estimates and standard deviations there are arbitrary: the variogram model "
                 "cannot tell those neighbours apart.  Use a model that grows with distance over "
                 "the whole cutoff radius, as varfit fits, or a positive curve0.\n";
}

// Rows from the north (largest y) down, each from west to east: the order of the grid file.
void krigeGrid(const Dataset& data, const VariogramModel& c, float vMax, float cutoff,
               const GridPlan& g, KrigingGrids& grids, KrigingWork& work) {
    int merged = 0, singular = 0;
    for (int iy = g.ny - 1; iy >= 0; --iy) {
        float y = static_cast<float>(static_cast<double>(iy) * g.y.spacing + g.y.min);
        for (int ix = 0; ix < g.nx; ++ix) {
            float x = static_cast<float>(static_cast<double>(ix) * g.x.spacing + g.x.min);
            float radius = cutoff;  // each point starts again from the user's cutoff
            PointEstimate p =
                krigePoint(c, vMax, data.x, data.y, data.z, data.n, x, y, radius, work, std::cout);
            grids.estimate[iy][ix] = p.estimate;
            grids.deviation[iy][ix] = p.standardDeviation;
            if (p.mergedCoincident) ++merged;
            if (p.singular) ++singular;
        }
        showProgress(g.ny - iy, iy);
    }
    noteMergedPoints(merged);
    noteSingularPoints(singular);
}

void writeValues(OutputFile& file, const float values[][MAX_GRID], const GridPlan& g) {
    for (int iy = g.ny - 1; iy >= 0; --iy) {
        for (int ix = 0; ix < g.nx; ++ix) {
            writeGridValue(file, values[iy][ix]);
            file << "\n";
        }
    }
    file.close();
}

}  // namespace

int runKriging(const Dataset& data, KrigingGrids& grids, KrigingWork& work) {
    if (data.n < MIN_NEIGHBORS)
        refuseDataset("ERROR: Kriging needs at least " + std::to_string(MIN_NEIGHBORS) +
                      " data points; this dataset has " + std::to_string(data.n) + ".\n");
    // Distances are scaled by rMax/2; with every point at one position there is no scale.
    if (data.extent.rMax == 0)
        refuseDataset(
            "ERROR: All data points lie at one position; kriging needs a dataset "
            "spread over the map.\n");
    refuseEndlessDiagonal(data.extent);
    showDataRange(data.extent);
    GridPlan g = askGrid();
    explainPolynomial();
    VariogramModel c = askCoefficients(data.extent.halfRMax);

    std::cout << "\n";
    float vMax = askMaximumVariance();
    std::cout << "\n";
    float cutoff = askFloat(
        "Enter cutoff radius for kriging; \n"
        " (If you do not want any cutoff, then\n"
        "  enter a very large number). Cutoff: ");
    std::cout << "\n";

    std::string estimateName =
        askWord("Enter a file name (with extension .grd) for the interpolated results:\n");
    OutputFile estimateFile;
    estimateFile.create(estimateName);
    writeGridHeader(estimateFile, g.x, g.y);
    std::cout << "\n";
    OutputFile deviationFile;
    deviationFile.create(askDeviationFileName(estimateName));
    writeGridHeader(deviationFile, g.x, g.y);

    std::cout << "Begining kriging...........\n";
    krigeGrid(data, c, vMax, cutoff, g, grids, work);
    std::cout << "KRIGING COMPLETED.\n";
    writeValues(estimateFile, grids.estimate, g);
    writeValues(deviationFile, grids.deviation, g);
    pauseForKey();
    return 0;
}
