#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "scale_to_fit.h"

namespace fs = std::filesystem;

namespace {

const std::string ANNOUNCEMENT =
    "\nScaling plot to fit in a rectangle of 9.9000 by 7.5000 units.\n"
    "Graphics metafile must be copied twice; be patient.....\n";

// Every test runs in a fresh folder: the pass writes "temporary.tmp" in the working directory.
class ScaleToFit : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "scale-XXXXXX").string();
        ASSERT_NE(nullptr, mkdtemp(pattern.data()));
        dir_ = pattern;
        previous_ = fs::current_path();
        fs::current_path(dir_);
        savedBuf_ = std::cout.rdbuf(console_.rdbuf());
        savedFlags_ = std::cout.flags();
        savedPrecision_ = std::cout.precision();
    }
    void TearDown() override {
        std::cout.rdbuf(savedBuf_);
        std::cout.flags(savedFlags_);
        std::cout.precision(savedPrecision_);
        fs::current_path(previous_);
        fs::remove_all(dir_);
    }

    static void write(const std::string& name, const std::string& text) {
        std::ofstream(name) << text;
    }
    static std::string read(const std::string& name) {
        std::ifstream in(name);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string console() const { return console_.str(); }

  private:
    fs::path dir_, previous_;
    std::ostringstream console_;
    std::streambuf* savedBuf_ = nullptr;
    std::ios::fmtflags savedFlags_{};
    std::streamsize savedPrecision_ = 0;
};

// The pass stops the program; the death test sees the console through the error stream.
#define EXPECT_REFUSAL(Real, name, pattern)     \
    EXPECT_EXIT(                                \
        {                                       \
            std::cout.rdbuf(std::cerr.rdbuf()); \
            scaleToFit<Real>(name);             \
        },                                      \
        testing::ExitedWithCode(255), pattern)

TEST_F(ScaleToFit, UnitDiagonalFillsTheHeight) {
    write("plot.skm", "L 0 0 1 1\n");
    scaleToFit<float>("plot.skm");
    EXPECT_EQ("L   1.200000   0.000000   8.700000   7.500000\n", read("plot.skm"));
    EXPECT_EQ(ANNOUNCEMENT, console());
    EXPECT_TRUE(std::cout.flags() & std::ios::fixed);
    EXPECT_EQ(4, std::cout.precision());

    write("plot.skm", "L 0 0 1 1\n");
    scaleToFit<double>("plot.skm");
    EXPECT_EQ("L   1.200000  0.0000000   8.700000   7.500000\n", read("plot.skm"));
}

// The scratch file keeps the unscaled drawing, already in the writer's layout.
TEST_F(ScaleToFit, ScratchFileHoldsTheUnscaledCopy) {
    write("plot.skm", "L 0 0 1 1\nP 0.5 0.25\n");
    scaleToFit<float>("plot.skm");
    EXPECT_EQ("L   0.000000   0.000000   1.000000   1.000000\nP   0.500000   0.250000\n",
              read("temporary.tmp"));
}

// Width 2, height 1: the width limits the scale (s = 4.95 in single precision), so x spans the
// whole 9.9 units and y the 4.95 units around 3.75.
TEST_F(ScaleToFit, WideDrawingIsLimitedByTheWidth) {
    write("wide.skm", "L 0 0 2 1\n");
    scaleToFit<float>("wide.skm");
    EXPECT_EQ("L   0.000000   1.275000   9.900000   6.225000\n", read("wide.skm"));

    write("wide.skm", "L 0 0 2 1\n");
    scaleToFit<double>("wide.skm");
    EXPECT_EQ("L  0.0000000   1.275000   9.900000   6.225000\n", read("wide.skm"));
}

// The point (3, -1) widens the extent to x 0..3, y -1..1: s = 3.3, ox = 0, oy = 3.75.
TEST_F(ScaleToFit, PointsTakePartInTheExtent) {
    write("p.skm", "L 0 0 1 1\nP 3 -1\n");
    scaleToFit<double>("p.skm");
    EXPECT_EQ(
        "L  0.0000000   3.750000   3.300000   7.050000\n"
        "P   9.900000   0.450000\n",
        read("p.skm"));
}

TEST_F(ScaleToFit, TextIsCopiedUnchangedAndAnythingElseDropped) {
    write("t.skm",
          "T 0.1  -0.20 0.0  0.16  50\nExplicit method, dt = 0.01\n"
          "\n   # comment\nL 0 0\n 1 1\n  P 1 0\n");
    scaleToFit<float>("t.skm");
    EXPECT_EQ(
        "T 0.1  -0.20 0.0  0.16  50\nExplicit method, dt = 0.01\n"
        "L   1.200000   0.000000   8.700000   7.500000\n"
        "P   8.700000   0.000000\n",
        read("t.skm"));
}

TEST_F(ScaleToFit, TextLinesAreCutTo79Characters) {
    std::string longText(100, 'x');
    write("t.skm", "T" + longText + "\n" + longText + "\nP 0 0\nP 1 1\n");
    scaleToFit<float>("t.skm");
    std::string cut(79, 'x');
    EXPECT_EQ("T" + cut + "\n" + cut + "\nP   1.200000   0.000000\nP   8.700000   7.500000\n",
              read("t.skm"));
}

// A fitted drawing maps onto itself.
TEST_F(ScaleToFit, SecondPassLeavesTheDrawing) {
    write("twice.skm", "L -3 2 5 4\nP 1 7\nL 0 0 2 1\n");
    scaleToFit<double>("twice.skm");
    std::string once = read("twice.skm");
    scaleToFit<double>("twice.skm");
    EXPECT_EQ(once, read("twice.skm"));
}

