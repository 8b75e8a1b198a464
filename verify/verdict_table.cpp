// The verdict rows and the table that prints them.  Cost: linear in the rows; every real goes
// through the suite's notations, so the table reads like the programs' own output.
#include <cmath>
#include <iomanip>
#include <string>

#include "notation.h"
#include "verdict.h"

namespace {

constexpr int QUANTITY_WIDTH = 54;
constexpr int EXPECTED_WIDTH = 18;
constexpr int MEASURED_WIDTH = 40;

std::string orderList(const std::vector<double>& errors) {
    std::string text;
    for (std::size_t i = 1; i < errors.size(); ++i) {
        if (i > 1) text += " ";
        text += realText(observedOrder(errors[i - 1], errors[i]), 3);
    }
    return text;
}

// The order of the finest pair; not a number when any error of the sequence is zero or not
// finite (a run that blew up, or one that met the exact answer, shows no order).
double finestOrder(const std::vector<double>& errors) {
    if (errors.size() < 2) return std::nan("");
    for (double e : errors)
        if (!(e > 0) || !std::isfinite(e)) return std::nan("");
    return observedOrder(errors[errors.size() - 2], errors.back());
}

std::string padded(const std::string& text, int width) {
    if (static_cast<int>(text.size()) >= width) return text + " ";
    return text + std::string(width - text.size(), ' ');
}

}  // namespace

std::string realText(double value, int significant) {
    char buffer[NOTATION_BUFFER];
    formatGeneral(buffer, value, significant);
    return buffer;
}

double worse(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::nan("");
    return a > b ? a : b;
}

double observedOrder(double coarse, double fine) {
    if (!(coarse > 0) || !(fine > 0) || !std::isfinite(coarse) || !std::isfinite(fine))
        return std::nan("");
    return std::log2(coarse / fine);
}

Verdict orderVerdict(const std::string& quantity, const std::vector<double>& errors, double order) {
    double finest = finestOrder(errors);
    return {quantity, realText(order, 3) + " +- " + realText(ORDER_TOLERANCE, 2), orderList(errors),
            std::fabs(finest - order) <= ORDER_TOLERANCE};
}

Verdict orderAtLeastVerdict(const std::string& quantity, const std::vector<double>& errors,
                            double order) {
    double finest = finestOrder(errors);
    return {quantity, ">= " + realText(order - ORDER_TOLERANCE, 3), orderList(errors),
            finest >= order - ORDER_TOLERANCE};
}

Verdict boundVerdict(const std::string& quantity, double measured, double bound) {
    return {quantity, "<= " + realText(bound, 3), realText(measured, 3), measured <= bound};
}

Verdict thresholdVerdict(const std::string& quantity, double measured, double threshold, bool above,
                         const std::string& note) {
    bool pass = above ? measured > threshold : measured <= threshold;
    return {quantity, (above ? "> " : "<= ") + realText(threshold, 4) + note, realText(measured, 6),
            pass};
}

void printVerdictTable(std::ostream& out, const std::vector<Verdict>& rows) {
    out << padded("quantity", QUANTITY_WIDTH) << padded("expected", EXPECTED_WIDTH)
        << padded("measured", MEASURED_WIDTH) << "verdict\n";
    out << std::string(QUANTITY_WIDTH + EXPECTED_WIDTH + MEASURED_WIDTH + 7, '-') << "\n";
    int failed = 0;
    for (const Verdict& row : rows) {
        out << padded(row.quantity, QUANTITY_WIDTH) << padded(row.expected, EXPECTED_WIDTH)
            << padded(row.measured, MEASURED_WIDTH) << (row.pass ? "pass" : "FAIL") << "\n";
        if (!row.pass) ++failed;
    }
    out << "\n" << rows.size() << " verdicts, " << failed << " failed\n";
}

bool allPass(const std::vector<Verdict>& rows) {
    for (const Verdict& row : rows)
        if (!row.pass) return false;
    return true;
}
