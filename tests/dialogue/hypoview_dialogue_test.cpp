#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace hypoview_dialogue {

// The dialogue's fixed texts, as the user sees them.
const std::string HEADER = "Program Hypoview: Perspective view of data\n\n";
const std::string ASK_GRID = "Enter name of gridded-data (.grd?) file: ";
const std::string ASK_HYPOCENTERS = "\nEnter name of hypocenter data file: ";
const std::string ASK_METAFILE =
    "\nEnter a name for the output graphics metafile\n"
    "(with file extension .skm; e.g., Hypoview.skm): ";
const std::string READING = "\nReading data files ....\n";
const std::string ASK_SCALING =
    "\nDo you want to scale the gridded data set ?\n"
    "(This is useful when the data set is something\n"
    " other than topography, with different dimensions.)\n"
    "Answer \"Y\" for YES, or \"N\" to omit scaling: ";
const std::string ASK_MULTIPLIER =
    "\nEnter multiplier for gridded data set;\n"
    "(Use 1.0 for no change, >1.0 to expand, or\n"
    "  <1.0 to shrink).......: ";
const std::string TABLE_HEAD =
    "\nOuter limits of data range are:\n\n"
    "              Minimum     Middle    Maximum\n";
const std::string ASK_VIEWPOINT =
    "Enter 3 coordinates of desired viewpoint: \n   Alpha:    Beta :    Gamma: ";
const std::string PAUSE = "Press any key to continue...\n";
const std::string PROJECTING = "\n\nPerforming Projections....\n";
const std::string SCALING =
    "\nScaling plot to fit in a rectangle of 9.9000 by 7.5000 units.\n"
    "Graphics metafile must be copied twice; be patient.....\n";
const std::string DONE = "\nPlot metafile has been scaled.  Now use Sketcher.\n" + PAUSE;
const std::string VIEWPOINT_TITLE = "T      2.000    -0.233       0.0      0.194 45\n";
const std::string MULTIPLIER_TITLE = "T      2.000      7.539        0.0      0.194 44\n";
const std::string PROJECT_ERROR =
    "\nError in Project: Point to be projected is behind the observer!\n";

std::string stereo(const std::string& place) {
    return "\nIf this plot is the first of a stereo pair,\n"
           "and represents the view of the left eye,\n"
           "then a reasonable viewpoint for the right eye\n"
           "would be located at:\n" +
           place + "\nYOU MAY WANT TO MAKE A NOTE OF THIS FOR NEXT TIME.\n";
}

