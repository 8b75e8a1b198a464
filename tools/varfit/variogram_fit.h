#pragma once
// Fitting gridder's variogram model to its variogram file.
//
// The model at distance r is vMax * P(r / (rMax/2)), P(t) = curve0 + curve1 t + curve2 t^2 +
// curve3 t^3; like the file's variances it is the mean squared difference of two values (twice
// the semivariance that other packages print).  The fit is the least-squares optimum over the
// cubics that are valid variograms at every distance a kriging system can hold, out to the whole
// diagonal (valid_cubic.h), to the bins within the fit range, each weighted by its pair count over
// its squared distance unless asked otherwise.  What it prints passes gridder's test of the
// coefficients and stays in that family as gridder reads the numbers.  Cost: one pass over the
// bins and at most two fits of 16 solves of 8 equations each; nothing grows with the data.
#include <string>
#include <vector>

#include "valid_cubic.h"
#include "variogram_file.h"

enum class BinWeights { pairsOverSquaredDistance, pairs, equal };

struct FitOptions {
    BinWeights weights = BinWeights::pairsOverSquaredDistance;
    double fitTo = 0;  // bins whose centre lies at most this far are fitted; 0: rMax/2
    bool nuggetFixed = false;
    double nugget = 0;  // the fixed nugget, as a mean squared difference in the data's units
    // 0: valid out to the diagonal.  Otherwise the cutoff radius to be typed into gridder: valid
    // up to twice it, the farthest two neighbours of one system can lie apart (never short of the
    // fit range or of rMax/2, where gridder tests the polynomial).
    double cutoff = 0;
};

// A fit needs at least this many bins with pairs within its range.
constexpr int MIN_FITTED_BINS = 3;

struct VariogramFit {
    double optimum[CUBIC_TERMS] = {0, 0, 0, 0};  // the least-squares optimum in the family
    double curve[CUBIC_TERMS] = {0, 0, 0, 0};    // the same as printed, still in the family
    double vMax = 0;                             // the largest binned variance within the fit range
    int binsUsed = 0;
    double fitTo = 0;    // the fit range, a distance
    double validTo = 0;  // the distance out to which the model is a valid variogram
    // The best fit was the t^2 term alone, whose kriging systems are singular: fitted without it.
    bool quadraticDropped = false;
};

// False with the reason (for "varfit: FILE: reason") when fewer than MIN_FITTED_BINS bins with
// pairs lie within the fit range, or when all of them have variance 0.
bool fitVariogram(const std::vector<VariogramBin>& bins, double rMax, VariogramFit& fit,
                  std::string& error, const FitOptions& options = {});

// The five numbers in the order gridder asks for them (curve0..curve3, vMax), one a line, in
// general notation with 6 significant digits.
std::string fitAnswers(const VariogramFit& fit);

// What was fitted, for the error stream: the bins and weights, then the model in the data's units
// as a nugget, a spherical term's sill and range (or a linear slope) and a quadratic term, once
// as the mean squared difference and once as semivariance (half of it).
std::string fitReport(const VariogramFit& fit, double rMax, const FitOptions& options);
