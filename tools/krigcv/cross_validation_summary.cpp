#include "cross_validation_summary.h"

#include <algorithm>
#include <cmath>
#include <iomanip>

#include "notation.h"

namespace {

struct Column {
    const char* heading;
    int width;
};
const Column COLUMNS[] = {{"n", 7},
                          {"mean error", 14},
                          {"RMSE", 14},
                          {"mean std. error", 17},
                          {"mean sq. std. error", 21},
                          {"median sq. std. error", 23},
                          {"within +-1.96", 15},
                          {"correlation", 13},
                          {"warnings", 10},
                          {"left out", 10}};
constexpr int REAL_COLUMNS = 7;  // from mean error to correlation

// The 95 % point of a unit normal error.
constexpr double COVERAGE_BOUND = 1.96;

bool leftOut(const HeldOutEstimate& e) {
    return e.atRoundingLevel || e.negativeVariance || !(e.standardDeviation > 0);
}

// The median of the values (the mean of the middle two of an even count); reorders them.
double medianOf(std::vector<double>& values) {
    if (values.empty()) return NAN;
    auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) return *middle;
    return (*std::max_element(values.begin(), middle) + *middle) / 2;
}

double errorOf(float observed, const HeldOutEstimate& e) {
    return static_cast<double>(e.estimate) - observed;
}

// Over a standard deviation of 0 an error is infinitely many of them (and 0 is not a number).
double standardizedOf(double error, float deviation) {
    if (deviation > 0) return error / deviation;
    return error == 0 ? NAN : std::copysign(INFINITY, error);
}

}  // namespace

CrossValidationSummary summarize(const std::string& model, const float observed[],
                                 const HeldOutEstimate estimate[], int n) {
    CrossValidationSummary s;
    s.model = model;
    s.n = n;
    if (n < 1) return s;
    double sumError = 0, sumSquared = 0, sumObserved = 0, sumEstimate = 0;
    double sumStandardized = 0, sumSquaredStandardized = 0;
    std::vector<double> squares;
    int covered = 0;
    for (int i = 0; i < n; ++i) {
        double error = errorOf(observed[i], estimate[i]);
        sumError += error;
        sumSquared += error * error;
        sumObserved += observed[i];
        sumEstimate += estimate[i].estimate;
        if (estimate[i].warned) ++s.warnings;
        if (estimate[i].negativeVariance) ++s.negativeVariances;
        if (leftOut(estimate[i])) {
            ++s.zeroDeviations;
            continue;
        }
        double standardized = standardizedOf(error, estimate[i].standardDeviation);
        sumStandardized += standardized;
        sumSquaredStandardized += standardized * standardized;
        squares.push_back(standardized * standardized);
        if (std::fabs(standardized) <= COVERAGE_BOUND) ++covered;
    }
    s.meanError = sumError / n;
    s.rmse = std::sqrt(sumSquared / n);
    int withDeviation = n - s.zeroDeviations;
    s.meanStandardized = withDeviation > 0 ? sumStandardized / withDeviation : NAN;
    s.meanSquaredStandardized = withDeviation > 0 ? sumSquaredStandardized / withDeviation : NAN;
    s.coverage = withDeviation > 0 ? static_cast<double>(covered) / withDeviation : NAN;
    s.medianSquaredStandardized = medianOf(squares);
    // Deviations from the means, a second pass, so that large values with small spread keep
    // their digits.
    double meanObserved = sumObserved / n, meanEstimate = sumEstimate / n;
    double so = 0, se = 0, soe = 0;
    for (int i = 0; i < n; ++i) {
        double o = observed[i] - meanObserved, e = estimate[i].estimate - meanEstimate;
        so += o * o;
        se += e * e;
        soe += o * e;
    }
    s.correlation = so > 0 && se > 0 ? soe / std::sqrt(so * se) : NAN;
    return s;
}

void writeSummaryTable(std::ostream& out, const std::string& dataFile, float cutoff,
                       std::vector<CrossValidationSummary> rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const CrossValidationSummary& a, const CrossValidationSummary& b) {
                         return a.rmse < b.rmse;
                     });
    // A NaN (no datum with a standard deviation above 0) is as far from 1 as can be.
    auto distance = [](double msse) { return std::isnan(msse) ? INFINITY : std::fabs(msse - 1); };
    std::size_t marked = 0;
    for (std::size_t r = 1; r < rows.size(); ++r)
        if (distance(rows[r].meanSquaredStandardized) >
            distance(rows[marked].meanSquaredStandardized))
            marked = r;
    std::size_t nameWidth = 5;
    for (const CrossValidationSummary& row : rows)
        nameWidth = std::max(nameWidth, row.model.size());

    out << "Leave-one-out cross-validation of " << (rows.empty() ? 0 : rows[0].n) << " data in "
        << dataFile << ", cutoff " << num(cutoff) << "\n"
        << "(error = estimate - observed; standardized error = error / kriging standard "
           "deviation)\n\n";
    out << "  " << std::left << std::setw(static_cast<int>(nameWidth)) << "model" << std::right;
    for (const Column& c : COLUMNS) out << std::setw(c.width) << c.heading;
    out << "\n";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const CrossValidationSummary& s = rows[r];
        out << (r == marked ? "* " : "  ") << std::left << std::setw(static_cast<int>(nameWidth))
            << s.model << std::right << std::setw(COLUMNS[0].width) << s.n;
        const double values[REAL_COLUMNS] = {s.meanError,
                                             s.rmse,
                                             s.meanStandardized,
                                             s.meanSquaredStandardized,
                                             s.medianSquaredStandardized,
                                             s.coverage,
                                             s.correlation};
        for (int k = 0; k < REAL_COLUMNS; ++k)
            out << std::setw(COLUMNS[k + 1].width) << num(values[k]);
        out << std::setw(COLUMNS[REAL_COLUMNS + 1].width) << s.warnings
            << std::setw(COLUMNS[REAL_COLUMNS + 2].width) << s.zeroDeviations << "\n";
    }
    out << "\n* mean squared standardized error farthest from 1: of the models listed, the one "
           "whose kriging standard deviations describe its errors least well\n";
}

void writeResiduals(std::ostream& out, const float x[], const float y[], const float observed[],
                    const HeldOutEstimate estimate[], int n) {
    for (int i = 0; i < n; ++i) {
        double error = errorOf(observed[i], estimate[i]);
        out << num(x[i]) << ' ' << num(y[i]) << ' ' << num(observed[i]) << ' '
            << num(estimate[i].estimate) << ' ' << num(error) << ' '
            << num(estimate[i].standardDeviation) << ' '
            << num(standardizedOf(error, estimate[i].standardDeviation)) << "\n";
    }
}

std::string zeroDeviationNote(const CrossValidationSummary& s) {
    std::string note;
    if (s.negativeVariances > 0)
        note += krigcvMessage(s.model, 0,
                              std::to_string(s.negativeVariances) +
                                  " kriging variances came out negative and were set to 0, so "
                                  "those data are left out of the standardized errors: the model "
                                  "is not a valid variogram at these distances; fit one that is, "
                                  "e.g. with varfit") +
                "\n";
    int atRounding = s.zeroDeviations - s.negativeVariances;
    if (atRounding > 0)
        note += krigcvMessage(s.model, 0,
                              std::to_string(atRounding) +
                                  " data have a kriging standard deviation of 0, or one that "
                                  "single-precision rounding cannot tell from 0, and are left out "
                                  "of the standardized errors; a model with a larger curve0 "
                                  "(nugget) gives every datum one") +
                "\n";
    if (!note.empty()) note.pop_back();  // the caller ends the last line
    return note;
}