std::string table(const std::string& alpha, const std::string& beta, const std::string& gamma) {
    return TABLE_HEAD + " Alpha     " + alpha + "\n Beta      " + beta + "\n Gamma(Up) " + gamma +
           "\n\n";
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A 3 x 3 grid as gridder writes it: header in general notation, one value a line, northern
// row first.
const std::string GRIDDER_GRID = "0 10 20\n0 10 20\n5\n6\n7\n4\n5\n6\n3\n4\n5\n";
const std::string TWO_HYPOCENTERS = "5 5 -10\n15 15 -20\n";

// Checks that the drawing commands of a fitted metafile fill the plot rectangle: inside it,
// centred on (4.95, 3.75), spanning its full width or its full height.
void expectFitted(const std::vector<std::string>& lines) {
    float xmin = 1e30f, xmax = -1e30f, ymin = 1e30f, ymax = -1e30f;
    int commands = 0;
    for (const std::string& line : lines) {
        if (line[0] != 'L' && line[0] != 'P') continue;
        EXPECT_EQ(line[0] == 'L' ? 45u : 23u, line.size()) << line;
        std::istringstream in(line.substr(1));
        float x, y;
        while (in >> x >> y) {
            xmin = std::min(xmin, x), xmax = std::max(xmax, x);
            ymin = std::min(ymin, y), ymax = std::max(ymax, y);
        }
        ++commands;
    }
    ASSERT_GT(commands, 0);
    EXPECT_GE(xmin, -1e-4f);
    EXPECT_LE(xmax, 9.9f + 1e-4f);
    EXPECT_GE(ymin, -1e-4f);
    EXPECT_LE(ymax, 7.5f + 1e-4f);
    EXPECT_NEAR(4.95, (xmin + xmax) / 2, 1e-4);
    EXPECT_NEAR(3.75, (ymin + ymax) / 2, 1e-4);
    EXPECT_TRUE(xmax - xmin > 9.9f - 1e-4f || ymax - ymin > 7.5f - 1e-4f);
}

TEST(HypoviewDialogue, GridderGridAndHypocentres) {
    ProgramRun run = runProgram("hypoview", "topo.grd quakes.txt view.skm ja\n60 -40 30\n",
                                {{"topo.grd", GRIDDER_GRID}, {"quakes.txt", TWO_HYPOCENTERS}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ(HEADER + ASK_GRID + ASK_HYPOCENTERS + ASK_METAFILE + READING + ASK_SCALING +
                  table(" 0.00e+000  1.00e+001  2.00e+001", " 0.00e+000  1.00e+001  2.00e+001",
                        "-2.00e+001 -6.50e+000  7.00e+000") +
                  ASK_VIEWPOINT + stereo("(6.50e+001,-3.45e+001,3.00e+001).") + PAUSE + PROJECTING +
                  SCALING + DONE,
              run.out);

    std::vector<std::string> lines = linesOf(run.file("view.skm"));
    // Two title lines, 12 box edges, 3 x 2 + 3 x 2 mesh lines, 2 points.
    ASSERT_EQ(2u + 12 + 12 + 2, lines.size());
    EXPECT_EQ(VIEWPOINT_TITLE, lines[0] + "\n");
    EXPECT_EQ("Viewpoint: (6.00e+001,-4.00e+001,3.00e+001)", lines[1]);
    for (size_t i = 2; i < 26; ++i) EXPECT_EQ('L', lines[i][0]) << i;
    EXPECT_EQ('P', lines[26][0]);
    EXPECT_EQ('P', lines[27][0]);
    expectFitted(lines);
    EXPECT_TRUE(run.hasFile("temporary.tmp"));
}

// Several arrays, each with its caption: the first is drawn, and rescaled on request.
TEST(HypoviewDialogue, HeaterGridRescaledWithoutHypocentres) {
    const std::string heaterGrid =
        "0 10 20\n-20 10 0\n 100 200 300\n 400 500 600\n 700 800 900\n"
        "Temperatures after 10 steps\n"
        "0 10 20\n-20 10 0\n 1000 2000 3000\n 4000 5000 6000\n 7000 8000 9000\n"
        "Temperatures after 20 steps\n";
    ProgramRun run = runProgram("hypoview", "heat.grd none.txt ok out.skm y2 0.01 -30 -70 25\n",
                                {{"heat.grd", heaterGrid}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ(HEADER + ASK_GRID + ASK_HYPOCENTERS + "Unable to open hypocenter file none.txt\n" +
                  "Proceed without using any hypocenters?: " + ASK_METAFILE + READING +
                  ASK_SCALING + ASK_MULTIPLIER +
                  table(" 0.00e+000  1.00e+001  2.00e+001", "-2.00e+001 -1.00e+001  0.00e+000",
                        " 1.00e+000  5.00e+000  9.00e+000") +
                  ASK_VIEWPOINT + stereo("(-2.35e+001,-7.39e+001,2.50e+001).") + PAUSE +
                  PROJECTING + SCALING + DONE,
              run.out);

    std::vector<std::string> lines = linesOf(run.file("out.skm"));
    ASSERT_EQ(4u + 12 + 12, lines.size());
    EXPECT_EQ(VIEWPOINT_TITLE, lines[0] + "\n");
    EXPECT_EQ("Viewpoint: (-3.00e+001,-7.00e+001,2.50e+001)", lines[1]);
    EXPECT_EQ(MULTIPLIER_TITLE, lines[2] + "\n");
    EXPECT_EQ("Gridded data were multiplied by 1.000e-002", lines[3]);
    expectFitted(lines);
}

// Inside (on a face), too distant, vertical, a word where a number belongs, then accepted.  The
// accepted viewpoint is the stereo example.
TEST(HypoviewDialogue, ViewpointRefusals) {
    ProgramRun run = runProgram("hypoview",
                                "none.grd yes quakes.txt v.skm\n"
                                "50 0 -20\n"
                                "0 -1.00001e7 -20\n"
                                "0 0 100\n"
                                "abc 0 -500 100\n",
                                {{"quakes.txt", "-50 -50 -30\n50 50 -10\n"}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("Unable to open gridded-data file none.grd\n", run.err);
    EXPECT_EQ(HEADER + ASK_GRID + "Proceed without using any gridded data?: " + ASK_HYPOCENTERS +
                  ASK_METAFILE + READING +
                  table("-5.00e+001  0.00e+000  5.00e+001", "-5.00e+001  0.00e+000  5.00e+001",
                        "-3.00e+001 -2.00e+001 -1.00e+001") +
                  ASK_VIEWPOINT + "VIEWPOINT MUST BE OUTSIDE THE BOX.\n" + ASK_VIEWPOINT +
                  "VIEWPOINT IS TOO DISTANT !\n"
                  "PLOT WILL BE DISTORTED OR DESTROYED BY ROUNDOFF ERROR.\n"
                  "PLEASE SELECT A VIEWPOINT WITHIN 1.00e+007\n"
                  "  OF THE CENTER OF THE DATA...\n" +
                  ASK_VIEWPOINT +
                  "VERTICAL VIEWS ARE NOT PERMITTED.\n"
                  "PLEASE MOVE VIEWPOINT AT LEAST SLIGHTLY TO SIDE...\n" +
                  "Enter 3 coordinates of desired viewpoint: \n"
                  "   Alpha:    Alpha:    Beta :    Gamma: " +
                  stereo("(5.23e+001,-4.97e+002,1.00e+002).") + PAUSE + PROJECTING + SCALING + DONE,
              run.out);
    std::vector<std::string> lines = linesOf(run.file("v.skm"));
    ASSERT_EQ(2u + 12 + 2, lines.size());
    EXPECT_EQ("Viewpoint: (0.00e+000,-5.00e+002,1.00e+002)", lines[1]);
    expectFitted(lines);
}

TEST(HypoviewDialogue, ViewpointAtTheDistanceLimitIsAccepted) {
    ProgramRun run = runProgram("hypoview", "none.grd T quakes.txt v.skm 0 -1e7 -20\n",
                                {{"quakes.txt", "-50 -50 -30\n50 50 -10\n"}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(std::string::npos, run.out.find("TOO DISTANT"));
    EXPECT_NE(std::string::npos, run.out.find(DONE));
}

// Hypocentres from Gamma -10 to -5, the eye above them at -2 but below level 0, where the box
// ends: the far upper corner lies behind the eye.  The metafile keeps its titles and the six
// edges drawn before that corner, unscaled.
TEST(HypoviewDialogue, EyeInsideTheBoxStopsWithTheProjectMessage) {
    ProgramRun run = runProgram("hypoview", "none.grd o quakes.txt v.skm 5 9 -2\n",
                                {{"quakes.txt", "0 0 -10\n10 10 -5\n"}});
    EXPECT_EQ(255, run.status);
    const std::string tail = PROJECTING + PROJECT_ERROR;
    ASSERT_GE(run.out.size(), tail.size());
    EXPECT_EQ(tail, run.out.substr(run.out.size() - tail.size()));
    std::vector<std::string> lines = linesOf(run.file("v.skm"));
    ASSERT_EQ(2u + 6, lines.size());
    EXPECT_EQ("Viewpoint: (5.00e+000,9.00e+000,-2.00e+000)", lines[1]);
    for (size_t i = 2; i < lines.size(); ++i) EXPECT_EQ(45u, lines[i].size());
    EXPECT_FALSE(run.hasFile("temporary.tmp"));
}

// A viewpoint beside the vertical by 1e-30: accepted, but the horizontal direction has no length
// in single precision.
TEST(HypoviewDialogue, ZeroLengthVectorStops) {
    ProgramRun run = runProgram("hypoview", "none.grd y quakes.txt v.skm 1e-30 0 100\n",
                                {{"quakes.txt", "0 0 -10\n0 0 -5\n"}});
    EXPECT_EQ(255, run.status);
    const std::string tail = PROJECTING +
                             " ZERO-LENGTH VECTOR SENT TO SUBROUTINE UNIT.\n"
                             " CANNOT BE PROCESSED; PROGRAM STOPPING.\n";
    ASSERT_GE(run.out.size(), tail.size());
    EXPECT_EQ(tail, run.out.substr(run.out.size() - tail.size()));
}

TEST(HypoviewDialogue, AnswerToProceedDecides) {
    ProgramRun stop = runProgram("hypoview", "missing.grd n\n", {});
    EXPECT_EQ(255, stop.status);
    EXPECT_EQ("Unable to open gridded-data file missing.grd\n", stop.err);
    EXPECT_EQ(HEADER + ASK_GRID + "Proceed without using any gridded data?: ", stop.out);

    ProgramRun stopHypocenters =
        runProgram("hypoview", "topo.grd gone.txt no\n", {{"topo.grd", GRIDDER_GRID}});
    EXPECT_EQ(255, stopHypocenters.status);
    EXPECT_EQ("", stopHypocenters.err);
    EXPECT_EQ(HEADER + ASK_GRID + ASK_HYPOCENTERS + "Unable to open hypocenter file gone.txt\n" +
                  "Proceed without using any hypocenters?: ",
              stopHypocenters.out);
}

// A folder cannot be read as a file: it is refused like a missing one.
TEST(HypoviewDialogue, FolderIsNotAnInputFile) {
    ProgramRun run = runProgram("hypoview", ". n\n", {});
    EXPECT_EQ(255, run.status);
    EXPECT_EQ("Unable to open gridded-data file .\n", run.err);
}

TEST(HypoviewDialogue, NeitherFileOpen) {
    ProgramRun run = runProgram("hypoview", "a.grd Yes b.txt true\n", {});
    EXPECT_EQ(255, run.status);
    EXPECT_EQ(HEADER + ASK_GRID + "Proceed without using any gridded data?: " + ASK_HYPOCENTERS +
                  "Unable to open hypocenter file b.txt\n" +
                  "Proceed without using any hypocenters?: " +
                  "\nHypoview cannot proceed without input data.\n" + PAUSE,
              run.out);
}

TEST(HypoviewDialogue, NoDataToProject) {
    ProgramRun run = runProgram("hypoview", "none.grd y empty.txt v.skm\n", {{"empty.txt", "\n"}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(HEADER + ASK_GRID + "Proceed without using any gridded data?: " + ASK_HYPOCENTERS +
                  ASK_METAFILE + READING + "\nThere are no data to project.  Job done.\n",
              run.out);
}

// 102 rows are refused even with 2 points in x, before any value is read.
TEST(HypoviewDialogue, OversizedGridStops) {
    ProgramRun run = runProgram("hypoview", "big.grd quakes.txt v.skm\n",
                                {{"big.grd", "0 1 1\n0 10 1010\n"}, {"quakes.txt", "1 2 3\n"}});
    EXPECT_EQ(255, run.status);
    EXPECT_EQ("Topography grid is too large.\nRecompile with larger value of NTGRID.\n", run.err);
    EXPECT_EQ(HEADER + ASK_GRID + ASK_HYPOCENTERS + ASK_METAFILE + READING, run.out);
    EXPECT_TRUE(run.hasFile("v.skm"));
    EXPECT_EQ("", run.file("v.skm"));
}

TEST(HypoviewDialogue, DefectiveGridFilesStop) {
    const char* grids[] = {
        "0 1 2\n0 1 1\n1 2 3\n4 5\n",       // cut short
        "0 1 2\n0 1 1\n1 2 3\nfour 5 6\n",  // a value that is not a number
        "0 0 2\n0 1 1\n1 2 3\n4 5 6\n",     // no usable count
    };
    for (const char* grid : grids) {
        ProgramRun run = runProgram("hypoview", "bad.grd quakes.txt v.skm\n",
                                    {{"bad.grd", grid}, {"quakes.txt", "1 2 3\n"}});
        EXPECT_EQ(255, run.status) << grid;
        EXPECT_NE(std::string::npos, run.err.find("bad.grd")) << grid;
        EXPECT_EQ(HEADER + ASK_GRID + ASK_HYPOCENTERS + ASK_METAFILE + READING, run.out) << grid;
    }
}

TEST(HypoviewDialogue, OnlyTheFirst2500HypocentresAreRead) {
    std::string quakes;
    for (int j = 0; j <= 2500; ++j)
        quakes += std::to_string(j % 50) + " " + std::to_string(j / 50) + " -" +
                  std::to_string(1 + j % 7) + "\n";
    quakes += "1000 1000 1000\n";  // would widen the extent if it were read
    ProgramRun run =
        runProgram("hypoview", "none.grd y quakes.txt v.skm 100 -30 5\n", {{"quakes.txt", quakes}});
    EXPECT_EQ(0, run.status);
    EXPECT_NE(std::string::npos,
              run.out.find(READING + "Sorry; can only accept first 2500 hypocenters.\n" +
                           TABLE_HEAD + " Alpha      0.00e+000  2.45e+001  4.90e+001\n" +
                           " Beta       0.00e+000  2.45e+001  4.90e+001\n"));
    std::vector<std::string> lines = linesOf(run.file("v.skm"));
    EXPECT_EQ(2u + 12 + 2500, lines.size());
}

TEST(HypoviewDialogue, DataAtOnePointAdmitNoViewpoint) {
    ProgramRun run = runProgram("hypoview", "none.grd y one.txt v.skm\n", {{"one.txt", "1 2 3\n"}});
    EXPECT_EQ(255, run.status);
    const std::string expectedEnd =
        table(" 1.00e+000  1.00e+000  1.00e+000", " 2.00e+000  2.00e+000  2.00e+000",
              " 3.00e+000  3.00e+000  3.00e+000") +
        "All data lie at one point, so no viewpoint can be accepted for them.\n" + PAUSE;
    ASSERT_GE(run.out.size(), expectedEnd.size());
    EXPECT_EQ(expectedEnd, run.out.substr(run.out.size() - expectedEnd.size()));
}

TEST(HypoviewDialogue, MetafileThatCannotBeCreatedStops) {
    ProgramRun run = runProgram("hypoview", "none.grd y quakes.txt nowhere/v.skm 100 0 0\n",
                                {{"quakes.txt", TWO_HYPOCENTERS}});
    EXPECT_EQ(255, run.status);
    EXPECT_NE(std::string::npos, run.err.find("nowhere/v.skm"));
    EXPECT_EQ(HEADER + ASK_GRID + "Proceed without using any gridded data?: " + ASK_HYPOCENTERS +
                  ASK_METAFILE,
              run.out);
}

TEST(HypoviewDialogue, InputEndingMidDialogue) {
    ProgramRun run = runProgram("hypoview", "topo.grd quakes.txt v.skm n 10 20",
                                {{"topo.grd", GRIDDER_GRID}, {"quakes.txt", TWO_HYPOCENTERS}});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("Input ended.\n", run.err);
}

// The metafile is created before the input files are read: a name that is one of them would
// empty it first.  Such a name is asked again, and the files are read as they were.
TEST(HypoviewDialogue, MetafileNamedLikeAnInputFileIsAskedAgain) {
    ProgramRun run =
        runProgram("hypoview", "topo.grd quakes.txt topo.grd ./quakes.txt view.skm n\n60 -40 30\n",
                   {{"topo.grd", GRIDDER_GRID}, {"quakes.txt", TWO_HYPOCENTERS}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ(HEADER + ASK_GRID + ASK_HYPOCENTERS + ASK_METAFILE +
                  "The metafile would replace the input file topo.grd; it needs a name of its "
                  "own.\n" +
                  ASK_METAFILE +
                  "The metafile would replace the input file ./quakes.txt; it needs a name of its "
                  "own.\n" +
                  ASK_METAFILE + READING + ASK_SCALING,
              run.out.substr(0, run.out.find(TABLE_HEAD)));
    EXPECT_EQ(GRIDDER_GRID, run.file("topo.grd"));
    EXPECT_EQ(TWO_HYPOCENTERS, run.file("quakes.txt"));
    // The same picture as from a name of its own: two titles, 12 box edges, 12 mesh lines, 2
    // points.
    EXPECT_EQ(2u + 12 + 12 + 2, linesOf(run.file("view.skm")).size());
}

// Names the scale-to-fit pass could not rewrite after the whole dialogue are asked again at once:
// its scratch file, by a name of its own before either exists, and a device that reads on for ever.
TEST(HypoviewDialogue, MetafileTheFitCannotRewriteIsAskedAgain) {
    ProgramRun run =
        runProgram("hypoview", "none.grd y quakes.txt ./temporary.tmp /dev/zero v.skm 100 0 0\n",
                   {{"quakes.txt", TWO_HYPOCENTERS}});
    EXPECT_EQ(0, run.status);
    const std::string own = "; the metafile needs a file of its own.\n" + ASK_METAFILE;
    EXPECT_NE(
        std::string::npos,
        run.out.find(ASK_METAFILE + "./temporary.tmp is the scratch file of the scale-to-fit pass" +
                     own + "/dev/zero is a device or a pipe, not a plain file" + own + READING));
    EXPECT_EQ(2u + 12 + 2, linesOf(run.file("v.skm")).size());
}

}  // namespace hypoview_dialogue
