// Leave-one-out cross-validation through krigcv's routines (each datum kriged by gridder's own
// routine from all the others).  Cost: 550 kriged points and a Cholesky factor of order 400
// (some tens of milliseconds).
//
// With the right model the standardized errors (error over the kriging standard deviation) have
// mean 0 and variance 1.  Over n data, taken as independent, their mean lies within 3 / sqrt(n)
// of 0 and the mean of their squares within 3 sqrt(2 / n) of 1 (three standard deviations of
// each, the square of a unit normal error having variance 2).  A kriging variance off by a factor
// of 2 (half the mean squared difference taken for it, say) leaves that band.
//
// The right model is known only for data drawn from it: a Gaussian field with the spherical
// variogram, which gridder's cubic 1.5 t - 0.5 t^3 is on every distance a system uses.  The
// example elevations of make demo are checked with the model varfit fits to their variogram
// (40 bins, cutoff 200, as make demo does); that model is a fit, so only the mean, which
// ordinary kriging keeps unbiased whatever the model, is judged there.
#include <cmath>
#include <fstream>
#include <sstream>

#include "binning.h"
#include "checks.h"
#include "cross_validation.h"
#include "cross_validation_bands.h"
#include "cross_validation_summary.h"
#include "random_field.h"
#include "variogram_fit.h"
#include "variogram_table.h"

namespace {

// The arrays as the tools hold them, too large for the stack.
CrossValidationWork work;
VariogramBins bins;
float x[MAX_DATA], y[MAX_DATA], z[MAX_DATA];
HeldOutEstimate heldOut[MAX_DATA];

void checkRandomField(std::vector<Verdict>& rows) {
    CrossValidationSummary s = fieldLeaveOneOut(1);
    rows.push_back(boundVerdict("gridder leave-one-out, field: |mean stand. error|",
                                std::fabs(s.meanStandardized), meanBand(s)));
    Verdict squares = boundVerdict("gridder leave-one-out, field: |mean sq. st. err. - 1|",
                                   std::fabs(s.meanSquaredStandardized - 1), squaresBand(s));
    squares.measured += " (mean " + realText(s.meanSquaredStandardized, 3) + ")";
    rows.push_back(squares);
}

}  // namespace

double meanBand(const CrossValidationSummary& s) {
    return 3 / std::sqrt(double(s.n - s.zeroDeviations));
}

double squaresBand(const CrossValidationSummary& s) {
    return 3 * std::sqrt(2 / double(s.n - s.zeroDeviations));
}

CrossValidationSummary fieldLeaveOneOut(double vMaxFactor) {
    constexpr int N = 400;
    constexpr float SIDE = 1000, CUTOFF = 120;
    constexpr double VARIANCE = 100;
    const double range = SIDE * std::sqrt(2.0) / 2;
    std::mt19937 random(1);
    FieldSample f = sphericalField(N, SIDE, range, 500, VARIANCE, random);
    PolynomialModel model{0, 1.5f, 0, -0.5f, float(2 * VARIANCE * vMaxFactor)};
    crossValidate(model, f.x.data(), f.y.data(), f.z.data(), N, float(range), CUTOFF, work,
                  heldOut);
    return summarize("field", f.z.data(), heldOut, N);
}

namespace {

Verdict exampleRefused(const std::string& why) {
    return {"gridder leave-one-out, example elevations", "data and a model", why, false};
}

}  // namespace

void checkCrossValidation(std::vector<Verdict>& rows, const std::string& exampleDirectory) {
    checkRandomField(rows);

    constexpr int BINS = 40;
    constexpr float CUTOFF = 200;
    std::string name = exampleDirectory + "/gridder/elevations.txt";
    std::ifstream file(name);
    int n = 0;
    DataExtent extent;
    std::string note, message;
    if (!file || !readDataFile(file, name, x, y, z, n, extent, note, message)) {
        rows.push_back(exampleRefused(file ? message : name + " cannot be opened"));
        return;
    }
    // The variogram file and the printed fit, as varfit and krigcv read them.
    binPairs(x, y, z, n, BINS, extent.rMax / float(BINS), bins);
    std::stringstream variogram, polynomial;
    writeVariogramFile(variogram, bins);
    std::vector<VariogramBin> read;
    VariogramFit fit;
    PolynomialModel model;
    if (!readVariogramFile(variogram, read, message) ||
        !fitVariogram(read, extent.rMax, fit, message)) {
        rows.push_back(exampleRefused(message));
        return;
    }
    polynomial << fitAnswers(fit);
    if (!readPolynomialFile(polynomial, "the fit", model, message)) {
        rows.push_back(exampleRefused(message));
        return;
    }
    crossValidate(model, x, y, z, n, extent.halfRMax, CUTOFF, work, heldOut);
    CrossValidationSummary s = summarize(name, z, heldOut, n);
    Verdict mean = boundVerdict("gridder leave-one-out, example: |mean stand. error|",
                                std::fabs(s.meanStandardized), meanBand(s));
    mean.measured += " (RMSE " + realText(s.rmse, 3) + ", mean sq. " +
                     realText(s.meanSquaredStandardized, 3) + ")";
    rows.push_back(mean);
}
