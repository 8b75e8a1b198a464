#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "report_tables.h"

namespace {

// The pause hook marks its place in the table being written.
std::ostringstream* paging = nullptr;
void markPause() {
    *paging << "<pause>\n";
}

// 45 variables in columns 9 wide (a first sample line of 46 fields of 9 characters).
TableLayout wideLayout(int nVar) {
    std::string line;
    for (int f = 0; f <= nVar; ++f) line += "        1";
    return inferLayout(line.c_str());
}

int lineOf(const std::string& text, std::string::size_type at) {
    int line = 0;
    for (std::string::size_type i = 0; i < at; ++i) line += text[i] == '\n';
    return line;
}

TEST(FactorReportTables, LongListsPauseEvery21Lines) {
    TableLayout layout = wideLayout(45);
    VarVector mean{};
    std::ostringstream os;
    paging = &os;
    writeMeans(os, layout, "", mean, markPause);
    std::string text = os.str();
    // Heading lines "" and "Means of the variables:", then the variables.
    auto first = text.find("<pause>");
    auto second = text.find("<pause>", first + 1);
    EXPECT_EQ(2 + 21, lineOf(text, first));
    EXPECT_EQ(2 + 42 + 1, lineOf(text, second));
    EXPECT_EQ(std::string::npos, text.find("<pause>", second + 1));

    std::ostringstream file;
    writeMeans(file, layout, "", mean, nullptr);
    EXPECT_EQ(std::string::npos, file.str().find("<pause>"));
    EXPECT_EQ(2 + 45, lineOf(file.str(), file.str().size()));
}

TEST(FactorReportTables, RecipesFactorByFactorInGroupsOfTheScreen) {
    TableLayout layout = wideLayout(8);  // 7 columns fit the console
    VarMatrix recipe{};
    recipe[0][7] = 0.5f;
    recipe[1][0] = -1.0f;
    std::ostringstream os;
    paging = &os;
    writeRecipesByFactor(os, layout, "", recipe, 2, markPause);
    std::string labels7(70, ' '), zero = "  0.000000";
    std::string row7;
    for (int v = 0; v < 7; ++v) row7 += zero;
    EXPECT_EQ("\nFactor Recipe  1:\n" + labels7 + "\n" + row7 + "\n" + std::string(10, ' ') +
                  "\n  0.500000\n<pause>\n" + "\nFactor Recipe  2:\n" + labels7 + "\n" +
                  " -1.000000" + row7.substr(10) + "\n" + std::string(10, ' ') + "\n" + zero +
                  "\n<pause>\n",
              os.str());
}

TEST(FactorReportTables, EigenvalueRowsAndTheirShares) {
    VarVector eigenvalue{12.5f, 0.0625f}, relative{99.5f, 0.5f}, cumulative{99.5f, 100};
    std::ostringstream console, file;
    writeEigenvalueTable(console, CONSOLE_EIGEN_HEADING, eigenvalue, relative, cumulative, 2);
    writeEigenvalueTable(file, FILE_EIGEN_HEADING, eigenvalue, relative, cumulative, 2);
    std::string rows =
        "     1    12.50000   1e+002%     1e+002%\n"
        "     2    0.062500      0.5%     1e+002%\n";
    std::string heading =
        "\nEigenvalues and their relative sizes\n"
        "(normalized by the trace of the variance matrix):\n";
    EXPECT_EQ(heading + "        Eigenvalue  Relative Cumulative\n" + rows, console.str());
    EXPECT_EQ(heading + "        Eigenvalue   Relative  Cumulative\n" + rows, file.str());
}

TEST(FactorReportTables, ScoresPauseEvery20Samples) {
    SampleIds ids{};
    SampleMatrix score{};
    VarVector low{}, high{};
    for (int i = 0; i < 45; ++i) ids[i] = i + 1;
    score[0][0] = -0.0001234f;
    low[0] = -0.0001234f;
    std::ostringstream os;
    paging = &os;
    writeScores(os, ids, score, low, high, 45, 1, markPause);
    std::string text = os.str();
    EXPECT_EQ(0, text.find("\nFactor Scores:\n  Sample       1\n       1 -0.0001\n"));
    EXPECT_NE(std::string::npos, text.find("      20       0\n<pause>\n      21       0\n"));
    EXPECT_NE(std::string::npos, text.find("      40       0\n<pause>\n      41       0\n"));
    EXPECT_NE(std::string::npos, text.find("      45       0\nLow:   -0.0001\nHigh:        0\n"));
}

// A score keeps 3 significant digits unless its text would fill all 8 characters of its field;
// then it drops digits until one blank is left.  The stream's precision stays at 3.
TEST(FactorReportTables, ScoresLeaveABlankBeforeThemselves) {
    struct Case {
        float value;
        const char* cell;
    } cases[] = {
        {-0.815f, "  -0.815"},    {0.0123f, "  0.0123"},    {-0.0123f, " -0.0123"},
        {-0.00318f, " -0.0032"},  {0.000423f, " 0.00042"},  {0.000233f, " 0.00023"},
        {-0.000815f, " -0.0008"}, {-0.000999f, "  -0.001"}, {-1.25e-5f, " -1e-005"},
        {1.25e-5f, "  1e-005"},   {1234.5f, "  1e+003"},    {-99999.0f, " -1e+005"},
        {-3.0e38f, " -3e+038"},   {0.0f, "       0"},       {100.0f, "     100"},
    };
    for (const Case& c : cases) {
        SampleIds ids{};
        SampleMatrix score{};
        VarVector low{}, high{};
        score[0][0] = low[0] = high[0] = c.value;
        std::ostringstream os;
        writeScores(os, ids, score, low, high, 1, 1, nullptr);
        std::string cell(c.cell);
        EXPECT_EQ("\nFactor Scores:\n  Sample       1\n       0" + cell + "\nLow:  " + cell +
                      "\nHigh: " + cell + "\n",
                  os.str())
            << c.value;
        EXPECT_EQ(3, os.precision());
    }
}

}  // namespace
