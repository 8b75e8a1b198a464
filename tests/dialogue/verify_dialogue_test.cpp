#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "run_program.h"

namespace verify_dialogue {

const std::string USAGE = "Usage: verify [PLOT.svg]\n";

// Every verdict passes, the table ends with its count, and the picture holds both studies.
TEST(Verify, tableAndPicture) {
    ProgramRun run = runTool("verify", {"convergence.svg"});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    std::istringstream table(run.out);
    std::string line;
    int rows = 0;
    std::getline(table, line);
    EXPECT_EQ(0u, line.find("quantity"));
    std::getline(table, line);
    EXPECT_EQ(std::string(line.size(), '-'), line);
    while (std::getline(table, line) && !line.empty()) {
        EXPECT_EQ("pass", line.substr(line.size() - 4)) << line;
        ++rows;
    }
    std::getline(table, line);
    EXPECT_EQ(std::to_string(rows) + " verdicts, 0 failed", line);
    std::string svg = run.file("convergence.svg");
    EXPECT_NE(std::string::npos,
              svg.find("<title>Convergence of the suite's integrators and solvers</title>"));
    EXPECT_NE(std::string::npos, svg.find("orbits: Kepler orbit, e = 0.5, one period"));
    EXPECT_NE(std::string::npos, svg.find("heater: half-space cooling, t = 1 to 2"));
}

TEST(Verify, arguments) {
    ProgramRun help = runTool("verify", {"--help"});
    EXPECT_EQ(0, help.status);
    EXPECT_EQ(0u, help.out.find(USAGE));
    for (auto arguments : {std::vector<std::string>{"a.svg", "b.svg"}, {"--plot"}}) {
        ProgramRun wrong = runTool("verify", arguments);
        EXPECT_EQ(2, wrong.status);
        EXPECT_EQ("verify: " + USAGE, wrong.err);
        EXPECT_EQ("", wrong.out);
    }
}

// A picture that cannot be created: the table is shown, the message names the file, status 1.
TEST(Verify, pictureThatCannotBeCreated) {
    ProgramRun run = runTool("verify", {"missing/convergence.svg"});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("verify: cannot create missing/convergence.svg\n", run.err);
    EXPECT_NE(std::string::npos, run.out.find(" verdicts, 0 failed\n"));
}

}  // namespace verify_dialogue
