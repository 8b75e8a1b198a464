#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_program.h"

namespace {

const std::string METAFILE = "L 0 0 1 1\nT 1 1 0.0 0.2 45\ntitle\n";

// A picture named like its metafile, by the same text, by another path, or by default for a
// metafile that ends in .svg, is refused before anything is created: the metafile stays whole.
TEST(Skm2svgDialogue, RefusesToWriteThePictureOverItsMetafile) {
    struct Case {
        std::vector<std::string> arguments;
        std::string err;
    } cases[] = {
        {{"a.skm", "a.skm"},
         "skm2svg: the picture a.skm would overwrite the metafile a.skm; name another picture: "
         "skm2svg a.skm PICTURE.svg\n"},
        {{"a.skm", "./a.skm"},
         "skm2svg: the picture ./a.skm would overwrite the metafile a.skm; name another picture: "
         "skm2svg a.skm PICTURE.svg\n"},
        {{"pic.svg"},
         "skm2svg: the picture pic.svg would overwrite the metafile pic.svg; name another "
         "picture: skm2svg pic.svg PICTURE.svg\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        const std::string& name = c.arguments.front();
        ProgramRun run = runProgram("skm2svg", "", {{name, METAFILE}}, 120, c.arguments);
        EXPECT_EQ(c.err, run.err);
        EXPECT_EQ("", run.out);
        EXPECT_EQ(1, run.status);
        EXPECT_EQ(METAFILE, run.file(name));
    }
    ProgramRun other =
        runProgram("skm2svg", "", {{"pic.svg", METAFILE}}, 120, {"pic.svg", "b.svg"});
    EXPECT_EQ("Wrote b.svg\n", other.out);
    EXPECT_EQ(0, other.status);
    EXPECT_EQ(METAFILE, other.file("pic.svg"));
    EXPECT_NE(std::string::npos, other.file("b.svg").find(">title</text>"));
}

}  // namespace
