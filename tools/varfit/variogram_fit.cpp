#include "variogram_fit.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <sstream>

#include "notation.h"
#include "read_number.h"

namespace {

constexpr int TERMS = CUBIC_TERMS;

std::string general(double value, int significant) {
    char text[NOTATION_BUFFER];
    formatGeneral(text, value, significant);
    return text;
}

// The value a reader takes from the printed number: a double (the decimal itself, to rounding)
// or a float (what gridder stores).
template <class Real>
Real asRead(double value) {
    std::istringstream in(general(value, 6));
    Real r = 0;
    readReal(in, r);
    return r;
}

bool printedInFamily(const double c[TERMS], double validTo) {
    double asDecimal[TERMS], asFloat[TERMS];
    for (int i = 0; i < TERMS; ++i) {
        asDecimal[i] = asRead<double>(c[i]);
        asFloat[i] = asRead<float>(c[i]);
    }
    return inValidFamily(asDecimal, validTo) && inValidFamily(asFloat, validTo);
}

// Printing to 6 digits keeps every sign, so only c1 >= -3 a^2 c3 can fail where it held with
// equality; raising c1 by a unit of its 6th digit at a time mends that.
void makePrintable(double c[TERMS], double validTo) {
    for (int i = 0; i < TERMS; ++i) c[i] = asRead<double>(c[i]);
    while (!printedInFamily(c, validTo)) {
        double least = -3 * validTo * validTo * static_cast<double>(asRead<float>(c[3]));
        c[1] = std::fmax(c[1], least);
        if (!(c[1] > 0)) c[1] = DBL_MIN;
        double unit = std::pow(10.0, std::floor(std::log10(c[1])) - 5);
        c[1] = asRead<double>(c[1] + unit);
    }
}

double binWeight(const VariogramBin& bin, BinWeights weights) {
    double h = 0.5 * (bin.minR + bin.maxR);
    switch (weights) {
        case BinWeights::pairs:
            return static_cast<double>(bin.pairs);
        case BinWeights::equal:
            return 1;
        default:
            return static_cast<double>(bin.pairs) / (h * h);
    }
}

CubicLeastSquares normalEquations(const std::vector<VariogramBin>& bins, double half, double fitTo,
                                  double vMax, BinWeights weights) {
    CubicLeastSquares p;
    for (const VariogramBin& bin : bins) {
        double r = 0.5 * (bin.minR + bin.maxR);
        if (bin.pairs <= 0 || r > fitTo) continue;
        double t = r / half, w = binWeight(bin, weights), y = bin.variance / vMax;
        double power[TERMS] = {1, t, t * t, t * t * t};
        for (int i = 0; i < TERMS; ++i) {
            p.h[i] += w * power[i] * y;
            for (int j = 0; j < TERMS; ++j) p.g[i][j] += w * power[i] * power[j];
        }
        p.yy += w * y * y;
    }
    return p;
}

const char* weightsPhrase(BinWeights weights) {
    switch (weights) {
        case BinWeights::pairs:
            return "weighted by pairs";
        case BinWeights::equal:
            return "weighted equally";
        default:
            return "weighted by pairs/r^2";
    }
}

}  // namespace

bool fitVariogram(const std::vector<VariogramBin>& bins, double rMax, VariogramFit& fit,
                  std::string& error, const FitOptions& options) {
    fit = VariogramFit{};
    double half = 0.5 * rMax;
    fit.fitTo = options.fitTo > 0 ? options.fitTo : half;
    for (const VariogramBin& bin : bins)
        if (bin.pairs > 0 && 0.5 * (bin.minR + bin.maxR) <= fit.fitTo) {
            fit.vMax = std::fmax(fit.vMax, bin.variance);
            ++fit.binsUsed;
        }
    if (fit.binsUsed < MIN_FITTED_BINS) {
        error = std::to_string(fit.binsUsed) + (fit.binsUsed == 1 ? " bin" : " bins") +
                " with pairs within the fit range (r <= " + general(fit.fitTo, 6) +
                "); a fit needs at least 3";
        return false;
    }
    if (!(fit.vMax > 0)) {
        error = "every bin within the fit range (r <= " + general(fit.fitTo, 6) +
                ") has variance 0: the data do not vary, and no model grows with distance";
        return false;
    }
    fit.validTo = options.cutoff > 0 ? std::clamp(2 * options.cutoff, half, rMax) : rMax;
    fit.validTo = std::fmax(fit.validTo, std::fmin(fit.fitTo, rMax));

    CubicLeastSquares p = normalEquations(bins, half, fit.fitTo, fit.vMax, options.weights);
    // Three bins leave one cubic free: a whisper of ridge picks the smallest among the best.
    if (fit.binsUsed < TERMS) {
        double trace = p.g[0][0] + p.g[1][1] + p.g[2][2] + p.g[3][3];
        for (int i = 0; i < TERMS; ++i) p.g[i][i] += 1e-9 * trace;
    }
    ValidCubicFamily family;
    family.validTo = fit.validTo / half;
    family.nuggetFixed = options.nuggetFixed;
    family.nugget = options.nugget / fit.vMax;
    if (!fitValidCubic(p, family, fit.optimum)) {
        error = "the bins within the fit range leave the model undetermined";
        return false;
    }
    // Kriging cannot use the t^2 term (nearly) alone, so then the best model without it is taken.
    if (nearlySquareAlone(fit.optimum)) {
        family.quadraticAllowed = false;
        fit.quadraticDropped = true;
        if (!fitValidCubic(p, family, fit.optimum)) {
            error = "the bins within the fit range leave the model undetermined";
            return false;
        }
    }
    std::copy(fit.optimum, fit.optimum + TERMS, fit.curve);
    makePrintable(fit.curve, family.validTo);
    return true;
}

std::string fitAnswers(const VariogramFit& fit) {
    std::string text;
    for (double c : fit.curve) text += general(c, 6) + "\n";
    return text + general(fit.vMax, 6) + "\n";
}

std::string fitReport(const VariogramFit& fit, double rMax, const FitOptions& options) {
    double half = 0.5 * rMax;
    const double* c = fit.curve;
    std::string report = "varfit: fitted " + std::to_string(fit.binsUsed) +
                         " bins up to r = " + general(fit.fitTo, 6) + " " +
                         weightsPhrase(options.weights) +
                         (options.nuggetFixed ? ", nugget fixed" : "") +
                         "; the model is a valid variogram out to r = " + general(fit.validTo, 6) +
                         (fit.validTo >= rMax ? " (the diagonal)" : "") + "\n";
    if (fit.quadraticDropped)
        report +=
            "varfit: the best fit grew as r^2 alone, which makes every kriging system "
            "singular; this is the best fit without an r^2 term\n";
    // The spherical term is written with its longest range, so that no linear term is left over.
    auto model = [&](double factor) {
        std::string text = "nugget " + general(factor * c[0] * fit.vMax, 4);
        if (c[3] < 0) {
            double range = std::sqrt(c[1] / (-3 * c[3]));
            text += " + spherical of sill " +
                    general(factor * -2 * c[3] * range * range * range * fit.vMax, 4) +
                    " and range " + general(range * half, 4);
        } else if (c[1] > 0) {
            text += " + " + general(factor * c[1] * fit.vMax / half, 4) + " r";
        }
        if (c[2] > 0) text += " + " + general(factor * c[2] * fit.vMax / (half * half), 4) + " r^2";
        return text;
    };
    report += "varfit: as mean squared difference 2 gamma(r) = " + model(1) + "\n";
    report += "varfit: as semivariance gamma(r) = " + model(0.5) + "\n";
    return report;
}
