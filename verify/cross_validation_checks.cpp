// Leave-one-out cross-validation through krigcv's routines (each datum kriged by gridder's own
// routine from all the others).  Cost: 12 fields of 400 data and the example's 150 (some tenths of
// a second).
//
// With the right model each standardized error (error over the kriging standard deviation) is a
// unit normal, so their mean is about 0 and the mean of their squares about 1.  The bands are
// three standard deviations of each, computed from the covariance of the errors that the fields'
// own model implies (neighbouring errors share data, so the spread exceeds that of independent
// errors); over 12 fields of 400 the band of the mean square is about +-0.07: kriging variances
// off by more than some 7 % leave it.  A datum whose kriging standard deviation is 0 would be
// left out of the statistics; a field at scattered distinct points gives none, so any is a fault.
//
// The right model is known only for data drawn from it: Gaussian fields with the spherical
// variogram, which gridder's cubic 1.5 t - 0.5 t^3 is on every distance a system uses.  The
// example elevations of make demo are checked with the model varfit fits to their variogram
// (40 bins, cutoff 200, as make demo does); that model is a fit, so only the mean, which
// ordinary kriging keeps unbiased whatever the model, is judged there, in the band of independent
// errors (their covariance is not known); a datum left out of it for a deviation of 0 fails it.
#include <cmath>
#include <fstream>
#include <sstream>

#include "binning.h"
#include "checks.h"
#include "cross_validation.h"
#include "cross_validation_bands.h"
#include "cross_validation_summary.h"
#include "leave_one_out_spread.h"
#include "random_field.h"
#include "variogram_fit.h"
#include "variogram_table.h"

namespace {

// The arrays as the tools hold them, too large for the stack.
CrossValidationWork work;
VariogramBins bins;
float x[MAX_DATA], y[MAX_DATA], z[MAX_DATA];
HeldOutEstimate heldOut[MAX_DATA];

void checkRandomFields(std::vector<Verdict>& rows) {
    FieldsLeaveOneOut s = fieldsLeaveOneOut(LEAVE_ONE_OUT_FIELDS, 1);
    std::string fields = std::to_string(s.fields) + " fields";
    Verdict mean = boundVerdict("gridder leave-one-out fields: |mean stand. error|",
                                std::fabs(s.meanStandardized), s.meanBand);
    mean.measured += " (" + fields + ")";
    rows.push_back(mean);
    Verdict squares = boundVerdict("gridder leave-one-out fields: |mean sq. st. err. - 1|",
                                   std::fabs(s.meanSquaredStandardized - 1), s.squaresBand);
    squares.measured += " (mean " + realText(s.meanSquaredStandardized, 3) + ")";
    rows.push_back(squares);
    Verdict left = thresholdVerdict("gridder leave-one-out fields: deviations of 0",
                                    s.zeroDeviations, 0, false);
    left.measured += " (of " + std::to_string(s.data) + ")";
    rows.push_back(left);
}

}  // namespace

double independentMeanBand(int n) {
    return 3 / std::sqrt(double(n));
}

FieldsLeaveOneOut fieldsLeaveOneOut(int fields, double vMaxFactor) {
    constexpr int N = 400;
    constexpr float SIDE = 1000, CUTOFF = 120;
    constexpr double VARIANCE = 100;
    const double range = SIDE * std::sqrt(2.0) / 2;
    PolynomialModel model{0, 1.5f, 0, -0.5f, float(2 * VARIANCE * vMaxFactor)};
    VariogramModel variogram{model.curve0, model.curve1, model.curve2, model.curve3, float(range)};
    FieldsLeaveOneOut pooled;
    pooled.fields = fields;
    double meanVariance = 0, squaresVariance = 0;
    for (int k = 0; k < fields; ++k) {
        std::mt19937 random(1 + k);
        FieldSample f = sphericalField(N, SIDE, range, 500, VARIANCE, random);
        crossValidate(model, f.x.data(), f.y.data(), f.z.data(), N, float(range), CUTOFF, work,
                      heldOut);
        CrossValidationSummary s = summarize("field", f.z.data(), heldOut, N);
        StatisticSpread spread = leaveOneOutSpread(f, variogram, CUTOFF);
        pooled.data += s.n;
        pooled.zeroDeviations += s.zeroDeviations;
        pooled.meanStandardized += s.meanStandardized / fields;
        pooled.meanSquaredStandardized += s.meanSquaredStandardized / fields;
        meanVariance += spread.meanVariance;
        squaresVariance += spread.squaresVariance;
    }
    // The fields are independent: the variance of an average of K is the sum over K^2.
    pooled.meanBand = 3 * std::sqrt(meanVariance) / fields;
    pooled.squaresBand = 3 * std::sqrt(squaresVariance) / fields;
    return pooled;
}

Verdict exampleMeanVerdict(const CrossValidationSummary& s) {
    Verdict mean =
        boundVerdict("gridder leave-one-out, example: |mean stand. error|",
                     std::fabs(s.meanStandardized), independentMeanBand(s.n - s.zeroDeviations));
    mean.measured += " (RMSE " + realText(s.rmse, 3) + ", mean sq. " +
                     realText(s.meanSquaredStandardized, 3) + ")";
    // The example holds no coincident data, so none should be left out of the mean either.
    if (s.zeroDeviations > 0) {
        mean.measured += " " + std::to_string(s.zeroDeviations) + " left out";
        mean.pass = false;
    }
    return mean;
}

namespace {

Verdict exampleRefused(const std::string& why) {
    return {"gridder leave-one-out, example elevations", "data and a model", why, false};
}

}  // namespace

void checkCrossValidation(std::vector<Verdict>& rows, const std::string& exampleDirectory) {
    checkRandomFields(rows);

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
    rows.push_back(exampleMeanVerdict(s));
}
