#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace gridder_dialogue {

const std::string INTRODUCTION =
    "\n"
    "                  Program Gridder:\n"
    "Interpolates scalar data on a map from any irregular\n"
    "   positions in any order to positions on a regular\n"
    "   rectangular grid.\n"
    "For greatest convenience, Gridder should be used in \n"
    "   conjunction with program Curvefit for interactive\n"
    "   fitting of the variogram polynomial.  (Note that\n"
    "   program Curvefit in turn requires program Sketcher.)\n"
    "\n"
    "This program expects a dataset containing up to   4000 lines\n"
    "  with one datum per line in the order: x y z\n"
    "The three values must be separated by spaces or commas.\n"
    "The data points need not be in any particular order.\n"
    "\n"
    "Enter the name of the data file: ";
const std::string QUESTION =
    "\n"
    "Do you already have a fitted variogram polynomial\n"
    "That you want to apply ? (TRUE/FALSE): ";
const std::string PAUSE = "Press any key to continue...\n";
const std::string HEADING =
    "    Bin #           Min. r           Max. r      num.Pairs        Variance\n";
const std::string RULE = "________________________________________________________________ ";

std::string reading(const std::string& name, int n) {
    return "Reading " + name + " ...\nReading of data completed: " + std::to_string(n) +
           " data points.\n";
}

