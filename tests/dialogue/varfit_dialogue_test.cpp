#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

const std::string TITLE = " Variogram (variance histogram):\n";
const std::string HEADING =
    "    Bin #           Min. r           Max. r      num.Pairs        Variance\n";

// A bin line as gridder writes it, the reals in its 7-digit fixed-width notation.
std::string binLine(int k, const std::string& pairs, const std::string& variance) {
    std::ostringstream line;
    line.width(9);
    line << k << "    " << (k - 1) * 10 << ".000000    " << k * 10 << ".000000"
         << "     ";
    line.width(10);
    line << pairs << "   " << variance << "\n";
    return line.str();
}

// 20 bins of width 10 out to the diagonal 200, growing variances; line n + 2 holds bin n.
std::string variogram(int bins = 20, int filled = 20) {
    std::string text = TITLE + HEADING;
    for (int k = 1; k <= bins; ++k)
        text += binLine(k, k <= filled ? std::to_string(40 + k) : "0",
                        k <= filled ? std::to_string(100 + 20 * k) : "0.000000");
    return text;
}

// The variogram with its line n (from 1) replaced.
std::string withLine(int n, const std::string& line) {
    std::istringstream in(variogram());
    std::string text, l;
    for (int i = 1; std::getline(in, l); ++i) text += (i == n ? line : l) + "\n";
    return text;
}

struct Refusal {
    const char* what;
    std::string file;
    std::vector<std::string> arguments;
    int status;
    std::string err;
};

