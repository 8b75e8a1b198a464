#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "convergence_plot.h"

namespace {

// The picture coordinates of the first polyline of a class, as "x,y" words.
std::vector<std::string> polyline(const std::string& svg, const std::string& cssClass) {
    std::size_t at = svg.find("<polyline class=\"" + cssClass + "\"");
    if (at == std::string::npos) return {};
    std::size_t from = svg.find("points=\"", at) + 8;
    std::istringstream points(svg.substr(from, svg.find('"', from) - from));
    std::vector<std::string> words;
    for (std::string word; points >> word;) words.push_back(word);
    return words;
}

ConvergenceStudy study(double order) {
    return {"title", "step", "error", {{"series", {1, 0.5, 0.25}, {1, 0.25, 0.0625}, order}}};
}

// The dashed line of the promised order runs from the finest point to the coarsest step: on the
// data when they fall at that order, away from them when they do not.
TEST(VerifyConvergencePlot, referenceSlopeThroughTheFinestPoint) {
    std::ostringstream right, wrong;
    writeConvergencePlot(right, {study(2)});
    writeConvergencePlot(wrong, {study(1)});
    std::vector<std::string> data = polyline(right.str(), "series");
    std::vector<std::string> reference = polyline(right.str(), "reference");
    ASSERT_EQ(3u, data.size());
    ASSERT_EQ(2u, reference.size());
    EXPECT_EQ(data[2], reference[0]);
    EXPECT_EQ(data[0], reference[1]);
    std::vector<std::string> slower = polyline(wrong.str(), "reference");
    ASSERT_EQ(2u, slower.size());
    EXPECT_EQ(data[2], slower[0]);
    EXPECT_NE(data[0], slower[1]);
    EXPECT_EQ(1u, right.str().find("?xml"));
    EXPECT_NE(std::string::npos, right.str().find("stroke-dasharray"));
}

}  // namespace
