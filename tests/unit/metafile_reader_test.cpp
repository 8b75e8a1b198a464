#include "metafile_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

TEST(MetafileReader, ReadsTheThreeCommandsAndSkipsAnythingElse) {
    std::istringstream in(
        "T 0.1  -0.20 0.0  0.16  50\nExplicit method, dt = 0.1\n"
        "  L   1.500000   2.250000\n -3.000000   0.000123\n"
        "# P\n"
        "P  -2.500000   4.950000\n");
    MetafileReader<double> reader(in);
    MetafileCommand<double> c;
    ASSERT_EQ(MetafileStatus::command, reader.next(c));
    EXPECT_EQ('T', c.letter);
    EXPECT_EQ(" 0.1  -0.20 0.0  0.16  50", c.textLine);
    EXPECT_EQ("Explicit method, dt = 0.1", c.text);
    EXPECT_EQ(1, c.line);

    ASSERT_EQ(MetafileStatus::command, reader.next(c));
    EXPECT_EQ('L', c.letter);
    EXPECT_EQ(3, c.line);
    EXPECT_EQ(1.5, c.x1);
    EXPECT_EQ(2.25, c.y1);
    EXPECT_EQ(-3.0, c.x2);
    EXPECT_EQ(0.000123, c.y2);

    // '#' is skipped on its own, and so is the P behind it: then "P" at line 6 is a command.
    ASSERT_EQ(MetafileStatus::unreadable, reader.next(c));
    EXPECT_EQ('P', c.letter);
    EXPECT_EQ(5, c.line);
    EXPECT_EQ("P", reader.unreadableWord());
}

TEST(MetafileReader, ReportsFillsAndCutLines) {
    std::istringstream fill("L !!!!!!!!!!   1.000000   2.000000   3.000000\n");
    MetafileReader<float> a(fill);
    MetafileCommand<float> c;
    EXPECT_EQ(MetafileStatus::unreadable, a.next(c));
    EXPECT_EQ("!!!!!!!!!!", a.unreadableWord());

    std::istringstream cut("P 1.0 2.0\nL 1.0 2.0\n");
    MetafileReader<float> b(cut);
    EXPECT_EQ(MetafileStatus::command, b.next(c));
    EXPECT_EQ(MetafileStatus::cutShort, b.next(c));
    EXPECT_EQ(2, c.line);
    EXPECT_EQ(MetafileStatus::end, b.next(c));
}

TEST(MetafileReader, TextLinesAreCutTo79Characters) {
    std::istringstream in("T" + std::string(100, 'a') + "\n" + std::string(90, 'b') + "\nP 1 2");
    MetafileReader<float> reader(in);
    MetafileCommand<float> c;
    ASSERT_EQ(MetafileStatus::command, reader.next(c));
    EXPECT_EQ(std::string(79, 'a'), c.textLine);
    EXPECT_EQ(std::string(79, 'b'), c.text);
    ASSERT_EQ(MetafileStatus::command, reader.next(c));
    EXPECT_EQ('P', c.letter);
    EXPECT_EQ(3, c.line);
}

}  // namespace
