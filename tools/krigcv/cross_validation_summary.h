#pragma once
// How well a model's kriging predicts each datum left out: the summary statistics, the table of
// one row per model, and the residual lines.  Errors are estimate - observed; a standardized error
// is the error over the kriging standard deviation.  Cost: two passes over the data per model and
// a linear-time median of the squared standardized errors, which are copied (n doubles); the
// table sorts the rows (a few models) and allocates their copy.
#include <ostream>
#include <string>
#include <vector>

#include "cross_validation.h"

struct CrossValidationSummary {
    std::string model;  // the polynomial file
    int n = 0;
    double meanError = 0;
    double rmse = 0;
    double meanStandardized = 0;         // over the data not left out (zeroDeviations)
    double meanSquaredStandardized = 0;  // near 1 when the model's variances are right
    double correlation = 0;              // of observed and estimated values
    int warnings = 0;                    // data whose kriging gridder would warn about
    // Data whose standard deviation is 0 or at the level of rounding (HeldOutEstimate::
    // atRoundingLevel), left out of every standardized statistic.
    int zeroDeviations = 0;
    // Of the standardized errors, the share within +-1.96 (0.95 for a right model, the errors
    // then being unit normal) and the median of their squares (0.455, the median of a chi-square
    // with one degree of freedom).  Unlike the mean square, neither is swamped by a few data
    // whose deviations are far too small.
    double coverage = 0;
    double medianSquaredStandardized = 0;
    int negativeVariances = 0;  // of the data left out, those whose variance came out negative
};

// Sums in double over the n data, each error formed in double from the two floats.
CrossValidationSummary summarize(const std::string& model, const float observed[],
                                 const HeldOutEstimate estimate[], int n);

// The table: a title naming the data and the cutoff, a heading, one row per model ordered best
// first by RMSE (ties in the order given), the row whose mean squared standardized error lies
// farthest from 1 marked with "*", and a line that explains the mark.  Reals in general notation
// with 6 significant digits.
void writeSummaryTable(std::ostream& out, const std::string& dataFile, float cutoff,
                       std::vector<CrossValidationSummary> rows);

// One line per datum: x, y, observed, estimate, error, standard deviation, standardized error,
// separated by blanks, in general notation with 6 significant digits (the estimate and standard
// deviation thus as gridder writes them into its grid files).
void writeResiduals(std::ostream& out, const float x[], const float y[], const float observed[],
                    const HeldOutEstimate estimate[], int n);

// The notes for the error stream, one a line: on negative kriging variances (the model is not a
// valid variogram there) and on the other data left out (deviations that rounding cannot tell
// from 0); "" when there were none.
std::string zeroDeviationNote(const CrossValidationSummary& summary);
