#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

const std::string HEAD =
    " Variogram (variance histogram):\n Bin # Min. r Max. r num.Pairs Variance\n";

// 20 bins of width 10 out to the diagonal 200, bin k with 40 + k pairs and variance 100 + 20 k
// where filled(k), none of either elsewhere; line k + 2 holds bin k.
std::string variogram(int bins = 20, bool (*filled)(int) = nullptr) {
    std::string text = HEAD;
    for (int k = 1; k <= bins; ++k)
        text += std::to_string(k) + " " + std::to_string(10 * k - 10) + " " +
                std::to_string(10 * k) + " " +
                (!filled || filled(k) ? std::to_string(40 + k) + " " + std::to_string(100 + 20 * k)
                                      : "0 0") +
                "\n";
    return text;
}

std::string withLine(int n, const std::string& line) {
    std::istringstream in(variogram());
    std::string text, l;
    for (int i = 1; std::getline(in, l); ++i) text += (i == n ? line : l) + "\n";
    return text;
}

std::string at(int line, const std::string& what) {
    return "varfit: v.txt:" + std::to_string(line) + ": " + what + "\n";
}

struct Refusal {
    std::string file;
    std::string arguments;  // separated by blanks
    int status;
    std::string err;
};

// What gridder cannot have written, what cannot be fitted, a wrong command line: one line naming
// the file and line or the argument, the status, and nothing written.
TEST(Varfit, RefusesWhatCannotBeFitted) {
    const std::string plain = "v.txt p.svg";
    const std::vector<Refusal> table = {
        {withLine(1, "Variogram"), plain, 1,
         at(1, "not the title of gridder's variogram file, \" Variogram (variance histogram):\"")},
        {withLine(2, "Bin Min Max Pairs Variance"), plain, 1,
         at(2,
            "not the heading of gridder's variogram file (Bin #, Min. r, Max. r, num.Pairs, "
            "Variance)")},
        {withLine(5, "3 20 30 43 160 7"), plain, 1,
         at(5, "6 fields where a bin line has 5: number, Min. r, Max. r, pairs, variance")},
        {withLine(4, "3 10 20 42 140"), plain, 1, at(4, "bin number 3 where 2 was expected")},
        {withLine(3, "1 5 10 41 120"), plain, 1,
         at(3, "bin 1 starts at 5; gridder's bins start at 0")},
        {withLine(5, "3 20 31 43 160"), plain, 1,
         at(5, "Min. r 20 and Max. r 31 are not bin 3's, 2 and 3 times the width 10 of bin 1")},
        {withLine(5, "3 20 30 42.5 160"), plain, 1,
         at(5, "pair count \"42.5\" is not a whole number")},
        {withLine(5, "3 20 30 -42 160"), plain, 1,
         at(5, "pair count \"-42\" is not a whole number")},
        {withLine(5, "3 20 30 7997950 160"), plain, 1,
         at(5, "the pair counts add up to more than the 7998000 pairs of gridder's 4000 data")},
        {withLine(5, "3 20 30 43 -1.5e+002"), plain, 1,
         at(5, "variance -1.5e+002 is negative; a mean squared difference is not")},
        {withLine(5, "3 20 30 0 5"), plain, 1,
         at(5, "a bin without pairs has variance 5; gridder writes 0 there")},
        {variogram(2), plain, 1, "varfit: v.txt: holds 2 bins; gridder writes 20 to 200\n"},
        {variogram(20, [](int k) { return k <= 2; }), plain, 1,
         "varfit: v.txt: 2 bins with pairs within the fit range (r <= 100); a fit needs at least "
         "3\n"},
        {variogram(), "v.txt 2000", 2,
         "varfit: RMAX 2000 disagrees with the diagonal 200 of v.txt (its last bin's Max. r); "
         "leave RMAX out to use the file's\n"},
        {variogram(), "v.txt 200,0", 2,
         "varfit: \"200,0\" is neither RMAX (a number) nor a plot (a name ending in .svg)\n"},
        {variogram(), "v.txt --weights r2", 2,
         "varfit: --weights needs pairs/r^2, pairs or equal, not r2\n"},
    };
    for (const Refusal& r : table) {
        SCOPED_TRACE(r.err);
        std::vector<std::string> arguments;
        std::istringstream words(r.arguments);
        for (std::string w; words >> w;) arguments.push_back(w);
        ProgramRun run = runTool("varfit", arguments, {{"v.txt", r.file}});
        EXPECT_EQ(r.status, run.status);
        EXPECT_EQ(r.err, run.err);
        EXPECT_EQ("", run.out);
        EXPECT_FALSE(run.hasFile("p.svg"));
    }
    // Variances all 0 cannot be fitted either.
    std::string flat = HEAD;
    for (int k = 1; k <= 20; ++k)
        flat += std::to_string(k) + " " + std::to_string(10 * k - 10) + " " +
                std::to_string(10 * k) + " 7 0\n";
    EXPECT_EQ(
        "varfit: v.txt: every bin within the fit range (r <= 100) has variance 0: the data "
        "do not vary, and no model grows with distance\n",
        runTool("varfit", {"v.txt"}, {{"v.txt", flat}}).err);
}

// The diagonal comes from the file; one typed that agrees to gridder's 6 digits changes nothing.
TEST(Varfit, TakesTheDiagonalFromTheFile) {
    ProgramRun bare = runTool("varfit", {"v.txt", "p.svg"}, {{"v.txt", variogram()}});
    ProgramRun typed = runTool("varfit", {"v.txt", "200.001"}, {{"v.txt", variogram()}});
    ASSERT_EQ(0, bare.status) << bare.err;
    EXPECT_EQ(bare.out, typed.out);
    EXPECT_EQ(0u, bare.err.find("varfit: fitted 10 bins up to r = 100 weighted by pairs/r^2; the "
                                "model is a valid variogram out to r = 200 (the diagonal)\n"));
    EXPECT_NE(std::string::npos, bare.file("p.svg").find("2\u03b3(r)"));
}

}  // namespace
