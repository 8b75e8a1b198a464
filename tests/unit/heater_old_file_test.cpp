#include <gtest/gtest.h>

#include <sstream>

#include "heater_field_fixture.h"
#include "old_file.h"
#include "read_number.h"

namespace {

struct Read {
    OldFileResult result;
    std::string screen;
    HeaterGrid grid;
};

Read readText(const std::string& text) {
    fillField(T, 0, 0, nullptr);
    std::istringstream in(text);
    std::ostringstream screen;
    Read r;
    r.result = readOldFile(in, "old.grd", screen, T, r.grid);
    r.screen = screen.str();
    return r;
}

const std::string FIRST = "0 1 2\n-1 1 0\n 10 11 12\n 20 21 22\n^ first\n";
const std::string SECOND = "0 2.5 5\n-2 2 0\n 1 2 3\n 4 5 6\n^ second\n";
const std::string THIRD = "5 -1 2\n-4 4 0\n 7 8 9 10\n -1 -2 -3.2 -4\n^ third one\n";

TEST(ReadOldFile, KeepsTheLastArrayAndEchoesEveryOne) {
    Read r = readText(FIRST + SECOND + THIRD);
    EXPECT_EQ(3, r.result.arrays);
    EXPECT_EQ("", r.result.refusal);
    EXPECT_EQ(
        "   10   11   12\n   20   21   22\n^ first\n"
        "    1    2    3\n    4    5    6\n^ second\n"
        "    7    8    9   10\n   -1   -2   -3   -4\n^ third one\n",
        r.screen);
    EXPECT_EQ(4, r.grid.nx);
    EXPECT_EQ(2, r.grid.nz);
    EXPECT_EQ(-1.0f, r.grid.x.spacing);  // the header is kept as it stands
    EXPECT_EQ(-4.0f, r.grid.z.min);
    EXPECT_EQ(-3.2f, T[2][3]);
    EXPECT_EQ(10.0f, T[1][4]);
}

// A gridder file: one value per line, no caption, read as one array with an empty caption; the
// values may be spread over lines in any way.
TEST(ReadOldFile, ValuesInAnyLayoutAndNoCaption) {
    Read perLine = readText("0 0.5 1\n-1 0.5 0\n1.25\n2.5\n-3.5\n4\n5\n6\n7\n8\n9.75\n");
    EXPECT_EQ(1, perLine.result.arrays);
    EXPECT_EQ("    1    3   -4\n    4    5    6\n    7    8   10\n\n", perLine.screen);
    EXPECT_EQ(3, perLine.grid.nx);
    EXPECT_EQ(9.75f, T[3][3]);
    Read oneLine = readText("0 0.5 1 -1 0.5 0 1.25 2.5 -3.5 4 5 6 7 8 9.75");
    EXPECT_EQ(1, oneLine.result.arrays);
    EXPECT_EQ(perLine.screen, oneLine.screen);
}

TEST(ReadOldFile, EmptyFilesAndTrailingHeaderPieces) {
    EXPECT_EQ(0, readText("").result.arrays);
    EXPECT_EQ(0, readText(" \n\n").result.arrays);
    EXPECT_EQ(0, readText("0 1").result.arrays);
    EXPECT_EQ(0, readText("0 1 2\n").result.arrays);
    Read r = readText(FIRST + "0 1 2\n");
    EXPECT_EQ(1, r.result.arrays);
    EXPECT_EQ("", r.result.refusal);
}

TEST(ReadOldFile, LongCaptionIsCutAndCarriageReturnsDropped) {
    std::string caption(100, 'c');
    Read r = readText("0 1 1\n0 1 0\n 5 6 trailing\n" + caption + "\r\n" + SECOND);
    EXPECT_EQ(2, r.result.arrays);
    EXPECT_EQ("    5    6\n" + std::string(79, 'c') + "\n", r.screen.substr(0, 91));
}

TEST(ReadOldFile, RefusesWhatItCannotHold) {
    EXPECT_EQ("Gridded-data file old.grd holds text that is not a number.\n",
              readText(FIRST + "0 1 2\n-1 1 0\n 1 2 x3\n").result.refusal);
    EXPECT_EQ("Gridded-data file old.grd ends before all its values are read.\n",
              readText("0 1 2\n-1 1 0\n 1 2 3\n 4 5\n").result.refusal);
    EXPECT_EQ("Gridded-data file old.grd ends before all its values are read.\n",
              readText("0 1 2\n-1 1").result.refusal);
    EXPECT_EQ("Gridded-data file old.grd has a header that gives no usable grid size.\n",
              readText("0 0 2\n-1 1 0\n 1 2 3\n").result.refusal);
    EXPECT_EQ("Gridded-data file old.grd holds text that is not a number.\n",
              readText("zero 1 2\n").result.refusal);
    EXPECT_EQ("Gridded-data file old.grd holds text that is not a number.\n",
              readText("0 1 2" + std::string(MAX_SKIP + 1, ' ')).result.refusal);
    EXPECT_EQ("Gridded-data file old.grd has a line of more than 1048576 characters.\n",
              readText("0 1 1\n0 1 0\n 5 6\n" + std::string(MAX_SKIP + 1, 'c')).result.refusal);
    Read wide = readText("0 1 49\n-1 1 0\n");
    EXPECT_EQ("Gridded-data file old.grd holds an array of 50 x 2 points; at most 49 x 49 fit.\n",
              wide.result.refusal);
    EXPECT_EQ(0, wide.result.arrays);
    EXPECT_TRUE(outsideUntouched(T, 0, 0));  // refused before any value is stored
    EXPECT_EQ("Gridded-data file old.grd holds an array of 3 x 50 points; at most 49 x 49 fit.\n",
              readText("0 1 2\n-49 1 0\n").result.refusal);
}

TEST(ReadOldFile, FileThatCannotBeOpenedReadsAsEmpty) {
    std::ostringstream screen;
    HeaterGrid grid;
    OldFileResult r = readOldFile("no/such/file.grd", screen, T, grid);
    EXPECT_EQ(0, r.arrays);
    EXPECT_EQ("", r.refusal);
}

}  // namespace
