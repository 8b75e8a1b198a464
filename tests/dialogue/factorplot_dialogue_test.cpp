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
