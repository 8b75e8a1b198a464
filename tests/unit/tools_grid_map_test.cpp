#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <string>

#include "contours.h"
#include "count_of.h"
#include "grid_arrays.h"
#include "grid_map.h"
#include "point_file.h"

namespace {

NodeGrid gridOf(int nx, int ny, const std::function<double(double, double)>& f) {
    NodeGrid g{nx, ny, 0, 1, 0, 1, {}};
    for (int r = 0; r < ny; ++r)
        for (int c = 0; c < nx; ++c) g.values.push_back(float(f(c, r)));
    return g;
}

// Edges whose two nodes lie on different sides of the level: each must carry exactly one point
// of exactly one line, or a line has a gap or runs twice.
int crossedEdges(const NodeGrid& g, double level) {
    int n = 0;
    for (int r = 0; r < g.ny; ++r)
        for (int c = 0; c < g.nx; ++c) {
            bool above = g.value(c, r) >= level;
            if (c + 1 < g.nx && above != (g.value(c + 1, r) >= level)) ++n;
            if (r + 1 < g.ny && above != (g.value(c, r + 1) >= level)) ++n;
        }
    return n;
}

std::string arraysError(const std::string& file) {
    std::istringstream in(file);
    std::vector<GridArray> arrays;
    std::string error;
    EXPECT_FALSE(readGridArrays(in, "a.grd", arrays, error));
    return error;
}

}  // namespace

TEST(Contours, PlaneGivesTheStraightLineAtItsLevel) {
    NodeGrid plane = gridOf(61, 61, [](double x, double) { return x; });
    for (double level : {0.5, 17.0, 42.25}) {  // between nodes and through a column of nodes
        std::vector<ContourLine> lines = traceContours(plane, level);
        ASSERT_EQ(1u, lines.size()) << level;
        EXPECT_FALSE(lines[0].closed);
        EXPECT_EQ(61u, lines[0].points.size());
        for (const PlotPoint& p : lines[0].points) EXPECT_NEAR(level, p.x, 1e-12) << level;
    }
}

TEST(Contours, LinesAreWholeAndSaddlesConsistent) {
    // A single peak: one closed line per level.
    NodeGrid peak = gridOf(31, 31, [](double x, double y) {
        return 100 * std::exp(-((x - 15) * (x - 15) + (y - 14) * (y - 14)) / 40);
    });
    for (double level : {10.0, 50.0, 90.0}) {
        std::vector<ContourLine> lines = traceContours(peak, level);
        ASSERT_EQ(1u, lines.size());
        EXPECT_TRUE(lines[0].closed);
        EXPECT_EQ(int(lines[0].points.size()), crossedEdges(peak, level));
    }
    // Saddles everywhere: every crossing is used once, whatever the level.
    NodeGrid waves = gridOf(25, 19, [](double x, double y) { return std::sin(x) * std::cos(y); });
    for (double level : {-0.5, 0.0, 0.3}) {
        std::size_t points = 0;
        for (const ContourLine& line : traceContours(waves, level)) points += line.points.size();
        EXPECT_EQ(crossedEdges(waves, level), int(points)) << level;
    }
    // Two-by-two saddle: the mean decides which corners join, the same way for close levels.
    NodeGrid saddle = gridOf(2, 2, [](double x, double y) { return x == y ? 1.0 : 0.0; });
    EXPECT_EQ(2u, traceContours(saddle, 0.4).size());
    EXPECT_EQ(2u, traceContours(saddle, 0.6).size());
}

TEST(Contours, LevelsStrictlyInsideTheRange) {
    EXPECT_EQ((std::vector<double>{10, 20}), contourLevels(10 - 1e-9, 25, 10));
    EXPECT_EQ((std::vector<double>{20}), contourLevels(10, 25, 10));
    EXPECT_TRUE(contourLevels(0, 10, 0).empty());
    std::vector<double> levels;
    std::string error;
    EXPECT_TRUE(mapLevels(173.2, 341.9, 0, levels, error));
    EXPECT_EQ((std::vector<double>{180, 200, 220, 240, 260, 280, 300, 320, 340}), levels);
    EXPECT_FALSE(mapLevels(0, 1000, 1, levels, error));
    EXPECT_EQ(
        "--interval gives more than 200 contour levels between the smallest and the largest "
        "value; choose a larger one",
        error);
}

