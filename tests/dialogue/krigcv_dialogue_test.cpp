#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace krigcv_dialogue {

// 16 data on a jittered 4 x 4 layout over 0..90; every value a few digits, so that a position
// typed as grid limits is the very float of the datum.
const std::string DATA =
    "0 0 10.5\n30.5 2 12\n61 0.5 9.25\n90 1 14\n"
    "1 29.5 11\n31.25 30 15.5\n59.5 31 13\n89 28 10\n"
    "0.5 60 8\n29 61.5 12.75\n60.5 59 16\n90 60.5 11.5\n"
    "2 90 9.5\n30 89 13.25\n62 90 12\n88.5 89.5 10.25\n";
const std::string MODEL = "0.05\n1.2\n-0.3\n0.02\n6.5\n";

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> result;
    std::istringstream in(line);
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

// A datum inside the extent, left out of the file: gridder's second run kriges a grid whose
// south-west node lies on it, and krigcv's residual line for it shows the very same estimate and
// standard deviation.  Cutoffs that take every datum, that take some and that must grow.
TEST(Krigcv, EstimatesEqualGriddersOnTheDatumLeftOut) {
    std::vector<std::string> records = lines(DATA);
    for (const char* cutoff : {"1e30", "40", "12"}) {
        ProgramRun cv = runTool("krigcv", {"data.txt", cutoff, "model.txt", "--residuals", "r.txt"},
                                {{"data.txt", DATA}, {"model.txt", MODEL}});
        ASSERT_EQ(0, cv.status) << cv.err;
        std::vector<std::string> residuals = lines(cv.file("r.txt"));
        ASSERT_EQ(16u, residuals.size());
        for (int left : {5, 6, 9, 10}) {
            std::string others;
            for (int i = 0; i < 16; ++i)
                if (i != left) others += records[i] + "\n";
            std::vector<std::string> datum = words(records[left]);
            std::string answers = "data.txt yes " + datum[0] + " 95 " + datum[1] + " 95 2 2 " +
                                  MODEL + cutoff + " est.grd sd.grd\n";
            ProgramRun grid = runProgram("gridder", answers, {{"data.txt", others}});
            ASSERT_EQ(0, grid.status);
            std::vector<std::string> row = words(residuals[left]);
            ASSERT_EQ(7u, row.size());
            // Values from the north: the south-west node is the third.
            EXPECT_EQ(lines(grid.file("est.grd"))[4], row[3]) << "datum " << left << " " << cutoff;
            EXPECT_EQ(lines(grid.file("sd.grd"))[4], row[5]) << "datum " << left << " " << cutoff;
        }
    }
}

TEST(Krigcv, RefusalsWriteNothing) {
    struct Case {
        std::vector<std::string> args;
        std::string model;
        int status;
        std::string err;
    } cases[] = {
        {{"data.txt", "40", "model.txt", "--residuals", "r.txt", "--plot", "p.svg"},
         "0.05\n1.2\nabc\n0.02\n6.5\n",
         1,
         "krigcv: model.txt:3: not a number: abc\n"},
        {{"data.txt", "40", "model.txt", "--plot", "model.txt"},
         MODEL,
         1,
         "krigcv: model.txt is an input of this run; name another output file\n"},
        {{"data.txt", "40", "missing.txt", "--plot", "p.svg"},
         MODEL,
         1,
         "krigcv: cannot open missing.txt\n"},
        {{"data.txt", "4O", "model.txt"},
         MODEL,
         2,
         "krigcv: CUTOFF must be a number, as typed into gridder's second run: 4O\n"},
    };
    for (const Case& c : cases) {
        ProgramRun run = runTool("krigcv", c.args, {{"data.txt", DATA}, {"model.txt", c.model}});
        EXPECT_EQ(c.status, run.status);
        EXPECT_EQ(c.err, run.err);
        EXPECT_EQ("", run.out);
        EXPECT_FALSE(run.hasFile("r.txt") || run.hasFile("p.svg"));
        EXPECT_EQ(c.model, run.file("model.txt"));
    }
}

// One routine decides for both: gridder says why in a sentence and asks again, krigcv names the
// file (and vMax's line) with the very same reason.
TEST(Krigcv, RefusesTheModelsGridderRefusesForTheSameReasons) {
    const std::string term = "; make curve0 (a nugget), curve1 or curve3 non-zero";
    const std::string cases[][3] = {
        {"0 0 0 0", "5", "with curve0 to curve3 all 0 every kriging system is singular" + term},
        {"0 0 2.5 -0", "5",
         "with curve2 the only non-zero term every kriging system is singular (a square of the "
         "distance alone gives a matrix of rank at most 4 in the plane)" +
             term},
        {"1 0 0 0", "0",
         "with a vMax of 0 or less every standard deviation would be 0; use the largest variance "
         "of the variogram"},
        {"1 0 0 0", "1e39",
         "a vMax beyond the single-precision range would be taken as 3.40282e+038; use the "
         "largest variance of the variogram"}};
    for (const auto& c : cases) {
        bool atVMax = c[0] == "1 0 0 0";
        ProgramRun cv = runTool("krigcv", {"data.txt", "40", "m"},
                                {{"data.txt", DATA}, {"m", c[0] + "\n" + c[1]}});
        EXPECT_EQ("krigcv: m" + std::string(atVMax ? ":2: " : ": ") + c[2] + "\n", cv.err);
        std::string answers = c[0] + " " + (atVMax ? c[1] + " 6.5" : MODEL) + " 40 e s";
        ProgramRun grid =
            runProgram("gridder", "data.txt yes 0 9 0 9 2 2 " + answers, {{"data.txt", DATA}});
        std::string prompt =
            atVMax ? "Enter maximum variance (vMax) from variogram: " : "Enter cubic term curve3: ";
        std::string sentence = c[2] + ".\n";
        sentence[0] = static_cast<char>(std::toupper(sentence[0]));
        std::string again = atVMax ? prompt + "\n" : "Enter constant term curve0: ";
        EXPECT_NE(std::string::npos, grid.out.find(prompt + sentence + again)) << c[2];
    }
}

TEST(Krigcv, AnswersHelpAndVersion) {
    ProgramRun help = runTool("krigcv", {"--help"});
    EXPECT_EQ(0, help.status);
    EXPECT_EQ(0u, help.out.find("Usage: krigcv DATA_FILE CUTOFF POLYNOMIAL_FILE... [--residuals "
                                "FILE]\n"));
    ProgramRun version = runTool("krigcv", {"data.txt", "--version"});
    EXPECT_EQ(0, version.status);
    EXPECT_EQ("krigcv 1.0.0\n", version.out);
}

}  // namespace krigcv_dialogue
