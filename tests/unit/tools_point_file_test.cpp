#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "data_mask.h"
#include "point_file.h"

namespace {

std::string positions(const std::string& text) {
    std::istringstream in(text);
    std::vector<PlotPoint> points;
    std::string error, shown;
    if (!readPointFile(in, points, error)) return error;
    for (const PlotPoint& p : points)
        shown += "(" + std::to_string(int(p.x)) + " " + std::to_string(int(p.y)) + ")";
    return shown;
}

}  // namespace

// Every data file gridder reads, and the tables that share its first two columns.
TEST(PointFile, ReadsGriddersDataAndTables) {
    struct Case {
        const char* text;
        const char* read;
    } cases[] = {
        {"1,2,3\n4,5,6\n", "(1 2)(4 5)"},             // commas, as gridder reads them
        {"1, 2, 3\r\n4\t5\t6", "(1 2)(4 5)"},         // blanks around commas, tabs, CR LF
        {"1 2 3 4 5 6\n7 8 9\n", "(1 2)(4 5)(7 8)"},  // records across lines
        {"1\n2\n3\n4\n5\n6\n7\n", "(1 2)(4 5)"},      // one number a line, a record cut short
        {"1 2 3 4 5 6\n7 8 9 10 11 12\n", "(1 2)(4 5)(7 8)(10 11)"},  // two records a line
        {"1-2 3\n", "(1 -2)"},            // a sign ends a number, as in gridder
        {"# x y z\n\n1 2 3\n", "(1 2)"},  // comments and blank lines
        {"1 2 3 4 5 inf nan\n6 7 8 9 10 1 1\n", "(1 2)(6 7)"},  // krigcv's residuals
        {"10 20\n30 40\n", "(10 20)(30 40)"},                   // x y alone
        {"1 2 3 4 5 6 7\n8 9 10 11 12 13 14\n", "(1 2)(8 9)"},  // seven columns: a table
        {"1 2 x\n", "(1 2)"},                                   // text after x y: a table
        {"1 1\n2\n", "(1 1)"},                                  // gridder's reading: one record
        {"1 1\nx\n", "line 2: x and y cannot be read"},
        {"1 2 3\n4 five 6\n", "line 2: x and y cannot be read"},
        {"", "line 1: the file holds no positions"},
        {"# only\n\n", "line 2: the file holds no positions"},
        {"1 2\n", "(1 2)"},
        {"1\n2\n", "line 2: the file holds no complete x y z record"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.read, positions(c.text)) << c.text;
    std::string many;
    for (std::size_t i = 0; i <= MAX_POINTS; ++i) many += "1 2\n";
    EXPECT_EQ("line 100001: more than 100000 positions", positions(many));
}

TEST(DataMask, NeighbourDistancesAndNearness) {
    std::vector<PlotPoint> lattice;
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 7; ++j) lattice.push_back({10.0 * i, 10.0 * j});
    lattice.push_back({0, 0});  // a repeat: its nearest other position is still 10 away
    DataMask mask(lattice, 12);
    EXPECT_DOUBLE_EQ(10, mask.medianNeighbourDistance());
    EXPECT_TRUE(mask.near(95, 65));
    EXPECT_FALSE(mask.near(105, 75));  // 7.1 beyond the corner datum: 12.2 from it
    EXPECT_TRUE(mask.near(-8, -7));
    EXPECT_FALSE(mask.near(50, 200));
    // Two clusters far apart: the median is that within the clusters.
    std::vector<PlotPoint> clusters{{0, 0}, {1, 0}, {0, 2}, {1000, 0}, {1000, 3}};
    EXPECT_DOUBLE_EQ(2, DataMask(clusters).medianNeighbourDistance());
    EXPECT_EQ(0, DataMask({{5, 5}, {5, 5}}).medianNeighbourDistance());
}
