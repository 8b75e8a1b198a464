#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "capacities.h"
#include "cross_validation.h"
#include "cross_validation_summary.h"
#include "krigcv_inputs.h"

namespace {

// Worked by hand.  errors 1 0 -1 2; standardized 1 0 -2 0.5 (three within 1.96; squares 0 0.25 1
// 4, median 0.625); observed deviations -1.5 -0.5 0.5 1.5 and estimated -1 -1 -1 3 from their
// means: r = 6 / sqrt(5 * 12).
TEST(KrigcvSummary, StatisticsOfFourData) {
    const float observed[] = {1, 2, 3, 4};
    const HeldOutEstimate estimate[] = {
        {2, 1, false}, {2, 2, true}, {2, 0.5f, false}, {6, 4, true}};
    CrossValidationSummary s = summarize("m.txt", observed, estimate, 4);
    EXPECT_EQ(4, s.n);
    EXPECT_EQ(0.5, s.meanError);
    EXPECT_DOUBLE_EQ(std::sqrt(1.5), s.rmse);
    EXPECT_EQ(-0.125, s.meanStandardized);
    EXPECT_EQ(1.3125, s.meanSquaredStandardized);
    EXPECT_EQ(0.75, s.coverage);
    EXPECT_EQ(0.625, s.medianSquaredStandardized);
    EXPECT_DOUBLE_EQ(6 / std::sqrt(60.0), s.correlation);
    EXPECT_EQ(2, s.warnings);
    EXPECT_EQ(0, s.zeroDeviations);
    EXPECT_EQ("", zeroDeviationNote(s));
}

// A standard deviation of 0 leaves its datum out of the standardized means (never a division by
// zero) and is noted; constant estimates have no correlation.
TEST(KrigcvSummary, ZeroDeviationsAndConstantEstimates) {
    const float observed[] = {1, 2, 3, 4};
    const HeldOutEstimate estimate[] = {{3, 0, false}, {3, 1, false}, {3, 1, false}, {3, 2, false}};
    CrossValidationSummary s = summarize("m.txt", observed, estimate, 4);
    EXPECT_EQ(1, s.zeroDeviations);
    // errors 2 1 0 -1: standardized 1 0 -0.5 over the three with a deviation
    EXPECT_DOUBLE_EQ(0.5 / 3, s.meanStandardized);
    EXPECT_DOUBLE_EQ(1.25 / 3, s.meanSquaredStandardized);
    EXPECT_EQ(1, s.coverage);
    EXPECT_EQ(0.25, s.medianSquaredStandardized);
    EXPECT_TRUE(std::isnan(s.correlation));
    EXPECT_EQ(
        "krigcv: m.txt: 1 data have a kriging standard deviation of 0, or one that "
        "single-precision rounding cannot tell from 0, and are left out of the standardized "
        "errors; a model with a larger curve0 (nugget) gives every datum one",
        zeroDeviationNote(s));
    std::ostringstream out;
    const float x[] = {5, 6, 7, 8};
    writeResiduals(out, x, x, observed, estimate, 2);
    EXPECT_EQ("5 5 1 3 2 0 inf\n6 6 2 3 1 1 1\n", out.str());
}

// Best first by RMSE; the mark goes to the mean squared standardized error farthest from 1.
TEST(KrigcvSummary, TableOrdersByRmseAndMarksTheWorstVariances) {
    CrossValidationSummary a{"varfit.txt", 150, -0.25, 12.5, 0.01, 1.1, 0.95, 0, 0, 0.94, 0.5};
    CrossValidationSummary b{"poor.txt", 150, 1.5, 20, -0.02, 0.25, 0.875, 3, 2, 1, 0.125};
    std::ostringstream out;
    writeSummaryTable(out, "data.txt", 200, {b, a});
    EXPECT_EQ(
        "Leave-one-out cross-validation of 150 data in data.txt, cutoff 200\n"
        "(error = estimate - observed; standardized error = error / kriging standard deviation)\n"
        "\n"
        "  model           n    mean error          RMSE  mean std. error  mean sq. std. error  "
        "median sq. std. error  within +-1.96  correlation  warnings  left out\n"
        "  varfit.txt    150         -0.25          12.5             0.01                  1.1"
        "                    0.5           0.94         0.95         0         0\n"
        "* poor.txt      150           1.5            20            -0.02                 0.25"
        "                  0.125              1        0.875         3         2\n"
        "\n"
        "* mean squared standardized error farthest from 1: of the models listed, the one whose "
        "kriging standard deviations describe its errors least well\n",
        out.str());
}

// 51 data at one position and 5 around it: no radius holds 6 to 50 data for the 5 (the count
// jumps from at most 4 to 55), so gridder's search gives up there and krigcv counts a warning;
// a datum of the pile left out leaves 50 there, which the search takes.
TEST(KrigcvCrossValidation, WarnsWhereGridderWould) {
    static float x[MAX_DATA], y[MAX_DATA], z[MAX_DATA];
    static HeldOutEstimate result[MAX_DATA];
    auto work = std::make_unique<CrossValidationWork>();
    const int n = 56;
    for (int i = 0; i < n; ++i) {
        bool around = i >= 51;
        x[i] = around ? 10.0f * (i - 51) - 20 : 0;
        y[i] = around ? 15.0f : 0;
        z[i] = static_cast<float>(i % 7);
    }
    crossValidate({0.5f, 1, 0, 0, 2}, x, y, z, n, 20, 5, *work, result);
    for (int i = 0; i < n; ++i) EXPECT_EQ(i >= 51, result[i].warned) << i;
    EXPECT_EQ(5, summarize("m", z, result, n).warnings);
}

// Left out and counted: data at one position without a nugget, kriged from each other at variances
// rounding cannot tell from 0 (one was 2.7e-14, a standardized error of 1.5e7); and variances far
// below 0 from a model gridder accepts but that is no variogram, each a warning that says so.
TEST(KrigcvCrossValidation, RoundingLevelAndNegativeVariancesAreLeftOut) {
    static float x[MAX_DATA] = {0, 10, 0, 10, 5, 3, 7, 3, 3, 6},
                 y[MAX_DATA] = {0, 0, 10, 10, 5, 8, 2, 8, 8, 6},
                 z[MAX_DATA] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 3};
    static HeldOutEstimate result[MAX_DATA];
    auto work = std::make_unique<CrossValidationWork>();
    crossValidate({0, 1, 0, 0, 10}, x, y, z, 10, 7.0710678f, 100, *work, result);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(x[i] == 3 && y[i] == 8, result[i].atRoundingLevel) << i;
    EXPECT_EQ(3, summarize("m", z, result, 10).zeroDeviations);
    for (int i = 0; i < 60; ++i) {
        x[i] = static_cast<float>(i * 37 % 101);
        y[i] = static_cast<float>(i * 61 % 97);
        z[i] = static_cast<float>(i * 13 % 17);
    }
    crossValidate({0, 1.5f, 0, -0.5f, 10}, x, y, z, 60, 70, 1e6f, *work, result);
    EXPECT_EQ(0, summarize("valid", z, result, 60).zeroDeviations);
    crossValidate({0.01f, 0, 2, -1.5f, 10}, x, y, z, 60, 70, 1e6f, *work, result);
    CrossValidationSummary s = summarize("p.txt", z, result, 60);
    ASSERT_GT(s.negativeVariances, 0);
    EXPECT_EQ(s.negativeVariances, s.warnings);
    EXPECT_EQ(s.negativeVariances, s.zeroDeviations);
    EXPECT_EQ("krigcv: p.txt: " + std::to_string(s.negativeVariances) +
                  " kriging variances came out negative and were set to 0, so those data are left "
                  "out of the standardized errors: the model is not a valid variogram at these "
                  "distances; fit one that is, e.g. with varfit",
              zeroDeviationNote(s));
}

