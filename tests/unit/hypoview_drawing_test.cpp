#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "drawing.h"
#include "output_files.h"

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string field(const std::string& text) {
    return std::string(10 - text.size(), ' ') + text;
}

std::string lineCommand(const char* x1, const char* y1, const char* x2, const char* y2) {
    return "L " + field(x1) + " " + field(y1) + " " + field(x2) + " " + field(y2);
}

// Seen from (0, -1, 0) toward +y, a point at y = 0 lies at depth 1, so its picture coordinates
// are exactly its x and z; at y = 1 (depth 2) they are halved.
ViewFrame frontView() {
    return viewFrame({0, 5, 0}, {0, -1, 0});
}

TEST(Drawing, BoxEdgesInOrder) {
    std::ostringstream os;
    drawBox(os, {-1, 1, 0, 1, -2, -1}, frontView());
    const std::vector<std::string> expected = {
        lineCommand("-1.000000", "-2.000000", "1.000000", "-2.000000"),   // B1-B2
        lineCommand("1.000000", "-2.000000", "0.500000", "-1.000000"),    // B2-B3
        lineCommand("0.500000", "-1.000000", "-0.500000", "-1.000000"),   // B3-B4
        lineCommand("-0.500000", "-1.000000", "-1.000000", "-2.000000"),  // B4-B1
        lineCommand("-1.000000", "-2.000000", "-1.000000", "0.000000"),   // B1-T1
        lineCommand("1.000000", "-2.000000", "1.000000", "0.000000"),     // B2-T2
        lineCommand("0.500000", "-1.000000", "0.500000", "0.000000"),     // B3-T3
        lineCommand("-0.500000", "-1.000000", "-0.500000", "0.000000"),   // B4-T4
        lineCommand("-1.000000", "0.000000", "1.000000", "0.000000"),     // T1-T2
        lineCommand("1.000000", "0.000000", "0.500000", "0.000000"),      // T2-T3
        lineCommand("0.500000", "0.000000", "-0.500000", "0.000000"),     // T3-T4
        lineCommand("-0.500000", "0.000000", "-1.000000", "0.000000"),    // T4-T1
    };
    EXPECT_EQ(expected, linesOf(os.str()));
}

// The box reaches Gamma = 0 from the deepest value when anything lies below 0, otherwise from
// the highest value.
TEST(Drawing, BoxBottomLevel) {
    struct Case {
        float zmin, zmax;
        const char* bottom;
    } cases[] = {{-2, 3, "-2.000000"}, {1, 2, "2.000000"}, {0, 4, "4.000000"}};
    for (const Case& c : cases) {
        std::ostringstream os;
        drawBox(os, {-1, 1, 0, 1, c.zmin, c.zmax}, frontView());
        EXPECT_EQ(lineCommand("-1.000000", c.bottom, "1.000000", c.bottom), linesOf(os.str())[0])
            << c.zmin;
    }
}

// The eye inside the drawn box (above the data, below level 0): the corner T3 lies behind it.
// The six edges before T3 is needed are in the file when the program stops.
TEST(DrawingDeathTest, CornerBehindTheEyeStopsAfterEarlierEdges) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "hypoview_drawing_stop.skm").string();
    std::filesystem::remove(path);
    const Extent extent{0, 10, 0, 10, -10, -5};
    const ViewFrame frame = viewFrame({5, 5, -7.5f}, {5, 9, -2});
    EXPECT_EXIT(
        {
            OutputFile metafile(path);
            drawBox(metafile, extent, frame);
        },
        testing::ExitedWithCode(255), "");
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(6u, linesOf(text.str()).size());
    std::filesystem::remove(path);
}

struct Mesh {
    std::unique_ptr<SurfaceGrid> s = std::make_unique<SurfaceGrid>();
    Mesh(GridAxis x, GridAxis y, int nx, int ny) {
        s->header.x = x;
        s->header.y = y;
        s->header.nx = nx;
        s->header.ny = ny;
        s->npoints = nx * ny;
    }
    std::vector<std::string> draw(const ViewFrame& frame) const {
        std::ostringstream os;
        drawSurfaceMesh(os, *s, frame);
        return linesOf(os.str());
    }
};

