#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "table_layout.h"

namespace {

TEST(FactorTableLayout, FieldsFollowBlanksTabsOrTheStart) {
    EXPECT_EQ(0, countFields(""));
    EXPECT_EQ(0, countFields(" \t  "));
    EXPECT_EQ(1, countFields("12"));
    EXPECT_EQ(3, countFields("  1\t2.5   -3  "));
    EXPECT_EQ(2, countFields("1\t\t2"));
}

TEST(FactorTableLayout, ThirtySixCharactersInFourFields) {
    TableLayout layout = inferLayout("        1      2.5      3.5      4.5");
    EXPECT_EQ(36, layout.lineLength);
    EXPECT_EQ(4, layout.nField);
    EXPECT_EQ(3, layout.nVar);
    EXPECT_EQ(9, layout.colWidth);
    EXPECT_EQ(9, layout.numWidth);
    EXPECT_EQ(1, layout.labelIndent);
    EXPECT_EQ(3, layout.screenCols);  // min(79 / 10, 3)
    EXPECT_EQ(36, layout.echoWidth);
}

TEST(FactorTableLayout, TwentyFourCharactersInFourFields) {
    TableLayout layout = inferLayout("     1   2.5   3.5   4.5");
    EXPECT_EQ(24, layout.lineLength);
    EXPECT_EQ(6, layout.colWidth);
    EXPECT_EQ(9, layout.numWidth);
    EXPECT_EQ(4, layout.labelIndent);
    EXPECT_EQ(3, layout.screenCols);
}

TEST(FactorTableLayout, ColumnsTwelveWide) {
    std::string line = std::string(11, ' ') + "1";
    for (int v = 0; v < 7; ++v) line += "         1.5";
    TableLayout layout = inferLayout(line.c_str());
    EXPECT_EQ(96, layout.lineLength);
    EXPECT_EQ(7, layout.nVar);
    EXPECT_EQ(12, layout.colWidth);
    EXPECT_EQ(12, layout.numWidth);
    EXPECT_EQ(1, layout.labelIndent);
    EXPECT_EQ(6, layout.screenCols);  // 79 / 13
    EXPECT_EQ(79, layout.echoWidth);
}

TEST(FactorTableLayout, LineWithoutFieldsHasNoVariables) {
    TableLayout layout = inferLayout("   ");
    EXPECT_EQ(0, layout.nField);
    EXPECT_EQ(-1, layout.nVar);
    EXPECT_EQ(0, layout.colWidth);
    EXPECT_EQ(3, layout.echoWidth);
}

TEST(FactorTableLayout, LabelsAreCutFromTheHeaderByPosition) {
    TableLayout layout = inferLayout("     1   2.5   3.5");  // colWidth 6, labelIndent 4
    const char* header = "    Id  Temp Press";
    std::ostringstream os;
    writeLabelCell(os, layout, header, 0);
    writeLabelCell(os, layout, header, 1);
    EXPECT_EQ("      Temp     Press", os.str());
}

TEST(FactorTableLayout, HeaderPastItsEndIsBlank) {
    TableLayout layout = inferLayout("     1   2.5   3.5");
    std::ostringstream os;
    writeLabelCell(os, layout, "    Id  Te", 0);
    writeLabelCell(os, layout, "", 1);
    EXPECT_EQ(std::string(6, ' ') + "Te" + std::string(12, ' '), os.str());
    EXPECT_EQ(std::string::npos, os.str().find('\0'));

    std::ostringstream echo;
    writeHeaderEcho(echo, "ab", 5);
    EXPECT_EQ("ab   ", echo.str());
}

TEST(FactorTableLayout, CellsAreAsWideAsTheNumbers) {
    TableLayout narrow = inferLayout("     1   2.5   3.5");
    std::ostringstream os;
    writeCorner(os, narrow);
    writeValueCell(os, narrow, -2.5f);
    EXPECT_EQ(std::string(10, ' ') + " -2.500000", os.str());
}

}  // namespace
