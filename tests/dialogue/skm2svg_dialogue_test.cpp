#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

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
        EXPECT_EQ(
            "skm2svg: " + arguments.back() + " is an input of this run; name another output file\n",
            run.err);
        EXPECT_EQ(1, run.status);
        EXPECT_EQ(metafile, run.file(name));
    }
}

// A picture whose write fails (here: beyond a file size limit of 200 bytes, as on a full disk)
// leaves the earlier picture of that name as it was, and nothing else beside it.
TEST(PictureTools, AFailedWriteKeepsTheEarlierPicture) {
    const struct {
        std::vector<std::string> command;
        std::string input, inputText;
    } cases[] = {
        {{"skm2svg", "a.skm", "pic.svg"}, "a.skm", "L 0 0 1 1\nT 1 1 0.0 0.2 45\ntitle\n"},
        {{"grd2svg", "g.grd", "pic.svg"}, "g.grd", "0 1 2\n0 1 1\n1 2 3\n4 5 6\n"},
    };
    struct rlimit before {};
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &before));
    struct rlimit small = before;
    small.rlim_cur = 200;  // inherited by the tool; the inputs are smaller
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command[0]);
        setrlimit(RLIMIT_FSIZE, &small);
        ProgramRun run = runTool(c.command[0], {c.command.begin() + 1, c.command.end()},
                                 {{c.input, c.inputText}, {"pic.svg", "earlier picture\n"}});
        setrlimit(RLIMIT_FSIZE, &before);
        EXPECT_EQ(1, run.status);
        EXPECT_EQ(c.command[0] + ": cannot write pic.svg\n", run.err);
        EXPECT_EQ("earlier picture\n", run.file("pic.svg"));
        EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(run.dir / "work"),
                                   std::filesystem::directory_iterator()));
    }
    signal(SIGXFSZ, oldHandler);
}

}  // namespace
