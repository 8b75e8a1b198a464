#include <gtest/gtest.h>

#include "run_program.h"

TEST(Factorplot, DrawsTheReportAndRefusesWhatItCannotRead) {
    std::string report = testData("factor/seven.report");
    ProgramRun run = runTool("factorplot", {"seven.report"}, {{"seven.report", report}});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("Wrote seven.svg\n", run.out);
    EXPECT_NE(std::string::npos, run.file("seven.svg").find("Scree plot"));

    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* err;
    } cases[] = {
        {{"none.report"}, 1, "factorplot: cannot open none.report\n"},
        {{"seven.txt"},
         1,
         "factorplot: seven.txt, the report holds no table of eigenvalues (\"Eigenvalues and "
         "their relative sizes\")\n"},
        {{"seven.report", "seven.report"},
         1,
         "factorplot: seven.report is an input of this run; name another output file\n"},
        {{}, 2, "factorplot: Usage: factorplot REPORT [OUT.svg]\n"},
    };
    for (const Case& c : cases) {
        ProgramRun bad = runTool("factorplot", c.arguments,
                                 {{"seven.report", report}, {"seven.txt", "Id A\n1 2\n"}});
        EXPECT_EQ(c.status, bad.status);
        EXPECT_EQ(c.err, bad.err);
        EXPECT_EQ(report, bad.file("seven.report"));
        EXPECT_FALSE(bad.hasFile("seven.svg") || bad.hasFile("none.svg"));
    }
}

// A loading of -1e308 once sent the axis's tick loop on until memory ran out: it ends at once.
TEST(Factorplot, HugeLoadingEndsAtOnce) {
    std::string report = testData("factor/seven.report");
    report.replace(report.find("-0.087637"), 9, " -1e+308 ");
    ProgramRun run = runTool("factorplot", {"huge.report"}, {{"huge.report", report}});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("factorplot: huge.report, line 87: loading 2 lies beyond single precision, which "
              "factor writes\n",
              run.err);
    EXPECT_FALSE(run.hasFile("huge.svg"));
}
