#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "grid_file.h"

namespace {

int count(float min, float spacing, float max) {
    return gridCount(GridAxis{min, spacing, max});
}

// Every value of a text, read the way every program reads a grid file.
struct ReadResult {
    GridRead status;
    GridHeader header;
    std::vector<float> values;
};

ReadResult readAll(const std::string& text) {
    std::istringstream in(text);
    ReadResult r;
    r.status = readGridHeader(in, r.header);
    if (r.status != GridRead::ok) return r;
    for (int i = 0; i < r.header.nx * r.header.ny; ++i) {
        float v = 0;
        r.status = readGridValue(in, v);
        if (r.status != GridRead::ok) return r;
        r.values.push_back(v);
    }
    return r;
}

std::string headerText(float xmin, float dx, float xmax, float ymin, float dy, float ymax) {
    std::ostringstream os;
    writeGridHeader(os, GridAxis{xmin, dx, xmax}, GridAxis{ymin, dy, ymax});
    return os.str();
}

std::string valueText(float v) {
    std::ostringstream os;
    writeGridValue(os, v);
    return os.str();
}

TEST(GridCount, PlusOneAndAHalfRule) {
    EXPECT_EQ(61, count(0, 1.66667f, 100));  // spacing rounded to 6 digits when it was written
    EXPECT_EQ(4, count(0, 3, 10));           // not a whole multiple: the nearest count
    EXPECT_EQ(3, count(0, 4, 9));
    EXPECT_EQ(2, count(-5, 10, 5));
    EXPECT_EQ(1, count(7, 2, 7));     // no range: one point
    EXPECT_EQ(11, count(10, -1, 0));  // range and spacing both negative
    EXPECT_EQ(49, count(-48000, 1000, 0));
}

TEST(GridCount, SumIsNotRoundedToAFloatBeforeTruncation) {
    // 0.49999997 + 1.5 is 1.99999997, which a float sum rounds to 2.
    EXPECT_EQ(1, count(0, 1, 0.49999997f));
}

TEST(GridCount, HeadersWithoutAUsableCount) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(-1, count(0, 0, 10));
    EXPECT_EQ(-1, count(0, -0.0f, 10));
    EXPECT_EQ(-1, count(0, 0, 0));
    EXPECT_EQ(-1, count(0, -1, 10));  // range and spacing of opposite signs
    EXPECT_EQ(-1, count(10, 1, 0));
    EXPECT_EQ(-1, count(0, inf, 10));
    EXPECT_EQ(-1, count(nan, 1, 10));
    EXPECT_EQ(-1, count(0, 1, inf));
    EXPECT_EQ(-1, count(0, 1e-30f, 1e10f));  // beyond any array a program could hold
    EXPECT_EQ(GRID_COUNT_LIMIT, count(0, 1, GRID_COUNT_LIMIT - 1));
    EXPECT_EQ(-1, count(0, 1, GRID_COUNT_LIMIT));
}

TEST(GridHeaderReading, CountsFromTheHeader) {
    ReadResult r = readAll("0 1.66667 100\n0 3 10\n");
    EXPECT_EQ(GridRead::endOfFile, r.status);  // no values follow
    EXPECT_EQ(61, r.header.nx);
    EXPECT_EQ(4, r.header.ny);
    EXPECT_EQ(100.0f, r.header.x.max);
    EXPECT_EQ(3.0f, r.header.y.spacing);
}

TEST(GridHeaderReading, RefusedHeaders) {
    GridHeader h;
    std::istringstream zero("0 0 10\n0 1 5\n");
    EXPECT_EQ(GridRead::noUsableCount, readGridHeader(zero, h));
    std::istringstream opposite("0 1 10\n5 1 0\n");
    EXPECT_EQ(GridRead::noUsableCount, readGridHeader(opposite, h));
    std::istringstream shortHeader("0 1 10\n0 1");
    EXPECT_EQ(GridRead::endOfFile, readGridHeader(shortHeader, h));
    std::istringstream empty("");
    EXPECT_EQ(GridRead::endOfFile, readGridHeader(empty, h));
    std::istringstream text("0 1 10\nzero 1 5\n");
    EXPECT_EQ(GridRead::notANumber, readGridHeader(text, h));
}

TEST(GridValueReading, AnyWhiteSpaceLayoutReadsIdentically) {
    const std::vector<float> expected = {1, 2, 3, 4.5f, -5, 6e3f};
    const char* layouts[] = {
        "0 1 2\n0 1 1\n1\n2\n3\n4.5\n-5\n6e3\n",               // one value a line
        "0 1 2\n0 1 1\n 1 2 3\n 4.5 -5 6e3\n",                 // a row a line
        "0 1 2 0 1 1 1 2 3 4.5 -5 6e3",                        // all on one line, no line end
        "0\t1\t2\r\n0\t1\t1\r\n1\t2\t3\r\n4.5\t-5\t6E+3\r\n",  // tabs and carriage returns
    };
    for (const char* text : layouts) {
        ReadResult r = readAll(text);
        EXPECT_EQ(GridRead::ok, r.status) << text;
        EXPECT_EQ(3, r.header.nx);
        EXPECT_EQ(2, r.header.ny);
        EXPECT_EQ(expected, r.values) << text;
    }
}