// Everything that cannot be gridder's variogram file, or cannot be fitted, or a wrong command
// line: one line naming the file and line (or the argument), the status, and nothing written.
TEST(Varfit, RefusesWhatCannotBeFitted) {
    std::string twoHundredOne = variogram(200) + binLine(201, "1", "5");
    std::string lastBinsOnly = variogram();
    for (int k = 1; k <= 8; ++k) {
        std::string full = binLine(k, std::to_string(40 + k), std::to_string(100 + 20 * k));
        lastBinsOnly.replace(lastBinsOnly.find(full), full.size(), binLine(k, "0", "0.000000"));
    }
    std::string flat = variogram();
    for (int k = 1; k <= 20; ++k) {
        std::string full = binLine(k, std::to_string(40 + k), std::to_string(100 + 20 * k));
        flat.replace(flat.find(full), full.size(), binLine(k, "7", "0.000000"));
    }
    const std::string v = "v.txt";
    const std::vector<Refusal> table = {
        {"title",
         withLine(1, "Variogram"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:1: not the title of gridder's variogram file, \" Variogram (variance "
         "histogram):\"\n"},
        {"heading",
         withLine(2, "Bin Min Max Pairs Variance"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:2: not the heading of gridder's variogram file (Bin #, Min. r, Max. r, "
         "num.Pairs, Variance)\n"},
        {"extra column",
         withLine(5, "3 20 30 43 160 7"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:5: 6 fields where a bin line has 5: number, Min. r, Max. r, pairs, "
         "variance\n"},
        {"one field",
         withLine(4, "2"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:4: 1 field where a bin line has 5: number, Min. r, Max. r, pairs, "
         "variance\n"},
        {"out of order",
         withLine(4, "3 10 20 42 140"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:4: bin number 3 where 2 was expected\n"},
        {"number",
         withLine(4, "2.0 10 20 42 140"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:4: bin number \"2.0\" is not a whole number\n"},
        {"field filled",
         withLine(4, "2 !!!!!!!!!!!!!!!!! 20 42 140"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:4: Min. r \"!!!!!!!!!!!!!!!!!\" is not a number\n"},
        {"max r",
         withLine(4, "2 10 2O 42 140"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:4: Max. r \"2O\" is not a number\n"},
        {"start",
         withLine(3, "1 5 10 41 120"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:3: bin 1 starts at 5; gridder's bins start at 0\n"},
        {"no width",
         withLine(3, "1 0 0 41 120"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:3: bin 1 ends at 0; its width must be positive\n"},
        {"unequal width",
         withLine(5, "3 20 31 43 160"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:5: Min. r 20 and Max. r 31 are not bin 3's, 2 and 3 times the width 10 "
         "of bin 1\n"},
        {"fractional pairs",
         withLine(5, "3 20 30 42.5 160"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:5: pair count \"42.5\" is not a whole number\n"},
        {"negative pairs",
         withLine(5, "3 20 30 -42 160"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:5: pair count \"-42\" is not a whole number\n"},
        {"too many pairs",
         withLine(5, "3 20 30 7997950 160"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:5: the pair counts add up to more than the 7998000 pairs of gridder's "
         "4000 data\n"},
        {"negative variance",
         withLine(5, "3 20 30 43 -1.5e+002"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:5: variance -1.5e+002 is negative; a mean squared difference is not\n"},
        {"variance text",
         withLine(5, "3 20 30 43 nan"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:5: variance \"nan\" is not a number\n"},
        {"beyond float",
         withLine(5, "3 20 30 43 1e39"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:5: variance \"1e39\" is beyond the single precision of gridder\n"},
        {"empty bin",
         withLine(5, "3 20 30 0 5"),
         {v, "p.svg"},
         1,
         "varfit: v.txt:5: a bin without pairs has variance 5; gridder writes 0 there\n"},
        {"two bins",
         variogram(2),
         {v, "p.svg"},
         1,
         "varfit: v.txt: holds 2 bins; gridder writes 20 to 200\n"},
        {"201 bins",
         twoHundredOne,
         {v, "p.svg"},
         1,
         "varfit: v.txt:203: more than 200 bins; gridder writes 20 to 200\n"},
        {"no bins",
         TITLE + HEADING,
         {v, "p.svg"},
         1,
         "varfit: v.txt: has no bin lines after its heading\n"},
        {"title only",
         TITLE,
         {v, "p.svg"},
         1,
         "varfit: v.txt: ends after its title, without the heading and the bin lines\n"},
        {"empty",
         "",
         {v, "p.svg"},
         1,
         "varfit: v.txt: is empty; gridder's variogram file begins with the title \" Variogram "
         "(variance histogram):\"\n"},
        {"two filled bins in range",
         variogram(20, 2),
         {v, "p.svg"},
         1,
         "varfit: v.txt: 2 bins with pairs within the fit range (r <= 100); a fit needs at "
         "least 3\n"},
        {"filled only beyond the range",
         lastBinsOnly,
         {v, "p.svg", "--fit-to", "80"},
         1,
         "varfit: v.txt: 0 bins with pairs within the fit range (r <= 80); a fit needs at least "
         "3\n"},
        {"all variances 0",
         flat,
         {v, "p.svg"},
         1,
         "varfit: v.txt: every bin within the fit range (r <= 100) has variance 0: the data do "
         "not vary, and no model grows with distance\n"},
        {"RMAX disagrees",
         variogram(),
         {v, "2000", "p.svg"},
         2,
         "varfit: RMAX 2000 disagrees with the diagonal 200 of v.txt (its last bin's Max. r); "
         "leave RMAX out to use the file's\n"},
        {"RMAX not positive",
         variogram(),
         {v, "-200", "p.svg"},
         2,
         "varfit: RMAX must be a positive number, as gridder prints the diagonal\n"},
        {"neither RMAX nor plot",
         variogram(),
         {v, "200,0"},
         2,
         "varfit: \"200,0\" is neither RMAX (a number) nor a plot (a name ending in .svg)\n"},
        {"three names",
         variogram(),
         {v, "a.svg", "p.svg"},
         2,
         "varfit: usage: varfit VARIOGRAM_FILE [RMAX] [PLOT.svg] [--weights "
         "pairs/r^2|pairs|equal]\n"
         "              [--nugget V] [--fit-to R] [--cutoff C]\n"},
        {"weights",
         variogram(),
         {v, "p.svg", "--weights", "r2"},
         2,
         "varfit: --weights takes pairs/r^2, pairs or equal, not \"r2\"\n"},
        {"nugget",
         variogram(),
         {v, "p.svg", "--nugget", "-1"},
         2,
         "varfit: --nugget takes a number of 0 or more, not \"-1\"\n"},
        {"fit range",
         variogram(),
         {v, "p.svg", "--fit-to", "0"},
         2,
         "varfit: --fit-to takes a positive distance, not \"0\"\n"},
        {"cutoff",
         variogram(),
         {v, "p.svg", "--cutoff", "x"},
         2,
         "varfit: --cutoff takes a positive distance, not \"x\"\n"},
        {"option value",
         variogram(),
         {v, "p.svg", "--cutoff"},
         2,
         "varfit: --cutoff needs a value; usage: varfit VARIOGRAM_FILE [RMAX] [PLOT.svg] "
         "[--weights pairs/r^2|pairs|equal]\n              [--nugget V] [--fit-to R] [--cutoff "
         "C]\n"},
    };
    for (const Refusal& r : table) {
        SCOPED_TRACE(r.what);
        ProgramRun run = runTool("varfit", r.arguments, {{"v.txt", r.file}});
        EXPECT_EQ(r.status, run.status);
        EXPECT_EQ(r.err, run.err);
        EXPECT_EQ("", run.out);
        EXPECT_FALSE(run.hasFile("p.svg"));
    }
}

// The diagonal comes from the file; a typed one that agrees to gridder's 6 digits changes
// nothing.  What was fitted is said on the error stream in the data's units, both ways.
TEST(Varfit, DiagonalFromTheFileAndTheModelSaid) {
    ProgramRun bare = runTool("varfit", {"v.txt", "p.svg"}, {{"v.txt", variogram()}});
    ProgramRun typed = runTool("varfit", {"v.txt", "200.001", "p.svg"}, {{"v.txt", variogram()}});
    ASSERT_EQ(0, bare.status) << bare.err;
    EXPECT_EQ(bare.out, typed.out);
    EXPECT_EQ(bare.err, typed.err);
    EXPECT_NE(std::string::npos, bare.file("p.svg").find("2\u03b3(r)"));
    std::istringstream err(bare.err);
    std::string line;
    std::getline(err, line);
    EXPECT_EQ(
        "varfit: fitted 10 bins up to r = 100 weighted by pairs/r^2; the model is a valid "
        "variogram out to r = 200 (the diagonal)",
        line);
    std::getline(err, line);
    EXPECT_EQ(0u, line.find("varfit: as mean squared difference 2 gamma(r) = nugget ")) << line;
    std::getline(err, line);
    EXPECT_EQ(0u, line.find("varfit: as semivariance gamma(r) = nugget ")) << line;
}

}  // namespace
