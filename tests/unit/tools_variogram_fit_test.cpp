#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "binning.h"
#include "coefficients.h"
#include "read_number.h"
#include "valid_cubic.h"
#include "variogram_fit.h"
#include "variogram_table.h"

namespace {

// The printed answers as gridder reads them.
std::vector<float> answersAsRead(const VariogramFit& fit) {
    std::istringstream in(fitAnswers(fit));
    std::vector<float> values;
    float v;
    while (readReal(in, v)) values.push_back(v);
    return values;
}

void expectGridderAccepts(const VariogramFit& fit) {
    std::vector<float> c = answersAsRead(fit);
    ASSERT_EQ(5u, c.size());
    EXPECT_GE(c[0], 0.0f);
    if (c[0] == 0) {
        EXPECT_GE(c[1], 0.0f);
    }
    EXPECT_TRUE(staysNonNegative(c[0], c[1], c[2], c[3]))
        << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
    // A valid variogram out to the diagonal (t = 2) as gridder holds the numbers.
    double asHeld[4] = {c[0], c[1], c[2], c[3]};
    EXPECT_TRUE(inValidFamily(asHeld, 2)) << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
    // Kriging evaluates the model out to the whole diagonal, t = 2, as gridder does in floats.
    for (int i = 0; i <= 4000; ++i) {
        float t = static_cast<float>(i / 2000.0);
        ASSERT_GE(variogramPolynomial(c[0], c[1], c[2], c[3], t), 0.0f)
            << "t = " << t << ": " << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
    }
}

// Bins of width 1 out to 2 * half with variances from a function of distance.
template <class Variance>
std::vector<VariogramBin> binsOf(int count, Variance variance, long pairs = 100) {
    std::vector<VariogramBin> bins;
    for (int k = 0; k < count; ++k) {
        VariogramBin b;
        b.minR = k;
        b.maxR = k + 1;
        b.pairs = pairs;
        b.variance = variance(k + 0.5);
        bins.push_back(b);
    }
    return bins;
}

TEST(VariogramFile, ReadsWhatGridderWrites) {
    VariogramBins bins;
    bins.nb = 20;
    bins.width = 2.5f;
    for (int k = 0; k < 20; ++k) {
        bins.count[k] = k == 1 ? 0 : 4 + k;
        bins.variance[k] = k == 1 ? 0.0f : 1.5f + k;
    }
    bins.variance[2] = 123.25f;
    bins.count[2] = 17;
    std::ostringstream file;
    writeVariogramFile(file, bins);
    std::istringstream in(file.str() + "\n");
    std::vector<VariogramBin> read;
    std::string error;
    ASSERT_TRUE(readVariogramFile(in, read, error)) << error;
    ASSERT_EQ(20u, read.size());
    EXPECT_EQ(5.0, read[2].minR);
    EXPECT_EQ(7.5, read[2].maxR);
    EXPECT_EQ(17, read[2].pairs);
    EXPECT_EQ(123.25, read[2].variance);
    EXPECT_EQ(0, read[1].pairs);
    VariogramFile whole;
    VariogramFileFault fault;
    ASSERT_TRUE(readVariogramFile(file.str(), whole, fault)) << fault.what;
    EXPECT_EQ(50.0, whole.rMax);  // the last bin's Max. r
}

TEST(VariogramFile, MalformedLinesAreNamed) {
    std::vector<VariogramBin> bins;
    std::string error;
    const std::string head =
        " Variogram (variance histogram):\n    Bin # Min. r Max. r num.Pairs Variance\n";
    std::istringstream cut(head + " 1 0 1 3 2.5\n 2 1 2\n");
    EXPECT_FALSE(readVariogramFile(cut, bins, error));
    EXPECT_EQ("line 4: 3 fields where a bin line has 5: number, Min. r, Max. r, pairs, variance",
              error);
    std::istringstream fill(head + " 1 0 !!!!!!!!!!!!!!!!! 3 2.5\n");
    EXPECT_FALSE(readVariogramFile(fill, bins, error));
    EXPECT_EQ("line 3: Max. r \"!!!!!!!!!!!!!!!!!\" is not a number", error);
    std::istringstream empty("");
    EXPECT_FALSE(readVariogramFile(empty, bins, error));
}

// Variances that follow a valid cubic exactly give that cubic back, scaled by vMax, the
// largest variance within rMax/2; bins beyond rMax/2 take no part.
TEST(VariogramFit, RecoversAnAdmissibleCubic) {
    const double half = 20;
    auto model = [&](double r) {
        double t = r / half;
        return r <= half ? 10 * (0.1 + 1.2 * t + 0.3 * t * t - 0.08 * t * t * t) : 1e6;
    };
    VariogramFit fit;
    std::string error;
    ASSERT_TRUE(fitVariogram(binsOf(40, model), 2 * half, fit, error));
    EXPECT_EQ(20, fit.binsUsed);
    EXPECT_NEAR(model(19.5), fit.vMax, 1e-12);
    double scale = fit.vMax / 10;
    EXPECT_NEAR(0.1 / scale, fit.curve[0], 1e-6);
    EXPECT_NEAR(1.2 / scale, fit.curve[1], 1e-6);
    EXPECT_NEAR(0.3 / scale, fit.curve[2], 1e-6);
    EXPECT_NEAR(-0.08 / scale, fit.curve[3], 1e-6);
    expectGridderAccepts(fit);
}

// A cubic that rises within rMax/2 and falls below zero at t = 1.3384 before the diagonal: the
// fit stays a valid variogram out there, at some cost within rMax/2.
TEST(VariogramFit, HeldAtOrAboveZeroOutToTheDiagonal) {
    const double half = 20;
    auto model = [&](double r) {
        double t = r / half;
        return 5 * (0.2 + 2 * t - 1.2 * t * t * t);
    };
    VariogramFit fit;
    std::string error;
    ASSERT_TRUE(fitVariogram(binsOf(20, model), 2 * half, fit, error));
    expectGridderAccepts(fit);
    EXPECT_EQ(fit.optimum[1], -12 * fit.optimum[3]);  // the spherical range held at the diagonal
}

// Variances that dip steeply would pull a free cubic below zero: the fit stays admissible and
// touches zero rather than crossing it.
TEST(VariogramFit, NeverProposesAPolynomialGridderRefuses) {
    VariogramFit fit;
    std::string error;
    auto dip = [](double r) { return r < 3 ? 50 - 20 * r : 1 + (r - 3) * (r - 3) * 5; };
    ASSERT_TRUE(fitVariogram(binsOf(20, dip), 20, fit, error));
    expectGridderAccepts(fit);
    EXPECT_LT(fit.curve[0], 1.0);  // held at zero by the dip, not lifted as a whole

    auto fallsToZero = [](double r) { return r < 10 ? 100 - r * r : 0.0; };
    ASSERT_TRUE(fitVariogram(binsOf(20, fallsToZero), 20, fit, error));
    expectGridderAccepts(fit);

    std::mt19937 random(12345);
    std::uniform_real_distribution<double> level(0, 100);
    std::uniform_int_distribution<long> pairs(0, 50);
    for (int trial = 0; trial < 60; ++trial) {
        std::vector<VariogramBin> bins = binsOf(30, [&](double) { return level(random); });
        for (VariogramBin& b : bins) b.pairs = pairs(random);
        bins[0].pairs = 1;
        ASSERT_TRUE(fitVariogram(bins, 30, fit, error));
        expectGridderAccepts(fit);
    }
}

TEST(VariogramFit, PairCountsWeightTheBins) {
    // Two bins at the same distance scale: the one with many pairs pulls the level to itself.
    std::vector<VariogramBin> bins = binsOf(8, [](double r) { return r < 2 ? 4.0 : 8.0; });
    bins[0].pairs = bins[1].pairs = 1;
    for (int k = 2; k < 8; ++k) bins[k].pairs = 1000;
    VariogramFit fit;
    std::string error;
    ASSERT_TRUE(fitVariogram(bins, 16, fit, error));
    EXPECT_EQ(8.0, fit.vMax);
    EXPECT_NEAR(1.0, fit.curve[0] + 0.5 * fit.curve[1] + 0.25 * fit.curve[2] + 0.125 * fit.curve[3],
                0.01);
}

TEST(VariogramFit, NeedsABinWithPairsWithinHalfTheDiagonal) {
    std::vector<VariogramBin> bins = binsOf(
        10, [](double) { return 1.0; }, 0);
    VariogramFit fit;
    std::string error;
    EXPECT_FALSE(fitVariogram(bins, 10, fit, error));
    EXPECT_EQ("0 bins with pairs within the fit range (r <= 5); a fit needs at least 3", error);
}

TEST(VariogramFit, AnswersInGridderOrder) {
    VariogramFit fit;
    fit.curve[0] = 0.1;
    fit.curve[1] = 1.2345678;
    fit.curve[2] = -0.5;
    fit.curve[3] = 0;
    fit.vMax = 5141.87;
    EXPECT_EQ("0.1\n1.23457\n-0.5\n0\n5141.87\n", fitAnswers(fit));
}

}  // namespace