TEST(GridValueReading, ShortFileAndText) {
    EXPECT_EQ(GridRead::endOfFile, readAll("0 1 2\n0 1 1\n1 2 3 4 5\n").status);
    EXPECT_EQ(GridRead::notANumber, readAll("0 1 2\n0 1 1\n1 2 x 4 5 6\n").status);
    // A comma is not a separator.
    EXPECT_EQ(GridRead::notANumber, readAll("0 1 2\n0 1 1\n1,2,3,4,5,6\n").status);
    // Anything behind the values is left for the caller.
    ReadResult r = readAll("0 1 1\n0 1 0\n7 8 caption text\n");
    EXPECT_EQ(GridRead::ok, r.status);
    EXPECT_EQ((std::vector<float>{7, 8}), r.values);
}

TEST(GridReadMessage, NamesTheFile) {
    EXPECT_EQ("", gridReadMessage(GridRead::ok, "a.grd"));
    EXPECT_EQ("Gridded-data file a.grd ends before all its values are read.\n",
              gridReadMessage(GridRead::endOfFile, "a.grd"));
    EXPECT_EQ("Gridded-data file b.grd holds text that is not a number.\n",
              gridReadMessage(GridRead::notANumber, "b.grd"));
    EXPECT_EQ("Gridded-data file c.grd has a header that gives no usable grid size.\n",
              gridReadMessage(GridRead::noUsableCount, "c.grd"));
    EXPECT_EQ("Gridded-data file d.grd, line 12, holds text that is not a number.\n",
              gridReadMessage(GridRead::notANumber, "d.grd", 12));
}

TEST(GridWriting, HeaderText) {
    EXPECT_EQ("0 1.66667 100\n-50 2.5 0\n", headerText(0, 100.0f / 60, 100, -50, 2.5f, 0));
    EXPECT_EQ("0.25 1500 1.5e+007\n-1e-005 0.000123457 1\n",
              headerText(0.25f, 1500, 1.5e7f, -1e-5f, 0.000123456789f, 1));
}

TEST(GridWriting, ValueText) {
    EXPECT_EQ("0.25", valueText(0.25f));
    EXPECT_EQ("1.66667", valueText(1.666666f));
    EXPECT_EQ("1500", valueText(1500));
    EXPECT_EQ("1.5e+007", valueText(1.5e7f));
    EXPECT_EQ("1e-005", valueText(1e-5f));
    EXPECT_EQ("-273.15", valueText(-273.15f));
    EXPECT_EQ("0", valueText(0));
    EXPECT_EQ("123457", valueText(123456.5f));  // halves away from zero
}

// A header written the way gridder writes it (spacing = range / (count - 1) as a float, all
// three numbers to 6 digits) gives back the count that was asked for.
TEST(GridWriting, WrittenSpacingRecoversTheCount) {
    const float limits[][2] = {{0, 100},          {-3.3f, 7.1f}, {1234.5f, 1234.6f}, {-1e6f, 3e6f},
                               {0.001f, 0.0023f}, {5, -5},       {299.7f, 13.1f}};
    for (int row = 0; row < static_cast<int>(std::size(limits)); ++row) {
        const float* lim = limits[row];
        for (int n = 2; n <= 61; ++n) {
            float spacing = static_cast<float>((static_cast<double>(lim[1]) - lim[0]) / (n - 1));
            GridHeader h;
            std::istringstream in(headerText(lim[0], spacing, lim[1], lim[0], spacing, lim[1]));
            ASSERT_EQ(GridRead::ok, readGridHeader(in, h));
            EXPECT_EQ(n, h.nx) << "limits row " << row;
            EXPECT_EQ(n, h.ny);
        }
    }
}

// Limits of seven digits with a spacing of a few units: six digits would make 1234567 .. 1234571
// one point (and shift every later value), so such an axis is written exactly; the other axis
// keeps six digits.
TEST(GridWriting, LimitsBeyondSixDigitsKeepTheirCount) {
    EXPECT_EQ("1234567 1 1234571\n0 5 20\n", headerText(1234567, 1, 1234571, 0, 5, 20));
    // Rounded alike at both ends, six digits keep the count: 4123460 .. 4123510 still holds 11.
    EXPECT_EQ("0 1.66667 100\n4.12346e+006 5 4.12351e+006\n",
              headerText(0, 100.0f / 60, 100, 4123456, 5, 4123506));
    EXPECT_EQ("4123454 2 4123476\n0 1 1\n", headerText(4123454, 2, 4123476, 0, 1, 1));
    EXPECT_EQ("1234.56702 0.00100000005 1234.57104\n0 1 1\n",
              headerText(1234.567f, 0.001f, 1234.571f, 0, 1, 1));
    const float limits[][2] = {{1234567, 1234571},
                               {4123454, 4123476},
                               {-7654321, -7654300},
                               {1234.567f, 1234.571f},
                               {1e20f, 1.000001e20f}};
    for (int row = 0; row < static_cast<int>(std::size(limits)); ++row) {
        const float* lim = limits[row];
        for (int n = 2; n <= 61; ++n) {
            float spacing = static_cast<float>((static_cast<double>(lim[1]) - lim[0]) / (n - 1));
            GridHeader h;
            std::istringstream in(headerText(lim[0], spacing, lim[1], 0, 1, 1));
            ASSERT_EQ(GridRead::ok, readGridHeader(in, h));
            EXPECT_EQ(n, h.nx) << "limits row " << row;
            EXPECT_EQ(2, h.ny);
        }
    }
}

}  // namespace
