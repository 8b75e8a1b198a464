// varfit's model against an independent solve, and on random data as krigcv kriges with it.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "binning.h"
#include "coefficients.h"
#include "cross_validation.h"
#include "extent.h"
#include "krigcv_inputs.h"
#include "valid_cubic.h"
#include "variogram_fit.h"
#include "variogram_table.h"

namespace {

using Cubic = std::array<double, 4>;
struct Row {
    double w, t, y;
};

double spherical(double t, double range) {
    return 1.5 * t / range - 0.5 * std::pow(t / range, 3);
}

// Least squares by modified Gram-Schmidt on the weighted columns; false when they are dependent.
bool leastSquares(std::vector<std::vector<double>> columns, std::vector<double> b,
                  std::vector<double>& beta, double& residual) {
    size_t k = columns.size(), m = b.size();
    std::vector<std::vector<double>> r(k, std::vector<double>(k, 0));
    for (size_t j = 0; j < k; ++j) {
        for (size_t i = 0; i < j; ++i) {
            double d = 0;
            for (size_t q = 0; q < m; ++q) d += columns[i][q] * columns[j][q];
            r[i][j] = d;
            for (size_t q = 0; q < m; ++q) columns[j][q] -= d * columns[i][q];
        }
        double norm = 0;
        for (double v : columns[j]) norm += v * v;
        r[j][j] = std::sqrt(norm);
        if (!(r[j][j] > 1e-12)) return false;
        for (double& v : columns[j]) v /= r[j][j];
        double d = 0;
        for (size_t q = 0; q < m; ++q) d += columns[j][q] * b[q];
        beta.push_back(d);
        for (size_t q = 0; q < m; ++q) b[q] -= d * columns[j][q];
    }
    for (size_t j = k; j-- > 0;) {
        for (size_t i = j + 1; i < k; ++i) beta[j] -= r[j][i] * beta[i];
        beta[j] /= r[j][j];
    }
    residual = 0;
    for (double v : b) residual += v * v;
    return true;
}

// The best non-negative combination of 1, t, t^2 and a spherical term of the given range, found
// by trying every support: the optimum is the support's least-squares solution that is best among
// those with no negative coefficient.  Returned as the cubic's coefficients.
Cubic independentFit(const std::vector<Row>& rows, double range, const double* fixedNugget,
                     bool withSquare) {
    double best = INFINITY;
    Cubic c{};
    for (unsigned support = 0; support < 16; ++support) {
        if ((fixedNugget && (support & 1u)) || (!withSquare && (support & 4u))) continue;
        std::vector<std::vector<double>> columns;
        std::vector<double> b;
        for (unsigned basis = 0; basis < 4; ++basis) {
            if (!(support & (1u << basis))) continue;
            columns.emplace_back();
            for (const Row& row : rows) {
                double f[4] = {1, row.t, row.t * row.t, spherical(row.t, range)};
                columns.back().push_back(std::sqrt(row.w) * f[basis]);
            }
        }
        for (const Row& row : rows)
            b.push_back(std::sqrt(row.w) * (row.y - (fixedNugget ? *fixedNugget : 0)));
        std::vector<double> beta;
        double residual = 0;
        if (!leastSquares(columns, b, beta, residual)) continue;
        double term[4] = {fixedNugget ? *fixedNugget : 0, 0, 0, 0};
        bool negative = false;
        for (unsigned basis = 0, i = 0; basis < 4; ++basis)
            if (support & (1u << basis)) {
                negative = negative || beta[i] < 0;
                term[basis] = beta[i++];
            }
        if (negative || residual >= best) continue;
        best = residual;
        c = {term[0], term[1] + 1.5 * term[3] / range, term[2],
             -0.5 * term[3] / (range * range * range)};
    }
    // Kriging cannot use the t^2 term alone; varfit then fits without it.
    if (withSquare && nearlySquareAlone(c.data()))
        return independentFit(rows, range, fixedNugget, false);
    return c;
}

std::vector<VariogramBin> randomBins(std::mt19937& random, int count, double width) {
    std::uniform_real_distribution<double> unit(0, 1);
    double nugget = 50 * unit(random), sill = 1000 * unit(random), scale = 0.3 + unit(random);
    std::vector<VariogramBin> bins;
    for (int k = 0; k < count; ++k) {
        double t = (k + 0.5) / count * 2 / scale;
        double grow = t < 1 ? 1.5 * t - 0.5 * t * t * t : 1;
        bins.push_back({k * width, (k + 1) * width, 1 + static_cast<long>(200 * unit(random)),
                        (nugget + sill * grow) * (0.8 + 0.4 * unit(random))});
    }
    return bins;
}

// The fitted optimum equals the independent solve to 1e-9 of its size, for every weighting, a
// nugget fixed at 0 or above, a shorter fit range, validity only up to a cutoff, and bins that
// follow t^2 alone (fitted again without that term).
TEST(VariogramModel, IsTheExactOptimumOfAnIndependentSolve) {
    std::mt19937 random(2024);
    const double width = 10, rMax = 300, half = 150;
    struct Case {
        FitOptions options;
        double range;  // of the spherical term, in t
    };
    FitOptions pairs, equal, nuggetZero, nuggetFixed, shortRange, cutoff;
    pairs.weights = BinWeights::pairs;
    equal.weights = BinWeights::equal;
    nuggetZero.nuggetFixed = nuggetFixed.nuggetFixed = true;
    nuggetFixed.nugget = 80;
    shortRange.fitTo = 90;
    cutoff.cutoff = 100;  // valid up to 200, t = 4/3
    const std::vector<Case> cases = {{FitOptions{}, 2}, {pairs, 2},       {equal, 2},
                                     {nuggetZero, 2},   {nuggetFixed, 2}, {shortRange, 2},
                                     {cutoff, 4.0 / 3}};
    for (int trial = 0; trial < 24; ++trial) {
        std::vector<VariogramBin> bins = randomBins(random, 30, width);
        if (trial == 23)  // t^2 alone
            for (VariogramBin& b : bins) b.variance = std::pow(0.5 * (b.minR + b.maxR), 2);
        for (const Case& c : cases) {
            SCOPED_TRACE("trial " + std::to_string(trial) + ", range " + std::to_string(c.range));
            VariogramFit fit;
            std::string error;
            ASSERT_TRUE(fitVariogram(bins, rMax, fit, error, c.options)) << error;
            double fitTo = c.options.fitTo > 0 ? c.options.fitTo : half, vMax = 0;
            std::vector<Row> rows;
            for (const VariogramBin& b : bins) {
                double h = 0.5 * (b.minR + b.maxR);
                if (h > fitTo) continue;
                double n = static_cast<double>(b.pairs);
                double w = c.options.weights == BinWeights::pairs   ? n
                           : c.options.weights == BinWeights::equal ? 1
                                                                    : n / (h * h);
                rows.push_back({w, h / half, b.variance});
                vMax = std::fmax(vMax, b.variance);
            }
            for (Row& row : rows) row.y /= vMax;
            double nugget = c.options.nugget / vMax;
            Cubic expected =
                independentFit(rows, c.range, c.options.nuggetFixed ? &nugget : nullptr, true);
            EXPECT_EQ(trial == 23 && c.options.nugget == 0, fit.quadraticDropped);
            double size = 0;
            for (double v : expected) size = std::fmax(size, std::fabs(v));
            for (int i = 0; i < 4; ++i)
                EXPECT_NEAR(expected[i], fit.optimum[i], 1e-9 * size) << "curve" << i;
        }
    }
}

// Random data, binned by gridder and fitted by varfit with random weights and nuggets: the
// printed model passes gridder's test and lies in the valid family as gridder reads it, and
// krigcv's routine kriges every datum with a positive variance, at least the half nugget that
// ordinary kriging cannot go below (vMax curve0 (1 + sum of squared weights) / 2).
TEST(VariogramModel, RandomDataGiveValidModelsThatKrigeWithoutNegativeVariances) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> unit(0, 1);
    static float x[MAX_DATA], y[MAX_DATA], z[MAX_DATA];
    static HeldOutEstimate heldOut[MAX_DATA];
    static CrossValidationWork work;
    static VariogramBins bins;
    for (int trial = 0; trial < 16; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        // At most 50 data, so that every system holds all the others, the farthest pairs too.
        int n = 12 + static_cast<int>(39 * unit(random));
        float side = 10 + 1000 * unit(random), wave = side * (0.1f + unit(random)),
              noise = 5 * unit(random) * unit(random);
        // Every other set in two clusters at opposite corners, so that many pairs of a system lie
        // nearly the whole diagonal apart.
        float spread = trial % 2 ? 0.15f : 1.0f;
        for (int i = 0; i < n; ++i) {
            float corner = trial % 2 && i % 2 ? 1 - spread : 0;
            x[i] = side * (corner + spread * unit(random));
            y[i] = 0.7f * side * (corner + spread * unit(random));
            z[i] = 100 + 20 * std::sin(x[i] / wave) * std::cos(y[i] / wave) +
                   (trial % 4 == 0 ? x[i] / side * 30 : 0) + noise * (unit(random) - 0.5f);
        }
        DataExtent extent = computeExtent(x, y, n);
        int nb = 20 + trial * 5;
        binPairs(x, y, z, n, nb, extent.rMax / static_cast<float>(nb), bins);
        std::ostringstream file;
        writeVariogramFile(file, bins);
        VariogramFile read;
        VariogramFileFault fault;
        ASSERT_TRUE(readVariogramFile(file.str(), read, fault)) << fault.line << fault.what;
        FitOptions options;
        options.weights = static_cast<BinWeights>(trial % 3);
        options.nuggetFixed = trial % 5 == 1;
        options.nugget = trial % 10 == 1 ? 0 : 3 * noise * noise;
        VariogramFit fit;
        std::string error;
        ASSERT_TRUE(fitVariogram(read.bins, read.rMax, fit, error, options)) << error;

        std::istringstream printed(fitAnswers(fit));
        PolynomialModel model;
        ASSERT_TRUE(readPolynomialFile(printed, "fit", model, error)) << error;
        // A nugget, linear, t^2 and spherical term of range 2 or more, none negative.
        EXPECT_GE(model.curve0, 0);
        EXPECT_GE(model.curve2, 0);
        EXPECT_LE(model.curve3, 0);
        EXPECT_GE(double(model.curve1), -12 * double(model.curve3));
        EXPECT_TRUE(staysNonNegative(model.curve0, model.curve1, model.curve2, model.curve3));
        crossValidate(model, x, y, z, n, extent.halfRMax, 1e6f, work, heldOut);
        double least = 0.5 * double(model.curve0) * model.vMax * (1 - 1e-4);
        for (int i = 0; i < n; ++i) {
            double variance = double(heldOut[i].standardDeviation) * heldOut[i].standardDeviation;
            ASSERT_FALSE(heldOut[i].negativeVariance) << "datum " << i;
            ASSERT_FALSE(heldOut[i].atRoundingLevel) << "datum " << i;
            ASSERT_GT(variance, 0) << "datum " << i;
            ASSERT_GE(variance, least) << "datum " << i;
        }
    }
}

}  // namespace
