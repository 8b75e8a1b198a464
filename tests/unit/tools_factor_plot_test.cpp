#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "factor_plot.h"
#include "factor_report.h"

namespace {

std::string reportText() {
    std::ifstream in(std::string(TEST_DATA_DIR) + "/factor/seven.report");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

std::string refusal(const std::string& text) {
    std::istringstream in(text);
    FactorReport report;
    std::string error;
    EXPECT_FALSE(readFactorReport(in, report, error));
    return error;
}

}  // namespace

TEST(FactorReport, ReadsEigenvaluesAndRecipes) {
    std::istringstream in(reportText());
    FactorReport r;
    std::string error;
    ASSERT_TRUE(readFactorReport(in, r, error)) << error;
    ASSERT_EQ(6u, r.eigenvalues.size());  // EIGEN found 6 of the 7
    EXPECT_EQ(10.58182, r.eigenvalues[0]);
    EXPECT_EQ(90, r.cumulativePercent[0]);
    EXPECT_EQ(100, r.cumulativePercent[1]);  // printed 1e+002%
    EXPECT_EQ((std::vector<std::string>{"SiO2", "Al2O3", "FeO", "MgO", "CaO", "Na2O", "K2O"}),
              r.labels);
    ASSERT_EQ(3u, r.loadings.size());
    EXPECT_EQ(-2.2e-5, r.loadings[2][6]);

    std::ostringstream svg;
    writeFactorPlot(svg, r, "seven <report>");
    EXPECT_NE(std::string::npos, svg.str().find("<title>seven &lt;report&gt;</title>"));
    EXPECT_NE(std::string::npos, svg.str().find(">K2O</text>"));
}

TEST(FactorReport, RefusalsNameTheLine) {
    std::string text = reportText();
    EXPECT_EQ("line 76: the eigenvalue cannot be read",
              refusal(replaced(text, "    1.114544", " ***********")));
    EXPECT_EQ("line 76: eigenvalue number 2 was expected",
              refusal(replaced(text, "     2    1.11", "     3    1.11")));
    EXPECT_EQ("line 87: loading 2 cannot be read",
              refusal(replaced(text, "-0.087637", "*********")));
    EXPECT_EQ("line 86: the row does not match the table's heading",
              refusal(replaced(text, " -0.135594\n", "\n")));
    EXPECT_EQ("the report holds no table of factor recipes (\"Factor Recipes:\")",
              refusal(replaced(text, "Factor Recipes:", "Factor recipes")));
    EXPECT_EQ("the report holds no table of eigenvalues (\"Eigenvalues and their relative sizes\")",
              refusal(""));
}