std::string padLeft(const std::string& text, size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// Numbers of the form h / 2 (h = 1..20) in scientific notation with six decimals.
std::string halves(int h) {
    if (h == 1) return "5.000000e-001";
    if (h == 20) return "1.000000e+001";
    return std::to_string(h / 2) + (h % 2 ? ".500000" : ".000000") + "e+000";
}

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

std::vector<double> valuesAfterHeader(const std::string& file) {
    std::istringstream in(file);
    std::string line;
    std::getline(in, line);
    std::getline(in, line);
    std::vector<double> values;
    while (std::getline(in, line)) values.push_back(std::strtod(line.c_str(), nullptr));
    return values;
}

// A(0,0,1) B(0,0,3) C(3,4,0) D(6,8,2), with commas and without a last line end: rMax = 10.
const std::string FOUR_POINTS = "0,0,1\n0 0 3\n3, 4, 0\n6 8 2";

// With 20 bins of 0.5: AB (distance 1e-15) in bin 1, AC BC CD (5) in bin 11, AD BD (10 = rMax)
// in the last bin.
std::string fourPointLines() {
    std::string lines;
    for (int k = 0; k < 20; ++k) {
        int count = k == 0 ? 1 : k == 10 ? 3 : k == 19 ? 2 : 0;
        std::string variance = k == 0    ? "4.000000e+000"
                               : k == 10 ? "4.666667e+000"
                               : k == 19 ? "1.000000e+000"
                                         : "0.000000";
        lines += padLeft(std::to_string(k + 1), 9) + padLeft(k == 0 ? "0.000000" : halves(k), 17) +
                 padLeft(halves(k + 1), 17) + padLeft(std::to_string(count), 15) +
                 padLeft(variance, 16) + "\n";
    }
    return lines;
}

TEST(GridderFirstRun, WholeDialogue) {
    ProgramRun run =
        runProgram("gridder", "data.txt no 19 201 20 vario.txt\n", {{"data.txt", FOUR_POINTS}});
    const std::string binQuestion =
        "\n"
        "Diagonal of this dataset is 10 long.\n"
        "How many distance bins shall be used in computing\n"
        "the variance as a function of distance?\n"
        "Enter an integer from 20 to   200 (suggestion:    20) : ";
    EXPECT_EQ(INTRODUCTION + reading("data.txt", 4) + QUESTION + binQuestion + binQuestion +
                  binQuestion +
                  "\n"
                  "Forming all possible data pairs for variogram...\n"
                  "Variogram (variance histogram):\n" +
                  HEADING + fourPointLines() + PAUSE +
                  "\n"
                  "Enter file name for variogram: Writing this histogram to vario.txt ...\n"
                  "\n"
                  "Please stop and fit a polynomial function to the\n"
                  "data in file vario.txt using program \"Curvefit\"\n"
                  "\n" +
                  PAUSE,
              run.out);
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ(" Variogram (variance histogram):\n" + HEADING + fourPointLines(),
              run.file("vario.txt"));
}

TEST(GridderFirstRun, ThirtyBinsMakeTwoScreenPagesAndOneFileTable) {
    ProgramRun run = runProgram("gridder", "data.txt false 30 v.txt", {{"data.txt", FOUR_POINTS}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(2, countOf(run.out, "Variogram (variance histogram):\n" + HEADING));
    EXPECT_EQ(3, countOf(run.out, PAUSE));
    size_t secondPage = run.out.rfind("Variogram (variance histogram):\n" + HEADING);
    EXPECT_EQ(PAUSE + "Variogram", run.out.substr(secondPage - PAUSE.size(), PAUSE.size() + 9));
    EXPECT_EQ("       23 ", run.out.substr(secondPage + 32 + HEADING.size(), 10));
    std::string file = run.file("v.txt");
    EXPECT_EQ(1, countOf(file, HEADING));
    EXPECT_EQ(32, countOf(file, "\n"));
    EXPECT_NE(std::string::npos, file.find("\n       30 "));
}

TEST(GridderFirstRun, OnlyTheTenYesWordsTakeTheSecondRun) {
    for (const char* word : {"TRUE", "true", "T", "t", "YES", "yes", "Y", "y", "OK", "ok"}) {
        ProgramRun run = runProgram("gridder", std::string("data.txt ") + word,
                                    {{"data.txt", FOUR_POINTS + "\n1 1 1\n2 2 2\n"}});
        EXPECT_NE(std::string::npos, run.out.find("Geographic range of data is:")) << word;
        EXPECT_EQ(1, run.status) << word;
        EXPECT_EQ("Input ended.\n", run.err) << word;
    }
    for (const char* word : {"Yes", "TRUE.", "no", "F", "okay", "yesyesyesyesyes"}) {
        ProgramRun run = runProgram("gridder", std::string("data.txt ") + word + " 25 v.txt",
                                    {{"data.txt", FOUR_POINTS}});
        EXPECT_NE(std::string::npos, run.out.find("Diagonal of this dataset is 10 long.")) << word;
        EXPECT_EQ(0, run.status) << word;
        // The rest of an overlong answer is discarded, not taken as the bin count.
        EXPECT_EQ(25 + 2, countOf(run.file("v.txt"), "\n")) << word;
    }
}

TEST(GridderFirstRun, VariogramFileThatCannotBeCreated) {
    ProgramRun run =
        runProgram("gridder", "data.txt no 20 nodir/v.txt", {{"data.txt", FOUR_POINTS}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("Could not create output file nodir/v.txt\n", run.err);
    EXPECT_NE(std::string::npos, run.out.find("Writing this histogram to nodir/v.txt ...\n"));
    EXPECT_NE(std::string::npos, run.out.find("data in file nodir/v.txt using program"));
}

TEST(GridderDataFile, MissingOrEmpty) {
    for (const char* name : {"nothere.txt", "empty.txt"}) {
        ProgramRun run = runProgram("gridder", name, {{"empty.txt", ""}});
        EXPECT_EQ(INTRODUCTION + "ERROR: Could not find " + name + "\n" + PAUSE, run.out);
        EXPECT_EQ(255, run.status);
    }
}

TEST(GridderDataFile, TextThatIsNotANumber) {
    ProgramRun run =
        runProgram("gridder", "bad.txt no 20 v.txt", {{"bad.txt", "1 2 3\n4 five 6\n"}});
    EXPECT_EQ(INTRODUCTION +
                  "Reading bad.txt ...\n"
                  "ERROR: Record 2 of bad.txt holds text that is not a number.\n" +
                  PAUSE,
              run.out);
    EXPECT_EQ(255, run.status);
    EXPECT_FALSE(run.hasFile("v.txt"));
}

std::string records(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(i % 97) + " " + std::to_string(i / 97) + " 1\n";
    return text;
}

TEST(GridderDataFile, AtMost4000Records) {
    const std::string full = "DATASET CONTAINED MORE THAN 4000 DATA; FIRST 4000 WERE READ.\n";
    for (int count : {4000, 4001}) {
        ProgramRun run = runProgram("gridder", "big.txt", {{"big.txt", records(count)}});
        EXPECT_EQ(INTRODUCTION + "Reading big.txt ...\n" + full +
                      "Reading of data completed: 4000 data points.\n" + QUESTION,
                  run.out);
        EXPECT_EQ(1, run.status);
    }
    ProgramRun run = runProgram("gridder", "big.txt", {{"big.txt", records(3999)}});
    EXPECT_EQ(INTRODUCTION + reading("big.txt", 3999) + QUESTION, run.out);
}

TEST(GridderDataFile, TooFewPointsForEitherRun) {
    ProgramRun one = runProgram("gridder", "one.txt no 20", {{"one.txt", "5 5 5\n"}});
    EXPECT_EQ(INTRODUCTION + reading("one.txt", 1) + QUESTION +
                  "ERROR: A variogram needs at least 2 data points; this dataset has 1.\n" + PAUSE,
              one.out);
    EXPECT_EQ(255, one.status);

    ProgramRun five = runProgram("gridder", "five.txt yes 0 10",
                                 {{"five.txt", "0 0 1\n1 0 1\n2 0 1\n3 0 1\n4 4 1\n"}});
    EXPECT_EQ(INTRODUCTION + reading("five.txt", 5) + QUESTION +
                  "ERROR: Kriging needs at least 6 data points; this dataset has 5.\n" + PAUSE,
              five.out);
    EXPECT_EQ(255, five.status);

    ProgramRun same = runProgram("gridder", "same.txt yes 0 10",
                                 {{"same.txt", "1 1 1\n1 1 2\n1 1 3\n1 1 4\n1 1 5\n1 1 6\n"}});
    EXPECT_EQ(INTRODUCTION + reading("same.txt", 6) + QUESTION +
                  "ERROR: All data points lie at one position; kriging needs a dataset spread "
                  "over the map.\n" +
                  PAUSE,
              same.out);
    EXPECT_EQ(255, same.status);
}

TEST(GridderDataFile, ADiagonalBeyondTheFloatRange) {
    const std::string huge = "3e38 0 1\n-3e38 0 2\n0 0 3\n1 1 4\n2 2 5\n3 3 6\n";
    for (const char* answers : {"huge.txt no 20 v.txt", "huge.txt yes 0 10"}) {
        ProgramRun run = runProgram("gridder", answers, {{"huge.txt", huge}});
        EXPECT_EQ(INTRODUCTION + reading("huge.txt", 6) + QUESTION +
                      "ERROR: The diagonal of this dataset exceeds the single-precision range.\n" +
                      PAUSE,
                  run.out);
        EXPECT_EQ(255, run.status);
    }
}

// Eight data around a 2 x 2 grid whose points lie on four of them.  A cutoff of 9 holds fewer
// than 6 data at every grid point, so each point grows its own radius from 9.
const std::string EIGHT_POINTS = "0 0 5\n10 0 5\n0 10 5\n10 10 5\n5 5 5\n2 8 5\n8 2 5\n5 0 5\n";

const std::string POLYNOMIAL_TEXT =
    "\n"
    "Variogram is assumed to have the form:\n"
    "Variance(r)=Maximum_variance*(curve0+\n"
    "                              curve1*(r/(rMax/2))+\n"
    "                              curve2*(r/(rMax/2))**2+\n"
    "                              curve3*(r/(rMax/2))**3)\n"
    "\n"
    "so that all of the parameters curve0...curve3 are\n"
    "   dimensionless numbers of order 1.\n"
    "\n";

std::string krigedPoint(const std::vector<const char*>& radii, int used) {
    std::string text =
        "\n * Begin kriging for one point...\n"
        "     Warning: Internal minimum of    6 neighbors was not reached.\n";
    for (const char* r : radii)
        text += std::string("     Cutoff radius temporarily increased to ") + r + "\n";
    return text + padLeft(std::to_string(used), 5) + " data used in estimate\n";
}

std::string progress(int done, int toGo) {
    return "\n" + RULE + std::to_string(done) + "\n" + std::to_string(done) +
           " rows of points done, " + std::to_string(toGo) + " rows to go...\n" + RULE +
           std::to_string(done) + "\n";
}

TEST(GridderSecondRun, WholeDialogue) {
    ProgramRun run = runProgram(
        "gridder",
        "data.txt y\n0 0 10 0 10\n1 62 2 2\n0.5 -1 0 0\n-1 0 -1 1 0 0\n2\n9\nest.grd est.grd "
        "sd.grd\n",
        {{"data.txt", EIGHT_POINTS}});
    const std::string countX = "How many grid points in the x-direction (<=61)?: ";
    EXPECT_EQ(
        INTRODUCTION + reading("data.txt", 8) + QUESTION +
            "\n"
            "Geographic range of data is:   Minimum    Maximum\n"
            "                          x:         0         10\n"
            "                          y:         0         10\n"
            "Select limits for the interpolated grid: \n"
            "Minimum x: Maximum x: Maximum x: Minimum y: Maximum y: \n" +
            countX + countX + countX +
            "How many grid points in the y-direction (<=61)?: " + POLYNOMIAL_TEXT +
            "Enter constant term curve0: Enter linear term curve1: Enter quadratic term curve2: "
            "Enter cubic term curve3: THIS VARIANCE FUNCTION WILL GO BELOW ZERO;\n"
            "   TRY AGAIN WITH LARGER COEFFICIENT(S)!\n"
            "Enter constant term curve0: NEGATIVE VARIANCES NOT PERMITTED; CHOOSE A "
            "NON-NEGATIVE INTERCEPT!\n"
            "Enter constant term curve0: Enter linear term curve1: NEGATIVE VARIANCES NOT "
            "PERMITTED; CHOOSE A NON-NEGATIVE SLOPE!\n"
            "Enter linear term curve1: Enter quadratic term curve2: Enter cubic term curve3: \n"
            "Enter maximum variance (vMax) from variogram: \n"
            "Enter cutoff radius for kriging; \n"
            " (If you do not want any cutoff, then\n"
            "  enter a very large number). Cutoff: \n"
            "Enter a file name (with extension .grd) for the interpolated results:\n"
            "\n"
            "Enter a file name (with extension .grd) for the standard deviations:\n"
            "The interpolated results go to est.grd; the standard deviations need a file of "
            "their own.\n"
            "Enter a file name (with extension .grd) for the standard deviations:\n"
            "Begining kriging...........\n" +
            krigedPoint({"10.8", "12.96"}, 7) + krigedPoint({"10.8"}, 6) + progress(1, 1) +
            krigedPoint({"10.8"}, 7) + krigedPoint({"10.8"}, 6) + progress(2, 0) +
            "KRIGING COMPLETED.\n" + PAUSE,
        run.out);
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ("0 10 10\n0 10 10\n5\n5\n5\n5\n", run.file("est.grd"));
    std::string sd = run.file("sd.grd");
    EXPECT_EQ(0u, sd.find("0 10 10\n0 10 10\n"));
    std::vector<double> deviations = valuesAfterHeader(sd);
    ASSERT_EQ(4u, deviations.size());
    for (double d : deviations) {
        EXPECT_GE(d, 0.0);  // every grid point lies on a datum and the model has no intercept
        EXPECT_LT(d, 0.01);
    }
}

// Distinct values at the four corners and no intercept: each estimate at a corner is that
// corner's datum, which shows the order of the values in the file.
TEST(GridderSecondRun, ValuesRunFromTheNorthWestToTheSouthEast) {
    ProgramRun run = runProgram(
        "gridder", "data.txt yes -5 15 -5 25 3 4 0 1 0 0 1 1e30 est.grd sd.grd",
        {{"data.txt",
          "-5 -5 1\n15 -5 2\n-5 25 3\n15 25 4\n5 0 9\n2 20 9\n8 12 9\n12 3 9\n0 9 9\n"}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(0u, run.file("est.grd").find("-5 10 15\n-5 10 25\n"));
    std::vector<double> est = valuesAfterHeader(run.file("est.grd"));
    ASSERT_EQ(12u, est.size());
    EXPECT_NEAR(3.0, est.front(), 1e-4);  // x minimum, y maximum
    EXPECT_NEAR(4.0, est[2], 1e-4);       // x maximum, y maximum
    EXPECT_NEAR(1.0, est[9], 1e-4);       // x minimum, y minimum
    EXPECT_NEAR(2.0, est.back(), 1e-4);   // x maximum, y minimum
    // Nine data within any cutoff: no radius changes.
    EXPECT_EQ(12, countOf(run.out, "    9 data used in estimate\n"));
    EXPECT_EQ(0, countOf(run.out, "Cutoff radius"));
    EXPECT_NE(std::string::npos, run.out.find(progress(1, 3) + "\n * Begin kriging"));
    EXPECT_NE(std::string::npos, run.out.find(progress(4, 0) + "KRIGING COMPLETED.\n"));
}

TEST(GridderSecondRun, FullGridAndProgress) {
    std::string data;
    for (int i = 0; i < 20; ++i)
        data += std::to_string(i * 7 % 20) + " " + std::to_string(i * 3 % 11) + " " +
                std::to_string(i % 5) + "\n";
    ProgramRun run = runProgram(
        "gridder", "data.txt ok 0 19 0 10 61 61 0.1 1 0 0 1 100 e.grd s.grd", {{"data.txt", data}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(3721, countOf(run.out, " * Begin kriging for one point...\n"));
    EXPECT_EQ(3721 + 2, countOf(run.file("e.grd"), "\n"));
    EXPECT_EQ(3721 + 2, countOf(run.file("s.grd"), "\n"));
    EXPECT_EQ(0u, run.file("e.grd").find("0 0.316667 19\n0 0.166667 10\n"));
    EXPECT_NE(std::string::npos, run.out.find(progress(1, 60)));
    EXPECT_NE(std::string::npos, run.out.find(progress(61, 0) + "KRIGING COMPLETED.\n" + PAUSE));
}

TEST(GridderSecondRun, TenRowsOfProgress) {
    ProgramRun run = runProgram("gridder", "data.txt YES 0 10 0 10 2 10 0 1 0 0 1 100 e.grd s.grd",
                                {{"data.txt", EIGHT_POINTS}});
    EXPECT_EQ(0, run.status);
    EXPECT_NE(
        std::string::npos,
        run.out.find("\n" + RULE + "1\n1 rows of points done, 9 rows to go...\n" + RULE + "1\n"));
    EXPECT_EQ(10, countOf(run.out, " rows to go...\n"));
    EXPECT_EQ(20 + 2, countOf(run.file("e.grd"), "\n"));
}

TEST(GridderSecondRun, GridFilesThatCannotBeCreatedOrCoincide) {
    ProgramRun run =
        runProgram("gridder", "data.txt yes 0 10 0 10 2 2 0 1 0 0 1 100 nodir/e.grd s.grd",
                   {{"data.txt", EIGHT_POINTS}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("Could not create output file nodir/e.grd\n", run.err);
    EXPECT_EQ("0 10 10\n0 10 10\n", run.file("s.grd").substr(0, 16));
    EXPECT_EQ(6, countOf(run.file("s.grd"), "\n"));

    // Another spelling of the same file is refused as well.
    ProgramRun same =
        runProgram("gridder", "data.txt yes 0 10 0 10 2 2 0 1 0 0 1 100 e.grd ./e.grd s.grd",
                   {{"data.txt", EIGHT_POINTS}});
    EXPECT_EQ(0, same.status);
    EXPECT_EQ(1, countOf(same.out, "the standard deviations need a file of their own.\n"));
    EXPECT_EQ("0 10 10\n0 10 10\n5\n5\n5\n5\n", same.file("e.grd"));
}

// Two data at (3, 8) and no intercept: each system would be singular.  Kriged with the pair as
// one datum of value 7, no grid value is lost to a nan, and one line on stderr says so.
TEST(GridderSecondRun, DataAtOnePositionWithoutAnIntercept) {
    ProgramRun run =
        runProgram("gridder", "data.txt yes 0 10 0 10 5 5 0 1 0 0 1 100 e.grd s.grd",
                   {{"data.txt", "0 0 1\n10 0 2\n0 10 3\n10 10 4\n5 5 5\n3 8 6\n7 2 7\n3 8 8\n"}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(
        "At 25 grid points data at one position made the kriging system singular; there each "
        "such group was kriged as one datum with the mean of its values.  To avoid this, remove "
        "duplicate positions from the data file or use a positive curve0.\n",
        run.err);
    EXPECT_EQ(25, countOf(run.out, "    8 data used in estimate\n"));
    EXPECT_EQ(0, countOf(run.out, "ILL-CONDITIONED"));
    std::string grids = run.file("e.grd") + run.file("s.grd");
    EXPECT_EQ(0, countOf(grids, "nan") + countOf(grids, "inf"));
    EXPECT_EQ(3.0, valuesAfterHeader(run.file("e.grd")).at(0));  // the datum at (0, 10)
}

// Four corners and two data inside, a model that is 0 from rMax/2 on: the corners' rows are 0 but
// in three columns, so a pivot is 0 at every grid point.  One line on stderr says so, and the
// grids hold numbers (the weights summed to 0, and dividing by that wrote nan).
TEST(GridderSecondRun, SingularSystemsAreCountedOnStderr) {
    ProgramRun run = runProgram("gridder", "data.txt yes 0 10 0 10 2 2 1 0 -1 0 1 100 e.grd s.grd",
                                {{"data.txt", "0 0 1\n10 0 2\n0 10 3\n10 10 4\n4 5 5\n6 5 6\n"}});
    EXPECT_EQ(
        "At 4 grid points the kriging system was singular (a pivot of its solve was 0), so the "
        "estimates and standard deviations there are arbitrary: the variogram model cannot tell "
        "those neighbours apart.  Use a model that grows with distance over the whole cutoff "
        "radius, as varfit fits, or a positive curve0.\n",
        run.err);
    EXPECT_EQ("0 10 10\n0 10 10\n3.5\n3.5\n3.5\n3.5\n", run.file("e.grd"));
}

TEST(GridderSecondRun, InputEndingMidwayKeepsWhatWasWritten) {
    ProgramRun run = runProgram("gridder", "data.txt yes 0 10 0 10 2 2 0 1 0 0 1 100 e.grd",
                                {{"data.txt", EIGHT_POINTS}});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("Input ended.\n", run.err);
    EXPECT_EQ("0 10 10\n0 10 10\n", run.file("e.grd"));
}

}  // namespace gridder_dialogue
