// grd2svg, and the rules every picture tool shares: refusals named on one line, status 1 and no
// picture; never a picture over one of the tool's own inputs.
#include <gtest/gtest.h>

#include "run_program.h"

namespace grd2svg_dialogue {

const char* const GRID = "0 1 2\n0 1 1\n1 2 3\n4 5 6\n";
const char* const HEATER =
    "0 1 2\n-1 1 0\n 10 20 30\n 40 50 60\n^ at end of time step #1 time =  1\n"
    "0 1 2\n-1 1 0\n 11 21 31\n 41 51 61\n^ at end of time step #2 time =  2\n";


TEST(Grd2svg, DrawsTheChosenArray) {
    ProgramRun run = runTool("grd2svg", {"t.grd"}, {{"t.grd", HEATER}});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("Wrote t.svg\n", run.out);
    EXPECT_NE(std::string::npos,
              run.file("t.svg").find("<title>t.grd, array 2 of 2: at end of time step #2"));
    ProgramRun first =
        runTool("grd2svg", {"t.grd", "first.svg", "--array", "1"}, {{"t.grd", HEATER}});
    EXPECT_NE(std::string::npos,
              first.file("first.svg").find("array 1 of 2: at end of time step #1"));
}

TEST(Grd2svg, RefusalsWriteNothing) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* err;
    } cases[] = {
        {{"missing.grd"}, 1, "grd2svg: cannot open missing.grd\n"},
        {{"bad.grd"},
         1,
         "grd2svg: Gridded-data file bad.grd, line 3, holds text that is not a number.\n"},
        {{"g.grd", "--array", "2"},
         1,
         "grd2svg: g.grd holds 1 array; --array 2 is not one of them\n"},
        {{"g.grd", "--points", "p.txt"}, 1, "grd2svg: p.txt, line 2: x and y cannot be read\n"},
        {{"g.grd", "--points", "one.txt", "--mask-distance", "auto"},
         1,
         "grd2svg: --mask-distance auto needs data at two different positions at least; one.txt "
         "has none\n"},
        {{"g.grd", "--mask-distance", "5"},
         2,
         "grd2svg: --mask-distance needs --points, the data it measures from\n"},
        {{"g.grd", "--points", "q.txt", "--mask-distance", "far"},
         2,
         "grd2svg: --mask-distance needs a positive number or auto, not far\n"},
        {{"g.grd", "--exaggeration", "-2"},
         2,
         "grd2svg: --exaggeration needs a positive number, not -2\n"},
        {{"g.grd", "--title"}, 2, "grd2svg: --title needs a value\n"},
        {{"g.grd", "q.txt", "--points", "q.txt"},
         1,
         "grd2svg: q.txt is an input of this run; name another output file\n"},
        {{"g.grd", "./g.grd"},
         1,
         "grd2svg: ./g.grd is an input of this run; name another output file\n"},
        {{"g.grd", "--interval", "0"}, 2, "grd2svg: --interval needs a positive number, not 0\n"},
        {{"g.grd", "--array"}, 2, "grd2svg: --array needs a value\n"},
        {{"g.grd", "--colour"},
         2,
         "grd2svg: unknown option --colour (grd2svg --help lists them)\n"},
    };
    for (const Case& c : cases) {
        ProgramRun run = runTool("grd2svg", c.arguments,
                                 {{"g.grd", GRID},
                                  {"bad.grd", "0 1 2\n0 1 1\n1 2 x\n"},
                                  {"p.txt", "1 1\nx\n"},
                                  {"one.txt", "1 1 5\n1 1 6\n"},
                                  {"q.txt", "1 1\n"}});
        EXPECT_EQ(c.status, run.status) << c.arguments[0];
        EXPECT_EQ(c.err, run.err);
        EXPECT_EQ("", run.out);
        EXPECT_FALSE(run.hasFile("g.svg") || run.hasFile("bad.svg") || run.hasFile("missing.svg"));
        EXPECT_EQ(GRID, run.file("g.grd"));
        EXPECT_EQ("1 1\n", run.file("q.txt"));
    }
    ProgramRun help = runTool("grd2svg", {"--help"});
    EXPECT_EQ(0, help.status);
    EXPECT_EQ(0u, help.out.find("Usage: grd2svg FILE.grd [OUT.svg]"));
}

