#include "svg_picture.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "count_of.h"

namespace {

std::string convert(const std::string& metafile, bool expectOk = true) {
    std::istringstream in(metafile);
    std::ostringstream out;
    std::string error;
    EXPECT_EQ(expectOk, metafileToSvg(in, out, "a.skm", error)) << error;
    return expectOk ? out.str() : error;
}

TEST(SvgPicture, OneElementPerCommandAtItsPlace) {
    std::string svg = convert(
        "T      2.000    -0.233       0.0      0.194 45\n"
        "Viewpoint: (1.00e+001,-5.00e+002, 1.00e+002)\n"
        "L   1.200000   0.000000   8.700000   7.500000\n"
        "L   0.000000   0.000000   1.000000   1.000000\n"
        "P   4.950000   3.750000\n");
    EXPECT_EQ(2, countOf(svg, "<line "));
    EXPECT_EQ(1, countOf(svg, "<circle "));
    EXPECT_EQ(1, countOf(svg, "<text "));
    EXPECT_EQ(1, countOf(svg, "<title>a.skm</title>"));
    // y turns downward: plot y 0 is at the bottom edge of the rectangle, 7.5 at the top.
    EXPECT_NE(std::string::npos,
              svg.find("<line x1=\"1.2000\" y1=\"7.5000\" x2=\"8.7000\" y2=\"0.0000\"/>"));
    EXPECT_NE(std::string::npos, svg.find("<circle cx=\"4.9500\" cy=\"3.7500\""));
    EXPECT_NE(std::string::npos,
              svg.find("<text x=\"2.0000\" y=\"7.7330\" font-size=\"0.1940\""));
    EXPECT_NE(std::string::npos, svg.find(">Viewpoint: (1.00e+001,-5.00e+002, 1.00e+002)</text>"));
    EXPECT_NE(std::string::npos, svg.find("viewBox=\"-0.5000 -0.5000 10.9000 8.5000\""));
    EXPECT_EQ("</svg>\n", svg.substr(svg.size() - 7));
}

TEST(SvgPicture, TextIsEscaped) {
    std::string svg = convert("T 0.1 -0.20 0.0 0.16 50\na<b & \"c\">\n");
    EXPECT_NE(std::string::npos, svg.find(">a&lt;b &amp; &quot;c&quot;&gt;</text>"));
}

// The text line is drawn as it stands, runs of blanks kept; bytes that are not UTF-8 of an XML
// character become one U+FFFD per broken part (a lead with the continuations that fit it, or a lone
// byte), so that the picture always parses.
TEST(SvgPicture, TextKeepsItsBlanksAndStaysValidUtf8) {
    const std::string R = "\xEF\xBF\xBD";
    struct Case {
        std::string text, drawn;
    } cases[] = {
        {"  a  b   c  ", "  a  b   c  "},
        {"\xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80", "\xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80"},
        {"caf\xE9!", "caf" + R + "!"},        // a Latin-1 byte
        {"\xE2\x82", R},                      // cut short by the end of the line
        {"\xC0\xAF", R + R},                  // overlong form of '/'
        {"\xED\xA0\x80", R + R + R},          // a surrogate
        {"\xEF\xBF\xBE\xEF\xBF\xBF", R + R},  // U+FFFE and U+FFFF are no XML characters
        {"a\tb\x01", "a b "},                 // control characters
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string svg = convert("T 0.1 -0.20 0.0 0.16 50\n" + c.text + "\n");
        EXPECT_NE(std::string::npos, svg.find(" xml:space=\"preserve\">" + c.drawn + "</text>"));
    }
}

TEST(SvgPicture, MalformedMetafileNamesTheLine) {
    EXPECT_EQ("line 2: a number of the L command cannot be read: !!!!!!!!!!",
              convert("P 1 2\nL !!!!!!!!!! 1 2 3\n", false));
    EXPECT_EQ("line 3: the P command is cut short by the end of the file",
              convert("P 1 2\n\nP 3\n", false));
    EXPECT_EQ("line 1: the T command's position and height cannot be read",
              convert("T x y\ntext\n", false));
}

TEST(SvgPicture, EmptyMetafileGivesTheBareRectangle) {
    std::string svg = convert("");
    EXPECT_EQ(0, countOf(svg, "<line "));
    EXPECT_EQ(1, countOf(svg, "plot-rectangle"));
}

}  // namespace