// The start value 9.9e29 shows its 17 significant digits: 9.9000000734120519e29 as a float,
// 9.9000000000000002e29 as a double.
TEST_F(ScaleToFit, OnlyTextGivesTheXMessageWithTheStartValue) {
    const std::string text = "T 1 1 0.0 0.2 45\nTitle\n";
    write("text.skm", text);
    EXPECT_REFUSAL(float, "text.skm",
                   "\n ERROR: Plot could not be scaled to fit screen,\n"
                   " because all X-values are identical: "
                   "990000007341205190000000000000\\.0000\n\n$");
    EXPECT_REFUSAL(double, "text.skm",
                   " because all X-values are identical: "
                   "990000000000000020000000000000\\.0000\n\n$");
    EXPECT_EQ(text, read("text.skm"));
    EXPECT_EQ(text, read("temporary.tmp"));
}

TEST_F(ScaleToFit, VerticalLineGivesTheXMessage) {
    write("v.skm", "L 2 0 2 5\n");
    EXPECT_REFUSAL(float, "v.skm", " because all X-values are identical: 2\\.0000\n\n$");
    EXPECT_EQ("L 2 0 2 5\n", read("v.skm"));
}

TEST_F(ScaleToFit, HorizontalLineGivesTheYMessage) {
    write("h.skm", "L 0 -1.5 3 -1.5\n");
    EXPECT_REFUSAL(double, "h.skm", " because all Y-values are identical: -1\\.5000\n\n$");
    EXPECT_EQ("L 0 -1.5 3 -1.5\n", read("h.skm"));
}

// Numbers that cannot be read stop the pass before the metafile is touched; nothing loops.
TEST_F(ScaleToFit, UnreadableNumberStopsWithTheMetafileIntact) {
    const std::string fill = "P 0 0\nL   1.000000 !!!!!!!!!!   2.000000   3.000000\n";
    write("fill.skm", fill);
    EXPECT_REFUSAL(double, "fill.skm",
                   "a number of the L command on line 2 of fill\\.skm cannot be read: "
                   "!!!!!!!!!!\n\n$");
    EXPECT_EQ(fill, read("fill.skm"));

    const std::string truncated = "L 0 0 1 1\nL 1 2 3\nP 4 5\n";
    write("cut.skm", truncated);
    EXPECT_REFUSAL(float, "cut.skm",
                   "a number of the L command on line 2 of cut\\.skm cannot be read: P\n\n$");
    EXPECT_EQ(truncated, read("cut.skm"));

    write("end.skm", "P 0 0\nP 1");
    EXPECT_REFUSAL(float, "end.skm",
                   "the P command on line 2 of end\\.skm is cut short by the end of the file\\.");
    EXPECT_EQ("P 0 0\nP 1", read("end.skm"));
}

// A magnitude the fixed-width formatter can only show as a '!' fill could not be read back from
// the scratch file.
TEST_F(ScaleToFit, NumberTooLargeToWriteBackStops) {
    write("big.skm", "L 0 0 1 1\nP 3.3e38 0\n");
    EXPECT_REFUSAL(double, "big.skm",
                   "the P command on line 2 of big\\.skm holds a number too large to be plotted");
    EXPECT_EQ("L 0 0 1 1\nP 3.3e38 0\n", read("big.skm"));
}

TEST_F(ScaleToFit, FilesThatCannotBeOpenedStop) {
    EXPECT_REFUSAL(float, "missing.skm", "because file missing\\.skm could not be opened\\.");
    EXPECT_FALSE(fs::exists("temporary.tmp"));

    write("plot.skm", "L 0 0 1 1\n");
    fs::create_directory("temporary.tmp");
    EXPECT_REFUSAL(double, "plot.skm", "because file temporary\\.tmp could not be created\\.");
    EXPECT_EQ("L 0 0 1 1\n", read("plot.skm"));
}

// The first pass creates the scratch file while it reads the metafile: a metafile of that name
// would be emptied before a line of it is read, and the drawing lost.
TEST_F(ScaleToFit, MetafileNamedLikeTheScratchFileIsKept) {
    const std::string drawing = "T 1 1 0.0 0.2 45\nTitle\nL 0 0 1 1\n";
    write("temporary.tmp", drawing);
    EXPECT_REFUSAL(float, "temporary.tmp",
                   "because file temporary\\.tmp is the scratch file of this pass\\.\n\n$");
    EXPECT_EQ(drawing, read("temporary.tmp"));
    EXPECT_REFUSAL(double, "./temporary.tmp",
                   "because file \\./temporary\\.tmp is the scratch file of this pass\\.");
    EXPECT_EQ(drawing, read("temporary.tmp"));
}

// Only a plain file can be read back and rewritten: a folder is refused, and a device is not read
// (from /dev/zero the first pass would skip zero bytes for ever).
TEST_F(ScaleToFit, MetafileThatIsNoPlainFileStops) {
    EXPECT_REFUSAL(float, ".", "because file \\. is not a plain file\\.");
    EXPECT_REFUSAL(double, "/dev/zero", "because file /dev/zero is not a plain file\\.");
}

// Single-precision extents as small as the smallest normal float would need an infinite scale.
TEST_F(ScaleToFit, DrawingTooSmallToScaleStops) {
    write("tiny.skm", "L 0 0 1e-38 1e-38\n");
    EXPECT_REFUSAL(float, "tiny.skm", "because the drawing is too small to be scaled\\.");
    EXPECT_EQ("L 0 0 1e-38 1e-38\n", read("tiny.skm"));
}

}  // namespace
