#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "run_program.h"

namespace speed_dialogue {

const std::string GREETING =
    "Demonstration of speed of C++ execution:\n"
    "Press [Enter] when ready to begin timing!\n";
const std::string STARTING = "1000000000 (pow(10,9)) floating-point operations starting now!\n";
const std::string COMPLETED =
    "1000000000 (pow(10,9)) floating-point operations completed.  STOP TIMING!\n";
const std::string EXIT_PROMPT = "\nPress [Enter] to exit...";

// Ten lines of ten reports, each "%4d%%", each line closed by " completed ...".
std::string progressLines() {
    std::string lines;
    for (int percent = 1; percent <= 100; ++percent) {
        char report[8];
        std::snprintf(report, sizeof report, "%4d%%", percent);
        lines += report;
        if (percent % 10 == 0) lines += " completed ...\n";
    }
    return lines;
}

TEST(SpeedDialogue, WholeRun) {
    ProgramRun run = runProgram("speed", "\n\n");
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(GREETING + STARTING + progressLines() + COMPLETED + EXIT_PROMPT, run.out);
    EXPECT_EQ("", run.err);
    EXPECT_NE(std::string::npos,
              run.out.find("\n  91%  92%  93%  94%  95%  96%  97%  98%  99% 100% completed ...\n"));
}

TEST(SpeedDialogue, InputEndingBeforeTheStartStopsWithoutRunning) {
    ProgramRun run = runProgram("speed", "");
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(GREETING, run.out);
    EXPECT_EQ("Input ended.\n", run.err);
}

TEST(SpeedDialogue, InputEndingAtTheExitPrompt) {
    ProgramRun run = runProgram("speed", "\n");
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(GREETING + STARTING + progressLines() + COMPLETED + EXIT_PROMPT, run.out);
    EXPECT_EQ("Input ended.\n", run.err);
}

}  // namespace speed_dialogue
