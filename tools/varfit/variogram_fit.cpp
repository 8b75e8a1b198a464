#include "variogram_fit.h"

#include <cmath>
#include <sstream>

#include "coefficients.h"
#include "nonnegative_cubic.h"
#include "notation.h"
#include "read_number.h"

namespace {

constexpr int TERMS = CUBIC_TERMS;
// gridder evaluates the model for distances up to the whole diagonal, t = 2.
constexpr double DIAGONAL_T = 2;
// A float evaluation of the cubic errs by at most about 6 * 2^-24 of the sum of its terms'
// magnitudes; the printed cubic keeps that much above zero, so that gridder never sees a negative.
constexpr double ROUNDING_MARGIN = 1e-6;

std::string general6(double value) {
    char text[NOTATION_BUFFER];
    formatGeneral(text, value, 6);
    return text;
}

// The value gridder stores when it reads the printed number.
float asGridderReadsIt(double value) {
    std::istringstream in(general6(value));
    float f = 0;
    readReal(in, f);
    return f;
}

// The cubic as gridder reads the printed numbers, less the rounding margin of each term.
void printedLessMargin(const double c[TERMS], double q[TERMS]) {
    for (int i = 0; i < TERMS; ++i) {
        double f = asGridderReadsIt(c[i]);
        q[i] = f - ROUNDING_MARGIN * std::fabs(f);
    }
}

// gridder's own test of the printed numbers, and no value below zero out to the diagonal.
bool gridderAccepts(const double c[TERMS]) {
    float f[TERMS];
    for (int i = 0; i < TERMS; ++i) f[i] = asGridderReadsIt(c[i]);
    if (f[0] < 0) return false;
    if (f[0] == 0 && f[1] < 0) return false;
    if (!staysNonNegative(f[0], f[1], f[2], f[3])) return false;
    double q[TERMS];
    printedLessMargin(c, q);
    return cubicMinimum(q, 0, DIAGONAL_T) >= 0;
}

// The fit may touch zero with a rounding error to spare, and printing rounds to 6 digits; either
// can leave the cubic a hair below zero somewhere.  Lift the intercept, which lifts every value, by that
// much, then by doubling steps until gridder accepts the numbers.
void makeAcceptable(double c[TERMS]) {
    for (int i = 0; i < TERMS; ++i)
        if (!std::isfinite(c[i])) c[0] = c[1] = c[2] = c[3] = 0;
    if (c[0] < 0) c[0] = 0;
    double q[TERMS];
    printedLessMargin(c, q);
    c[0] += std::fmax(0.0, -cubicMinimum(q, 0, DIAGONAL_T));
    double step = 1e-7;
    for (int i = 0; i < TERMS; ++i) step = std::fmax(step, 1e-7 * std::fabs(c[i]));
    double base = c[0];
    while (!gridderAccepts(c)) {
        c[0] = base + step;
        step *= 2;
    }
}

bool readField(std::istream& line, double& value) { return readReal(line, value); }

}  // namespace

bool readVariogramFile(std::istream& in, std::vector<VariogramBin>& bins, std::string& error) {
    std::string text;
    int lineNumber = 0;
    bins.clear();
    while (std::getline(in, text)) {
        ++lineNumber;
        if (lineNumber <= 2) continue;  // title and heading
        std::istringstream line(text);
        double number, pairs;
        VariogramBin bin;
        if (!readField(line, number)) {
            line.clear();
            std::string rest;
            if (!readWord(line, rest)) continue;  // an empty line
        }
        if (!(readField(line, bin.minR) && readField(line, bin.maxR) && readField(line, pairs) &&
              readField(line, bin.variance)) ||
            pairs < 0) {
            error = "line " + std::to_string(lineNumber) +
                    " is not a bin line (number, Min. r, Max. r, pairs, variance)";
            return false;
        }
        bin.pairs = static_cast<long>(pairs);
        bins.push_back(bin);
    }
    if (lineNumber < 2) {
        error = "the file has no title and heading lines";
        return false;
    }
    return true;
}

bool fitVariogram(const std::vector<VariogramBin>& bins, double rMax, VariogramFit& fit,
                  std::string& error) {
    double half = 0.5 * rMax;
    fit = VariogramFit{};
    for (const VariogramBin& bin : bins)
        if (bin.pairs > 0 && 0.5 * (bin.minR + bin.maxR) <= half) {
            fit.vMax = std::fmax(fit.vMax, bin.variance);
            ++fit.binsUsed;
        }
    if (fit.binsUsed == 0) {
        error = "no bin with pairs lies within rMax/2";
        return false;
    }
    CubicLeastSquares p;
    double scale = fit.vMax > 0 ? fit.vMax : 1;
    for (const VariogramBin& bin : bins) {
        double t = 0.5 * (bin.minR + bin.maxR) / half;
        if (bin.pairs <= 0 || t > 1) continue;
        double w = static_cast<double>(bin.pairs);
        double y = bin.variance / scale;
        double power[TERMS] = {1, t, t * t, t * t * t};
        for (int i = 0; i < TERMS; ++i) {
            p.h[i] += w * power[i] * y;
            for (int j = 0; j < TERMS; ++j) p.g[i][j] += w * power[i] * power[j];
        }
        p.yy += w * y * y;
    }
    // A whisper of ridge keeps the system solvable when fewer than four bins take part.
    double trace = p.g[0][0] + p.g[1][1] + p.g[2][2] + p.g[3][3];
    for (int i = 0; i < TERMS; ++i) p.g[i][i] += 1e-12 * trace;
    fitNonNegativeCubic(p, DIAGONAL_T, fit.curve);
    makeAcceptable(fit.curve);
    // The hold beyond rMax/2 binds when the best cubic held only within it goes below zero.
    double within[TERMS];
    fitNonNegativeCubic(p, 1, within);
    within[0] += 1e-9;  // what the hold at samples leaves at t = 1 is no crossing
    double crossing = firstNegative(within, 1, DIAGONAL_T);
    fit.heldFrom = crossing <= DIAGONAL_T ? crossing : 0;
    return true;
}

std::string heldNote(const VariogramFit& fit, double rMax) {
    char t[NOTATION_BUFFER], r[NOTATION_BUFFER];
    formatGeneral(t, fit.heldFrom, 3);
    formatGeneral(r, fit.heldFrom * 0.5 * rMax, 4);
    return std::string("varfit: the best fit within rMax/2 alone would fall below zero at t = ") +
           t + " (r = " + r +
           "), where kriging still uses it; the model printed is held at or above zero out to "
           "the whole diagonal (t = 2).  Check its fit to the bins in the plot, or compare it "
           "with other models by krigcv.\n";
}

std::string fitAnswers(const VariogramFit& fit) {
    std::string text;
    for (double c : fit.curve) text += general6(c) + "\n";
    return text + general6(fit.vMax) + "\n";
}