TEST(Drawing, MeshLineCounts) {
    const ViewFrame distant = viewFrame({0, 0, 0}, {-1000, -800, 600});
    struct Case {
        int nx, ny;
        size_t lines;
    } cases[] = {{3, 4, 3 * 3 + 4 * 2},    {1, 1, 0}, {5, 1, 4}, {1, 5, 4}, {2, 2, 4},
                 {101, 101, 2 * 101 * 100}};
    for (const Case& c : cases) {
        Mesh m({0, 1, float(c.nx - 1)}, {0, 1, float(c.ny - 1)}, c.nx, c.ny);
        EXPECT_EQ(c.lines, m.draw(distant).size()) << c.nx << " x " << c.ny;
    }
}

// Columns first (south to north), then rows (west to east), each line from the previous point.
TEST(Drawing, MeshOrderAndHeights) {
    Mesh m({0, 1, 1}, {0, 1, 1}, 2, 2);
    m.s->grid[0][0] = -1;
    m.s->grid[1][0] = -2;
    m.s->grid[0][1] = -3;
    m.s->grid[1][1] = -4;
    // Seen from the west at depth 1 for x = 0: u = -y, v = z.
    const ViewFrame west = viewFrame({5, 0, 0}, {-1, 0, 0});
    std::vector<std::string> lines = m.draw(west);
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ(lineCommand("0.000000", "-1.000000", "-1.000000", "-3.000000"), lines[0]);
    EXPECT_EQ(lineCommand("0.000000", "-1.000000", "0.000000", "-1.000000"), lines[2]);
}

// Along a row x is accumulated in single precision: 100 steps of 0.1 from 1000 end at 1009.998,
// while the columns' x is computed from the index and reaches 1010.000.
TEST(Drawing, MeshRowCoordinateIsAccumulated) {
    Mesh m({1000, 0.1f, 1010}, {0, 1, 1}, 101, 2);
    std::vector<std::string> lines = m.draw(frontView());
    ASSERT_EQ(101u + 2 * 100, lines.size());
    EXPECT_EQ(field("1010.000"), lines[100].substr(2, 10));  // last column, computed
    EXPECT_EQ(field("1000.100"), lines[101].substr(24, 10));
    EXPECT_EQ(field("1009.998"), lines[200].substr(24, 10));  // end of the southern row
}

TEST(Drawing, MeshColumnCoordinateIsAccumulated) {
    Mesh m({0, 1, 0}, {1000, 0.1f, 1010}, 1, 101);
    const ViewFrame west = viewFrame({5, 0, 0}, {-1, 0, 0});
    std::vector<std::string> lines = m.draw(west);
    ASSERT_EQ(100u, lines.size());
    EXPECT_EQ(field("-1009.998"), lines[99].substr(24, 10));
}

TEST(Drawing, HypocentrePoints) {
    auto h = std::make_unique<Hypocenters>();
    h->hx[0] = 2, h->hy[0] = 0, h->hz[0] = 3;
    h->hx[1] = -2, h->hy[1] = 10, h->hz[1] = 0;
    h->nh = 2;
    std::ostringstream os;
    drawHypocenters(os, *h, viewFrame({0, 0, 0}, {0, -10, 0}));
    EXPECT_EQ("P   0.200000   0.300000\nP  -0.100000   0.000000\n", os.str());
}

// Box, then mesh, then points.
TEST(Drawing, PictureOrder) {
    Mesh m({0, 1, 2}, {0, 1, 1}, 3, 2);
    auto h = std::make_unique<Hypocenters>();
    h->hx[0] = 1, h->hy[0] = 0.5f, h->hz[0] = -1;
    h->nh = 1;
    const Extent e{0, 2, 0, 1, -1, 0};
    std::ostringstream os;
    drawPicture(os, e, *m.s, *h, viewFrame({1, 0.5f, -0.5f}, {-20, -30, 15}));
    std::vector<std::string> lines = linesOf(os.str());
    ASSERT_EQ(12u + 3 + 2 * 2 + 1, lines.size());
    for (size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_EQ('L', lines[i][0]) << i;
    EXPECT_EQ('P', lines.back()[0]);
}

}  // namespace
