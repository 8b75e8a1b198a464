#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "factor_plot.h"
#include "factor_report.h"
#include "label_boxes.h"
#include "text_width.h"

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

namespace {

struct Drawn {
    std::vector<std::pair<PlotPoint, PlotPoint>> arrows;
    std::vector<LabelBox> names;
    int leaders = 0;
};

// The arrows and the boxes of the names, read back from the picture.
Drawn drawnLoadings(const FactorReport& r) {
    std::ostringstream out;
    writeFactorPlot(out, r, "t");
    std::string svg = out.str();
    Drawn d;
    std::regex line(
        R"re(<line x1="([-\d.]+)" y1="([-\d.]+)" x2="([-\d.]+)" y2="([-\d.]+)" marker-end)re");
    for (std::sregex_iterator i(svg.begin(), svg.end(), line), end; i != end; ++i)
        d.arrows.push_back(
            {{std::stod((*i)[1]), std::stod((*i)[2])}, {std::stod((*i)[3]), std::stod((*i)[4])}});
    std::string leaders = svg.substr(svg.find("class=\"leaders\""));
    d.leaders = int(std::count(leaders.begin(), leaders.begin() + leaders.find("</g>"), '<'));
    std::string names = svg.substr(svg.find("class=\"variable-names\""));
    std::regex text(
        R"re(<text x="([-\d.]+)" y="([-\d.]+)" font-size="13" text-anchor="middle">([^<]*)<)re");
    for (std::sregex_iterator i(names.begin(), names.end(), text), end; i != end; ++i)
        d.names.push_back(textBox(std::stod((*i)[1]), std::stod((*i)[2]) - 0.36 * 13,
                                  textWidth((*i)[3], 13), 13, 0, 0));
    return d;
}

}  // namespace

// Each name beside its own arrow's head, clear of every arrow and every other name, on the
// report of the tests and on crowded fans of arrows.
TEST(FactorPlot, NamesKeepOffArrowsAndEachOther) {
    std::istringstream in(reportText());
    FactorReport seven;
    std::string error;
    ASSERT_TRUE(readFactorReport(in, seven, error));
    std::vector<FactorReport> reports{seven};
    for (int n : {5, 9, 14}) {
        FactorReport fan;
        fan.eigenvalues = {3, 1};
        fan.cumulativePercent = {75, 100};
        fan.loadings.assign(2, {});
        for (int j = 0; j < n; ++j) {
            double angle = 0.4 + j * 2.4 / n, length = 0.5 + 0.4 * (j % 3);
            fan.labels.push_back("Var" + std::to_string(j));
            fan.loadings[0].push_back(length * std::cos(angle));
            fan.loadings[1].push_back(length * std::sin(angle));
        }
        reports.push_back(fan);
    }
    for (const FactorReport& r : reports) {
        Drawn d = drawnLoadings(r);
        int leaders = 0;
        ASSERT_EQ(r.labels.size(), d.names.size());
        ASSERT_EQ(r.labels.size(), d.arrows.size());
        for (std::size_t j = 0; j < d.names.size(); ++j) {
            const PlotPoint& tip = d.arrows[j].second;
            double far = std::hypot(d.names[j].x - tip.x, d.names[j].y - tip.y) -
                         std::hypot(d.names[j].across, d.names[j].up);
            leaders += far > 20;  // pushed away by the arrows around it: tied by a leader
            if (r.labels.size() < 10) {
                EXPECT_LT(far, 20) << r.labels[j];
            }
            for (const auto& [from, to] : d.arrows)
                EXPECT_FALSE(segmentMeetsBox(from, to, d.names[j])) << r.labels[j];
            for (std::size_t k = j + 1; k < d.names.size(); ++k)
                EXPECT_FALSE(boxesMeet(d.names[j], d.names[k]))
                    << r.labels[j] << " " << r.labels[k];
        }
    }
}

TEST(FactorPlot, ScreeStaysLogarithmicPastANegativeEigenvalue) {
    FactorReport r;
    r.eigenvalues = {40, 2, 0.01, 1e-4, -3e-6};
    r.cumulativePercent = {95, 99.9, 100, 100, 100};
    r.labels = {"A", "B"};
    r.loadings = {{0.5, -0.2}, {0.1, 0.3}};
    std::ostringstream out;
    writeFactorPlot(out, r, "t");
    EXPECT_NE(std::string::npos, out.str().find(">eigenvalue (logarithmic)<"));
    EXPECT_NE(
        std::string::npos,
        out.str().find(">1 eigenvalue of zero or less is not drawn on the logarithmic axis<"));
    r.eigenvalues = {4, 2, 1, 0.5, -0.1};  // spanning less than three decades: linear, all drawn
    std::ostringstream linear;
    writeFactorPlot(linear, r, "t");
    EXPECT_EQ(std::string::npos, linear.str().find("logarithmic"));
}

TEST(FactorReport, NumbersBeyondSinglePrecisionRefused) {
    std::string text = reportText();
    EXPECT_EQ("line 87: loading 2 lies beyond single precision, which factor writes",
              refusal(replaced(text, "-0.087637", " -1e+308 ")));
    EXPECT_EQ("line 76: the eigenvalue lies beyond single precision, which factor writes",
              refusal(replaced(text, "    1.114544", "     4e+038 ")));
}