TEST(KrigcvInputs, PolynomialFileRefusals) {
    struct Case {
        std::string text, message;
    } cases[] = {
        {"0.1 1\n0 0\n\n",
         "krigcv: p.txt:3: ends before vMax; a model is curve0, curve1, curve2, "
         "curve3 and vMax, as varfit prints them"},
        {"0.1\n1\n0\n0\n5\n7\n",
         "krigcv: p.txt:6: more than five numbers; a model is curve0, "
         "curve1, curve2, curve3 and vMax, as varfit prints them"},
        {"0.1\n1x\n", "krigcv: p.txt:2: not a number: x"},
        {"-0.1\n1\n0\n0\n5\n", "krigcv: p.txt:1: curve0 is negative, which gridder refuses"},
        {"0 -1 0 0\n5\n",
         "krigcv: p.txt:1: curve1 is negative while curve0 is 0, which gridder refuses"},
        {"0.5\n-1\n0\n0\n5\n",
         "krigcv: p.txt: the polynomial goes below zero between t = 0 and 1, "
         "which gridder refuses"},
        {"1\n-1\n0\n0\n0\n",
         "krigcv: p.txt:5: with a vMax of 0 or less every standard deviation would be 0; use the "
         "largest variance of the variogram"},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        PolynomialModel model;
        std::string message;
        EXPECT_FALSE(readPolynomialFile(in, "p.txt", model, message)) << c.text;
        EXPECT_EQ(c.message, message);
    }
    std::istringstream varfit("0.0325119\n-0.086048\n3.14266\n-2.15784\n5328\n");
    PolynomialModel model;
    std::string message;
    ASSERT_TRUE(readPolynomialFile(varfit, "p.txt", model, message)) << message;
    EXPECT_EQ(-0.086048f, model.curve1);
    EXPECT_EQ(5328.0f, model.vMax);
}