TEST(PictureTools, NeverDrawOverTheirInput) {
    const char* metafile = "L 0 0 1 1\n";
    ProgramRun skm = runTool("skm2svg", {"a.skm", "a.skm"}, {{"a.skm", metafile}});
    EXPECT_EQ(1, skm.status);
    EXPECT_EQ("skm2svg: a.skm is an input of this run; name another output file\n", skm.err);
    EXPECT_EQ(metafile, skm.file("a.skm"));
    ProgramRun bad = runTool("skm2svg", {"b.skm"}, {{"b.skm", "L 0 0 1\n"}});
    EXPECT_EQ("skm2svg: b.skm, line 1: the L command is cut short by the end of the file\n",
              bad.err);
    EXPECT_FALSE(bad.hasFile("b.svg"));
}

// An input that never ends is refused at once, by every tool; an output whose write fails is
// removed only when it was a plain file, so a device named as the picture (here through a link
// to /dev/full, whose writes always fail) is never deleted.
TEST(PictureTools, EndlessInputsAndFailedOutputs) {
    const std::vector<std::vector<std::string>> commands = {{"skm2svg", "/dev/zero", "x.svg"},
                                                            {"grd2svg", "/dev/zero", "x.svg"},
                                                            {"factorplot", "/dev/zero", "x.svg"},
                                                            {"varfit", "/dev/zero", "100"},
                                                            {"krigcv", "/dev/zero", "1", "m.txt"}};
    for (const std::vector<std::string>& command : commands) {
        SCOPED_TRACE(command[0]);
        ProgramRun run = runTool(command[0], {command.begin() + 1, command.end()});
        EXPECT_EQ(1, run.status);
        EXPECT_EQ(command[0] + ": /dev/zero is not a plain file\n", run.err);
    }
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    NamedPipe folder;  // only for its temporary folder
    std::filesystem::path link = folder.dir / "full.svg";
    std::filesystem::create_symlink("/dev/full", link);
    ProgramRun run = runTool("skm2svg", {"a.skm", link.string()}, {{"a.skm", "L 0 0 1 1\n"}});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("skm2svg: cannot write " + link.string() + "\n", run.err);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

// gridder's data with commas, a position outside the grid noted on the error stream and in the
// caption, and the options that shape the picture.
TEST(Grd2svg, PointsMaskAndLayoutOptions) {
    ProgramRun run = runTool(
        "grd2svg",
        {"g.grd", "m.svg", "--points", "d.txt", "--mask-distance", "auto", "--title", "Peak & pit",
         "--unit", "m", "--xlabel", "east (km)", "--ylabel", "north (km)", "--cells"},
        {{"g.grd", GRID}, {"d.txt", "0,0,1\n1,0,2\n2,1,3\n9,9,9\n"}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("Wrote m.svg\n", run.out);
    EXPECT_EQ(
        "grd2svg: 1 of the 4 positions in d.txt lie outside the grid and are not drawn; the "
        "caption says so\n",
        run.err);
    std::string svg = run.file("m.svg");
    for (const char* shown :
         {"<title>Peak &amp; pit</title>",
          ">dots: the 4 positions of d.txt (1 of them outside the "
          "grid, not drawn)</text>",
          ">grey: farther than 3.621 from every datum (3 times the median "
          "distance from a datum to its nearest neighbour)</text>",
          ">m</text>", ">east (km)</text>", ">north (km)</text>", "class=\"cells\""})
        EXPECT_NE(std::string::npos, svg.find(shown)) << shown;
    ProgramRun section =
        runTool("grd2svg", {"t.grd", "--exaggeration", "2.5"}, {{"t.grd", HEATER}});
    EXPECT_NE(std::string::npos, section.file("t.svg").find(">vertical exaggeration 2.5:1</text>"));
}

}  // namespace grd2svg_dialogue
