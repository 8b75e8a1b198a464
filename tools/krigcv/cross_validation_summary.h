#pragma once
// How well a model's kriging predicts each datum left out: the summary statistics, the table of
// one row per model, and the residual lines.  Errors are estimate - observed; a standardized error
// is the error over the kriging standard deviation.  Cost: two passes over the data per model;
// the table sorts the rows (a few models) and allocates their copy.
#include <ostream>
#include <string>
#include <vector>

#include "cross_validation.h"

struct CrossValidationSummary {
    std::string model;  // the polynomial file
    int n = 0;
    double meanError = 0;
    double rmse = 0;
    double meanStandardized = 0;         // over the data with a standard deviation above 0
    double meanSquaredStandardized = 0;  // near 1 when the model's variances are right
    double correlation = 0;              // of observed and estimated values
    int warnings = 0;                    // data whose kriging gridder would warn about
    int zeroDeviations = 0;              // left out of the standardized means
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

// The note for the error stream when some standard deviations were 0, "" otherwise.
std::string zeroDeviationNote(const CrossValidationSummary& summary);