TEST(KrigcvInputs, DataFileRefusals) {
    static float x[MAX_DATA], y[MAX_DATA], z[MAX_DATA];
    struct Case {
        std::string text, message;
    } cases[] = {
        {"0 0 1\n1 0 2\n1 1 x3\n", "krigcv: d.txt:3: record 3 holds text that is not a number"},
        {"0 0 1\n1 0 2\n1 1 3\n0 1 4\n2 2 5\n3 3 6\n",
         "krigcv: d.txt: 6 data; each one left out must be kriged from at least 6 others"},
        {"1 1 1\n1 1 2\n1 1 3\n1 1 4\n1 1 5\n1 1 6\n1 1 7\n",
         "krigcv: d.txt: all data lie at one position; kriging needs them spread over the map"},
        {"0 0 1\n1 0 2\n1 1 3\n0 1 4\n2 2 5\n3 3 6\n-3e38 3e38 7\n",
         "krigcv: d.txt: the diagonal of the data exceeds the single-precision range"},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        int n;
        DataExtent extent;
        std::string note, message;
        EXPECT_FALSE(readDataFile(in, "d.txt", x, y, z, n, extent, note, message)) << c.text;
        EXPECT_EQ(c.message, message);
    }
    std::string many;
    for (int i = 0; i < MAX_DATA + 1; ++i)
        many += std::to_string(i) + " " + std::to_string(i % 7) + " 1\n";
    std::istringstream in(many);
    int n;
    DataExtent extent;
    std::string note, message;
    ASSERT_TRUE(readDataFile(in, "d.txt", x, y, z, n, extent, note, message)) << message;
    EXPECT_EQ(MAX_DATA, n);
    EXPECT_EQ(
        "krigcv: d.txt:4001: more than 4000 data; the first 4000 are judged, the ones gridder "
        "reads; split the file to judge the rest",
        note);
}

TEST(KrigcvInputs, CommandLine) {
    struct Case {
        std::vector<const char*> argv;
        ArgumentsStatus status;
        std::string message;
    } cases[] = {
        {{"krigcv", "d.txt", "200"},
         ArgumentsStatus::refused,
         "krigcv: needs DATA_FILE CUTOFF POLYNOMIAL_FILE... (see --help)"},
        {{"krigcv", "d.txt", "200", "p.txt", "--plot"},
         ArgumentsStatus::refused,
         "krigcv: --plot needs a file name"},
        {{"krigcv", "--resid", "r.txt", "d.txt", "200", "p.txt"},
         ArgumentsStatus::refused,
         "krigcv: unknown option --resid"},
        {{"krigcv", "d.txt", "200", "p.txt", "--help"}, ArgumentsStatus::answered, ""},
        {{"krigcv", "--plot", "cv.svg", "d.txt", "1e30", "p.txt", "--", "--q.txt"},
         ArgumentsStatus::run,
         ""},
    };
    for (const Case& c : cases) {
        KrigcvArguments args;
        std::string message;
        EXPECT_EQ(c.status, readKrigcvArguments(static_cast<int>(c.argv.size()), c.argv.data(),
                                                args, message));
        EXPECT_EQ(c.message, message);
    }
    KrigcvArguments args;
    std::string message;
    const char* argv[] = {"krigcv", "d.txt", "200", "p.txt", "--residuals", "p.txt"};
    ASSERT_EQ(ArgumentsStatus::run, readKrigcvArguments(6, argv, args, message));
    EXPECT_EQ(200.0f, args.cutoff);
    EXPECT_EQ("krigcv: p.txt is an input of this run; name another output file",
              outputOverInput(args));
}

}  // namespace