TEST(GridArrays, ReadsEveryArrayWithItsCaption) {
    std::istringstream heater(
        "0 1 2\n-1 1 0\n 10 20 30\n 40 50 60\n^ at end of time step #1 time =  1\n"
        "0 1 2\n-1 1 0\n 11 21 31\n 41 51 61\n^ at end of time step #2 time =  2\n");
    std::vector<GridArray> arrays;
    std::string error;
    ASSERT_TRUE(readGridArrays(heater, "t.grd", arrays, error)) << error;
    ASSERT_EQ(2u, arrays.size());
    EXPECT_EQ(3, arrays[1].header.nx);
    EXPECT_EQ(61.0f, arrays[1].at(2, 1));
    EXPECT_TRUE(isHeaterCaption(arrays[1].caption));
    NodeGrid nodes = nodesOf(arrays[1]);  // the southern row first
    EXPECT_EQ(41.0f, nodes.value(0, 0));
    EXPECT_EQ(31.0f, nodes.value(2, 1));

    std::istringstream gridder("0 1 1\n0 1 1\n1\n2\n3\n4\n");
    arrays.clear();
    ASSERT_TRUE(readGridArrays(gridder, "g.grd", arrays, error));
    ASSERT_EQ(1u, arrays.size());
    EXPECT_EQ("", arrays[0].caption);
    EXPECT_FALSE(isHeaterCaption(arrays[0].caption));
}

TEST(GridArrays, RefusalsNameTheLine) {
    EXPECT_EQ("Gridded-data file a.grd holds no gridded data.", arraysError("\n  \n"));
    EXPECT_EQ("Gridded-data file a.grd, line 4, holds text that is not a number.",
              arraysError("0 1 1\n0 1 1\n1 2\nx 4\n"));
    EXPECT_EQ("Gridded-data file a.grd, line 4, ends before all its values are read.",
              arraysError("0 1 1\n0 1 1\n1 2\n3\n\n"));
    EXPECT_EQ("Gridded-data file a.grd, line 2, has a header that gives no usable grid size.",
              arraysError("\n0 0 1\n0 1 1\n"));
    EXPECT_EQ(
        "Gridded-data file a.grd, line 1, has a header of 3001 x 3001 points, more than 4000000 "
        "values.",
        arraysError("0 1 3000 0 1 3000\n1 2 3\n"));
    std::istringstream points("1 2 3\n\n# comment\n4 5\n6 x\n");
    std::vector<PlotPoint> read;
    std::string error;
    EXPECT_FALSE(readPointFile(points, read, error));
    EXPECT_EQ("line 5: x and y cannot be read", error);
    EXPECT_EQ(2u, read.size());
}

TEST(GridMap, ColoursContoursAndSection) {
    GridArray peak;
    peak.header.x = {0, 10, 200};
    peak.header.y = {0, 10, 200};
    peak.header.nx = peak.header.ny = 21;
    for (int r = 0; r < 21; ++r)
        for (int c = 0; c < 21; ++c)
            peak.values.push_back(float(50 - (c - 8) * (c - 8) - (r - 12) * (r - 12) / 2.0));
    MapOptions options;
    options.title = "peak & <valley>.grd";
    options.cells = true;
    std::ostringstream out;
    std::string error;
    ASSERT_TRUE(writeGridMap(out, peak, options, error));
    std::string svg = out.str();
    EXPECT_NE(std::string::npos, svg.find("<title>peak &amp; &lt;valley&gt;.grd</title>"));
    EXPECT_EQ(1, countOf(svg, "fill=\"#fde725\"/>"));  // the one largest node: the top colour
    EXPECT_EQ(1, countOf(svg, "fill=\"#440154\"/>"));  // the smallest: the bottom colour
    // A cell per node; the background, the map's clip and the bar.
    EXPECT_EQ(441, countOf(svg, "<rect x=") - 3);
    // Around the single peak the highest level is one closed path.
    std::size_t highest = svg.rfind("class=\"level\"");
    std::string last = svg.substr(highest, svg.find("</g>", highest) - highest);
    EXPECT_EQ(1, countOf(last, "<path"));
    // Closed, unless its label's gap opens it.
    std::size_t name = last.find("data-level=\"") + 12;
    std::string level = last.substr(name, last.find('"', name) - name);
    bool labelled = svg.find(">" + level + "</text>") != std::string::npos;
    EXPECT_EQ(labelled ? 0 : 1, countOf(last, " Z\""));

    peak.caption = "^ at end of time step #3 time =           7.5";
    options.section = true;
    options.title = "t.grd";
    std::ostringstream section;
    ASSERT_TRUE(writeGridMap(section, peak, options, error));
    svg = section.str();
    EXPECT_NE(std::string::npos,
              svg.find("<title>t.grd: at end of time step #3 time = 7.5</title>"));
    EXPECT_NE(std::string::npos, svg.find("\u00b0</text>"));  // isotherms in degrees
    EXPECT_NE(std::string::npos, svg.find(">depth</text>"));
}
