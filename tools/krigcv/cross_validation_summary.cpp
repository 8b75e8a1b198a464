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
                          {"correlation", 13},
                          {"warnings", 10}};

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
    for (int i = 0; i < n; ++i) {
        double error = errorOf(observed[i], estimate[i]);
        sumError += error;
        sumSquared += error * error;
        sumObserved += observed[i];
        sumEstimate += estimate[i].estimate;
        if (estimate[i].warned) ++s.warnings;
        if (!(estimate[i].standardDeviation > 0)) {
            ++s.zeroDeviations;
            continue;
        }
        double standardized = standardizedOf(error, estimate[i].standardDeviation);
        sumStandardized += standardized;
        sumSquaredStandardized += standardized * standardized;
    }
    s.meanError = sumError / n;
    s.rmse = std::sqrt(sumSquared / n);
    int withDeviation = n - s.zeroDeviations;
    s.meanStandardized = withDeviation > 0 ? sumStandardized / withDeviation : NAN;
    s.meanSquaredStandardized = withDeviation > 0 ? sumSquaredStandardized / withDeviation : NAN;
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
        const double values[] = {s.meanError, s.rmse, s.meanStandardized, s.meanSquaredStandardized,
                                 s.correlation};
        for (int k = 0; k < 5; ++k) out << std::setw(COLUMNS[k + 1].width) << num(values[k]);
        out << std::setw(COLUMNS[6].width) << s.warnings << "\n";
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
    if (s.zeroDeviations == 0) return "";
    return krigcvMessage(s.model, 0,
                         std::to_string(s.zeroDeviations) +
                             " data have a kriging standard deviation of 0 and are left out of "
                             "the standardized errors; a model with a larger curve0 (nugget) "
                             "gives every datum one");
}
