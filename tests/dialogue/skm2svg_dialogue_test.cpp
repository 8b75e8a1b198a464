#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_program.h"

namespace skm2svg_dialogue {

// A picture named like its metafile, by the same text, by another path, or by default for a
// metafile that ends in .svg, is refused before anything is created: the metafile stays whole.
TEST(Skm2svgDialogue, RefusesToWriteThePictureOverItsMetafile) {
    const std::string metafile = "L 0 0 1 1\nT 1 1 0.0 0.2 45\ntitle\n";
    const std::vector<std::string> cases[] = {
        {"a.skm", "a.skm"}, {"a.skm", "./a.skm"}, {"pic.svg"}};
    for (const std::vector<std::string>& arguments : cases) {
        const std::string& name = arguments.front();
        SCOPED_TRACE(arguments.back());
        ProgramRun run = runTool("skm2svg", arguments, {{name, metafile}});
        EXPECT_EQ("skm2svg: " + arguments.back() + " is an input of this run; name another output file\n",
                  run.err);
        EXPECT_EQ(1, run.status);
        EXPECT_EQ(metafile, run.file(name));
    }
}

}  // namespace skm2svg_dialogue
