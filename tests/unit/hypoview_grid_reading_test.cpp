#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "grid_reading.h"
#include "read_number.h"

namespace {

std::unique_ptr<SurfaceGrid> freshGrid() {
    return std::make_unique<SurfaceGrid>();
}

// A header and n values 1, 2, 3, ... one per line.
std::string numberedGrid(const std::string& header, int n) {
    std::string text = header;
    for (int i = 1; i <= n; ++i) text += std::to_string(i) + "\n";
    return text;
}

TEST(GridReading, LargestGridIsAccepted) {
    auto s = freshGrid();
    std::istringstream in(numberedGrid("0 10 1000\n0 10 1000\n", NTGRID * NTGRID));
    ASSERT_EQ(SurfaceRead::ok, readSurfaceGrid(in, *s));
    EXPECT_EQ(NTGRID, s->header.nx);
    EXPECT_EQ(NTGRID, s->header.ny);
    EXPECT_EQ(NTGRID * NTGRID, s->npoints);
    // The first value is the north-west corner, the last the south-east one.
    EXPECT_EQ(1.0f, s->grid[0][100]);
    EXPECT_EQ(101.0f, s->grid[100][100]);
    EXPECT_EQ(102.0f, s->grid[0][99]);
    EXPECT_EQ(float(NTGRID * NTGRID), s->grid[100][0]);
}

// Refused right after the header: the first value is still unread.
TEST(GridReading, OneRowTooManyIsRefusedBeforeAnyValue) {
    auto s = freshGrid();
    std::istringstream in("0 1 1\n0 10 1010\n777\n");
    EXPECT_EQ(SurfaceRead::tooLarge, readSurfaceGrid(in, *s));
    EXPECT_EQ(2, s->header.nx);
    EXPECT_EQ(102, s->header.ny);
    EXPECT_EQ(0, s->npoints);
    float next = 0;
    ASSERT_TRUE(readReal(in, next));
    EXPECT_EQ(777.0f, next);
}

TEST(GridReading, OneColumnTooManyIsRefusedWithoutValues) {
    auto s = freshGrid();
    std::istringstream in("0 10 1010\n0 10 1000\n");
    EXPECT_EQ(SurfaceRead::tooLarge, readSurfaceGrid(in, *s));
}

// Far beyond any count a gridded file can hold, but a sound header all the same.
TEST(GridReading, HugeCountIsTooLargeRatherThanUnusable) {
    auto s = freshGrid();
    std::istringstream in("0 0.0001 1000\n0 1 1\n");
    EXPECT_EQ(SurfaceRead::tooLarge, readSurfaceGrid(in, *s));
}

TEST(GridReading, ValuesFillRowsFromTheNorth) {
    auto s = freshGrid();
    std::istringstream in("0 1 2\n0 1 1\n1 2 3\n4 5 6\n");
    ASSERT_EQ(SurfaceRead::ok, readSurfaceGrid(in, *s));
    EXPECT_EQ(6, s->npoints);
    EXPECT_EQ(1.0f, s->grid[0][1]);
    EXPECT_EQ(3.0f, s->grid[2][1]);
    EXPECT_EQ(4.0f, s->grid[0][0]);
    EXPECT_EQ(6.0f, s->grid[2][0]);
}

TEST(GridReading, LineLayoutCarriesNoMeaning) {
    const char* layouts[] = {
        "0 1 2\n0 1 1\n1\n2\n3\n4\n5\n6\n",            // one value a line, as gridder writes
        "0 1 2\n0 1 1\n   1   2   3\n   4   5   6\n",  // a row a line, as heater writes
        "0 1 2 0 1 1 1 2 3 4 5 6",                     // everything on one line, no line end
        "0\t1\r\n2\n0 1 1\r\n1 2\t3 4 5 6\n",
    };
    for (const char* text : layouts) {
        auto s = freshGrid();
        std::istringstream in(text);
        ASSERT_EQ(SurfaceRead::ok, readSurfaceGrid(in, *s)) << text;
        EXPECT_EQ(2.0f, s->grid[1][1]) << text;
        EXPECT_EQ(4.0f, s->grid[0][0]) << text;
        EXPECT_EQ(6.0f, s->grid[2][0]) << text;
    }
}

// A heater file holds several arrays, each with a caption: only the first array is read.
TEST(GridReading, FirstOfSeveralArraysIsRead) {
    auto s = freshGrid();
    std::istringstream in(
        "0 10 20\n-10 10 0\n 100 200 300\n 400 500 600\nafter 1 year\n"
        "0 10 20\n-10 10 0\n 1 2 3\n 4 5 6\nafter 2 years\n");
    ASSERT_EQ(SurfaceRead::ok, readSurfaceGrid(in, *s));
    EXPECT_EQ(100.0f, s->grid[0][1]);
    EXPECT_EQ(600.0f, s->grid[2][0]);
    std::string rest;
    in >> rest;
    EXPECT_EQ("after", rest);
}

TEST(GridReading, DefectiveFilesAreRefused) {
    struct Case {
        const char* text;
        SurfaceRead expected;
    } cases[] = {
        {"0 1 2\n0 1 1\n1 2 3\n4 5\n", SurfaceRead::endOfFile},
        {"0 1 2\n0 1\n", SurfaceRead::endOfFile},
        {"", SurfaceRead::endOfFile},
        {"0 1 2\n0 1 1\n1 2 x 4 5 6\n", SurfaceRead::notANumber},
        {"0 1 2\n0 1 1\n1,2 3 4 5 6\n", SurfaceRead::notANumber},
        {"0 one 2\n0 1 1\n", SurfaceRead::notANumber},
        {"0 0 2\n0 1 1\n1 2 3 4 5 6\n", SurfaceRead::noUsableCount},
        {"0 1 2\n5 1 0\n1 2 3 4 5 6\n", SurfaceRead::noUsableCount},
    };
    for (const Case& c : cases) {
        auto s = freshGrid();
        std::istringstream in(c.text);
        EXPECT_EQ(c.expected, readSurfaceGrid(in, *s)) << c.text;
        EXPECT_EQ(0, s->npoints) << c.text;
    }
}

TEST(GridReading, Messages) {
    EXPECT_EQ("Topography grid is too large.\nRecompile with larger value of NTGRID.\n",
              surfaceReadMessage(SurfaceRead::tooLarge, "big.grd"));
    EXPECT_EQ("", surfaceReadMessage(SurfaceRead::ok, "a.grd"));
    for (SurfaceRead r :
         {SurfaceRead::endOfFile, SurfaceRead::notANumber, SurfaceRead::noUsableCount}) {
        std::string message = surfaceReadMessage(r, "topo.grd");
        EXPECT_NE(std::string::npos, message.find("topo.grd")) << message;
        EXPECT_EQ('\n', message.back());
    }
}

TEST(GridReading, ScalingTouchesOnlyTheGrid) {
    auto s = freshGrid();
    std::istringstream in("0 1 1\n0 1 1\n1 -2 0.1 4\n");
    ASSERT_EQ(SurfaceRead::ok, readSurfaceGrid(in, *s));
    s->grid[2][2] = 9;  // outside the 2 x 2 grid
    scaleGrid(*s, 0.5f);
    EXPECT_EQ(0.5f, s->grid[0][1]);
    EXPECT_EQ(-1.0f, s->grid[1][1]);
    EXPECT_EQ(0.05f, s->grid[0][0]);
    EXPECT_EQ(2.0f, s->grid[1][0]);
    EXPECT_EQ(9.0f, s->grid[2][2]);
}

TEST(GridReading, ScalingWithoutGridChangesNothing) {
    auto s = freshGrid();
    s->header.nx = s->header.ny = 3;
    s->grid[1][1] = 4;
    scaleGrid(*s, 10);
    EXPECT_EQ(4.0f, s->grid[1][1]);
}

}  // namespace
