#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "line_reader.h"

namespace {

struct Read {
    std::string text;
    LineRead how;
};

Read next(std::istream& in) {
    LineBuffer line{};
    LineRead how = readLine(in, line);
    return {line.data(), how};
}

TEST(FactorLineReader, LinesEndAtTheLineBreak) {
    std::istringstream in("header\n1 2 3\n");
    Read a = next(in), b = next(in), c = next(in);
    EXPECT_EQ("header", a.text);
    EXPECT_TRUE(a.how.tookAny);
    EXPECT_FALSE(a.how.atEnd);
    EXPECT_EQ("1 2 3", b.text);
    // The read after the final line break takes nothing and meets the end.
    EXPECT_EQ("", c.text);
    EXPECT_FALSE(c.how.tookAny);
    EXPECT_TRUE(c.how.atEnd);
}

TEST(FactorLineReader, LastLineWithoutBreakTookCharacters) {
    std::istringstream in("1 2 3");
    Read a = next(in);
    EXPECT_EQ("1 2 3", a.text);
    EXPECT_TRUE(a.how.tookAny);
    EXPECT_TRUE(a.how.atEnd);
}

TEST(FactorLineReader, EmptyLineInTheMiddleTookItsBreak) {
    std::istringstream in("\nx\n");
    Read a = next(in);
    EXPECT_EQ("", a.text);
    EXPECT_TRUE(a.how.tookAny);
    EXPECT_FALSE(a.how.atEnd);
    EXPECT_EQ("x", next(in).text);
}

TEST(FactorLineReader, CarriageReturnBeforeBreakIsDropped) {
    std::istringstream in("a b\r\nc\r");
    EXPECT_EQ("a b", next(in).text);
    EXPECT_EQ("c", next(in).text);
}

TEST(FactorLineReader, LongLineComesInPiecesOf999) {
    std::string longLine(1200, 'x');
    std::istringstream in(longLine + "\nnext\n");
    Read a = next(in), b = next(in), c = next(in);
    EXPECT_EQ(std::string(999, 'x'), a.text);
    EXPECT_TRUE(a.how.cut);
    EXPECT_EQ(std::string(201, 'x'), b.text);
    EXPECT_FALSE(b.how.cut);
    EXPECT_EQ("next", c.text);
}

TEST(FactorLineReader, Exactly999CharactersLeaveAnEmptyRest) {
    std::istringstream in(std::string(999, 'y') + "\nz\n");
    Read a = next(in), b = next(in), c = next(in);
    EXPECT_EQ(999u, a.text.size());
    EXPECT_TRUE(a.how.cut);  // the line break is still unread
    EXPECT_EQ("", b.text);
    EXPECT_TRUE(b.how.tookAny);
    EXPECT_EQ("z", c.text);
}

TEST(FactorLineReader, Exactly999CharactersAtTheEndAreNotCut) {
    std::istringstream in(std::string(999, 'y'));
    Read a = next(in);
    EXPECT_FALSE(a.how.cut);
    EXPECT_FALSE(next(in).how.tookAny);
}

TEST(FactorLineReader, LineLengthStopsAtBreakOrTerminator) {
    EXPECT_EQ(0, lineLength(""));
    EXPECT_EQ(3, lineLength("abc"));
    EXPECT_EQ(2, lineLength("ab\ncd"));
    std::string longText(2000, 'q');
    EXPECT_EQ(1024, lineLength(longText.c_str()));
}

}  // namespace
