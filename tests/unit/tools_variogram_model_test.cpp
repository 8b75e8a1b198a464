// varfit's model against an independent solve, and on random data as krigcv kriges with it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <sstream>
#include <vector>

#include "binning.h"
#include "coefficients.h"
#include "cross_validation.h"
#include "extent.h"
#include "variogram_fit.h"
#include "variogram_table.h"

namespace {

using Cubic = std::array<double, 4>;
struct Row {
    double w, t, y;
};

// Least squares of the weighted columns by modified Gram-Schmidt; false when they are dependent.
bool leastSquares(std::vector<std::vector<double>> a, std::vector<double> b,
                  std::vector<double>& beta, double& residual) {
    size_t k = a.size();
    std::vector<std::vector<double>> r(k, std::vector<double>(k, 0));
    auto dot = [](const std::vector<double>& u, const std::vector<double>& v) {
        double s = 0;
        for (size_t q = 0; q < u.size(); ++q) s += u[q] * v[q];
        return s;
    };
    for (size_t j = 0; j < k; ++j) {
        for (size_t i = 0; i < j; ++i) {
            r[i][j] = dot(a[i], a[j]);
            for (size_t q = 0; q < b.size(); ++q) a[j][q] -= r[i][j] * a[i][q];
        }
        r[j][j] = std::sqrt(dot(a[j], a[j]));
        if (!(r[j][j] > 1e-12)) return false;
        for (double& v : a[j]) v /= r[j][j];
        beta.push_back(dot(a[j], b));
        for (size_t q = 0; q < b.size(); ++q) b[q] -= beta[j] * a[j][q];
    }
    for (size_t j = k; j-- > 0;) {
        for (size_t i = j + 1; i < k; ++i) beta[j] -= r[j][i] * beta[i];
        beta[j] /= r[j][j];
    }
    residual = dot(b, b);
    return true;
}

// The best non-negative combination of 1, t, t^2 and the spherical 1.5 t/a - 0.5 (t/a)^3: of the
// least-squares solutions on every support, the best with no negative coefficient.  As a cubic.
Cubic independentFit(const std::vector<Row>& rows, double a, const double* nugget, bool square) {
    double best = INFINITY;
    Cubic c{};
    for (unsigned support = 0; support < 16; ++support) {
        if ((nugget && (support & 1u)) || (!square && (support & 4u))) continue;
        std::vector<std::vector<double>> columns;
        std::vector<double> b, beta;
        for (unsigned basis = 0; basis < 4; ++basis) {
            if (!(support >> basis & 1u)) continue;
            columns.emplace_back();
            for (const Row& w : rows) {
                double f[4] = {1, w.t, w.t * w.t, 1.5 * w.t / a - 0.5 * std::pow(w.t / a, 3)};
                columns.back().push_back(std::sqrt(w.w) * f[basis]);
            }
        }
        for (const Row& w : rows) b.push_back(std::sqrt(w.w) * (w.y - (nugget ? *nugget : 0)));
        double residual = 0, term[4] = {nugget ? *nugget : 0, 0, 0, 0};
        if (!leastSquares(columns, b, beta, residual)) continue;
        for (unsigned basis = 0, i = 0; basis < 4; ++basis)
            if (support >> basis & 1u) term[basis] = beta[i++];
        if (std::any_of(beta.begin(), beta.end(), [](double v) { return v < 0; }) ||
            residual >= best)
            continue;
        best = residual;
        c = {term[0], term[1] + 1.5 * term[3] / a, term[2], -0.5 * term[3] / (a * a * a)};
    }
    // Kriging cannot use the t^2 term alone; varfit then fits without it.
    if (square && nearlySquareAlone(c.data())) return independentFit(rows, a, nugget, false);
    return c;
}

// The fitted optimum equals the independent solve to 1e-9 of its size: every weighting, a nugget
// fixed at 0 or above, a shorter fit range, validity only up to a cutoff (t = 4/3), and bins that
// follow t^2 alone (fitted again without that term).
TEST(VariogramModel, IsTheExactOptimumOfAnIndependentSolve) {
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> unit(0, 1);
    const double half = 150;
    const std::vector<std::pair<FitOptions, double>> cases = {
        {{}, 2},
        {{.weights = BinWeights::pairs}, 2},
        {{.weights = BinWeights::equal}, 2},
        {{.nuggetFixed = true}, 2},
        {{.nuggetFixed = true, .nugget = 80}, 2},
        {{.fitTo = 90}, 2},
        {{.cutoff = 100}, 4.0 / 3}};
    for (int trial = 0; trial < 24; ++trial) {
        double nugget = 50 * unit(random), sill = 1000 * unit(random), scale = 0.3 + unit(random);
        std::vector<VariogramBin> bins;
        for (int k = 0; k < 30; ++k) {
            double t = std::fmin(1, (k + 0.5) / 15 / scale), h = 10 * k + 5;
            double variance = trial == 23 ? h * h  // t^2 alone
                                          : (nugget + sill * (1.5 * t - 0.5 * t * t * t)) *
                                                (0.8 + 0.4 * unit(random));
            bins.push_back({h - 5, h + 5, 1 + static_cast<long>(200 * unit(random)), variance});
        }
        for (const auto& [options, a] : cases) {
            SCOPED_TRACE("trial " + std::to_string(trial) + ", range " + std::to_string(a));
            VariogramFit fit;
            std::string error;
            ASSERT_TRUE(fitVariogram(bins, 2 * half, fit, error, options)) << error;
            std::vector<Row> rows;
            for (const VariogramBin& b : bins) {
                double h = b.minR + 5, n = static_cast<double>(b.pairs);
                double w = options.weights == BinWeights::pairs   ? n
                           : options.weights == BinWeights::equal ? 1
                                                                  : n / (h * h);
                if (h <= (options.fitTo > 0 ? options.fitTo : half))
                    rows.push_back({w, h / half, b.variance / fit.vMax});
            }
            double fixed = options.nugget / fit.vMax;
            Cubic expected = independentFit(rows, a, options.nuggetFixed ? &fixed : nullptr, true);
            EXPECT_EQ(trial == 23 && options.nugget == 0, fit.quadraticDropped);
            double size = 0;
            for (double v : expected) size = std::fmax(size, std::fabs(v));
            for (int i = 0; i < 4; ++i) EXPECT_NEAR(expected[i], fit.optimum[i], 1e-9 * size) << i;
        }
    }
}

// Random data (at most 50, so that every system holds all the others), binned by gridder and
// fitted by varfit with random weights and nuggets: the printed model passes gridder's test and
// meets the four conditions as gridder reads it, and krigcv's routine kriges every datum with a
// variance above rounding and above half the nugget, below which ordinary kriging cannot go.
TEST(VariogramModel, RandomDataGiveValidModelsThatKrigeWithoutNegativeVariances) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> unit(0, 1);
    static float x[MAX_DATA], y[MAX_DATA], z[MAX_DATA];
    static HeldOutEstimate heldOut[MAX_DATA];
    static CrossValidationWork work;
    static VariogramBins bins;
    for (int trial = 0; trial < 16; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        int n = 12 + static_cast<int>(39 * unit(random));
        float side = 10 + 1000 * unit(random), wave = side * (0.1f + unit(random)),
              noise = 5 * unit(random) * unit(random);
        for (int i = 0; i < n; ++i) {
            x[i] = side * unit(random);
            y[i] = 0.7f * side * unit(random);
            z[i] = 100 + 20 * std::sin(x[i] / wave) * std::cos(y[i] / wave) + noise * unit(random);
        }
        DataExtent extent = computeExtent(x, y, n);
        binPairs(x, y, z, n, 20 + trial * 5, extent.rMax / float(20 + trial * 5), bins);
        std::ostringstream file;
        writeVariogramFile(file, bins);
        VariogramFile read;
        VariogramFileFault fault;
        ASSERT_TRUE(readVariogramFile(file.str(), read, fault)) << fault.line << fault.what;
        FitOptions options{static_cast<BinWeights>(trial % 3), 0, trial % 5 == 1,
                           trial % 10 == 1 ? 0 : 3 * noise * noise};
        VariogramFit fit;
        std::string error;
        ASSERT_TRUE(fitVariogram(read.bins, read.rMax, fit, error, options)) << error;
        std::istringstream printed(fitAnswers(fit));
        PolynomialModel m;  // as gridder and krigcv read it
        ASSERT_TRUE(readPolynomialFile(printed, "fit", m, error)) << error;
        EXPECT_TRUE(m.curve0 >= 0 && m.curve2 >= 0 && m.curve3 <= 0 &&
                    double(m.curve1) >= -12 * double(m.curve3));
        EXPECT_TRUE(staysNonNegative(m.curve0, m.curve1, m.curve2, m.curve3));
        crossValidate(m, x, y, z, n, extent.halfRMax, 1e6f, work, heldOut);
        for (int i = 0; i < n; ++i) {
            double variance = double(heldOut[i].standardDeviation) * heldOut[i].standardDeviation;
            ASSERT_FALSE(heldOut[i].negativeVariance || heldOut[i].atRoundingLevel) << i;
            ASSERT_GE(variance, 0.5 * double(m.curve0) * m.vMax * (1 - 1e-4)) << i;
        }
    }
}

}  // namespace
