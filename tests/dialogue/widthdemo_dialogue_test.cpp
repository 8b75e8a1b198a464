#include <gtest/gtest.h>

#include <string>

#include "run_program.h"

namespace widthdemo_dialogue {

const std::string RULER = "123456789ABCDEF\n";
const std::string ASK_X = "\nEnter a floating point number: ";
const std::string ASK_WIDTH = "(Enter 0 bytes to end this demo program.)\nHow many bytes? :";

std::string consolePass(const std::string& field) {
    return ASK_X + ASK_WIDTH + RULER + field + "\n" + RULER;
}

std::string filePass(const std::string& x, const std::string& width, const std::string& field) {
    return "\nx = " + x + "\nwidth = " + width + "\n" + RULER + field + "\n" + RULER;
}

TEST(WidthDemo, PassesUntilWidthZero) {
    ProgramRun run = runProgram("widthdemo", "3.14159 10\n1.5 4\n3.14159 0\n");
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ(consolePass("  3.141590") + consolePass("1.50") + consolePass(""), run.out);
    // The second "x = " line has the 6 digits left by the first field's 6 decimals; the third
    // only 2, left by "1.50".
    EXPECT_EQ(filePass("3.14159", "10", "  3.141590") + filePass("1.5", "4", "1.50") +
                  filePass("3.1", "0", ""),
              run.file("output"));
}

TEST(WidthDemo, FieldsPastTheRulerAndFills) {
    ProgramRun run = runProgram("widthdemo", "123.456 17 1000 4 -7 -2 5 0");
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(consolePass("    1.234560e+002") + consolePass("****") + consolePass("") +
                  consolePass(""),
              run.out);
    // Scientific at width 17 leaves 6 decimals; fills and negative widths leave the precision.
    EXPECT_EQ(filePass("123.456", "17", "    1.234560e+002") + filePass("1000", "4", "****") +
                  filePass("-7", "-2", "") + filePass("5", "0", ""),
              run.file("output"));
}

TEST(WidthDemo, WrongWordIsAskedAgain) {
    ProgramRun run = runProgram("widthdemo", "pi 2.5 many 3 0 0");
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(ASK_X + ASK_X + ASK_WIDTH + ASK_WIDTH + RULER + "2.5\n" + RULER + consolePass(""),
              run.out);
}

TEST(WidthDemo, EndOfInputStopsAndKeepsTheFile) {
    ProgramRun run = runProgram("widthdemo", "7.25 6\n8");
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("Input ended.\n", run.err);
    EXPECT_EQ(consolePass("7.2500") + ASK_X + ASK_WIDTH, run.out);
    EXPECT_EQ(filePass("7.25", "6", "7.2500") + "\nx = 8\n", run.file("output"));
}

}  // namespace widthdemo_dialogue
