#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "run_program.h"

namespace heater_dialogue {

const std::string BANNER =
    "Program HEATER;\n\nSimulates 2-dimensional (x,z) thermal histories\n"
    "  by the Explicit variant, or\n  by the Alternating-Direction-Implicit variant of\n"
    "  the Finite-Difference method.\n\nBoundary conditions are:\n  -Fixed T on the top;\n"
    "  -Fixed T on the bottom;\n  -dT/dx = 0 along the sides.\n\n";
const std::string SUBDUCTION_Q =
    "Do you wish to model subduction in this run?\n  (Enter Y if you do, or N if you do not): ";
const std::string OLD_FILE_Q =
    "\nDo you wish to read an old output (.grd?) file for \n  the initial temperatures (Yes/No)?: ";
const std::string OLD_NAME_Q = "Enter name of (.grd?) file containing array: ";
const std::string DEPTHS_Q =
    "Enter number of depths (including surface); \n"
    " (Number should be ODD, at least  3, and no more than  49: ";
const std::string DZ_Q = "Enter spacing of depth points: ";
std::string columnsQ(const std::string& minimum) {
    return "Enter number of columns of points;\n (Number should be ODD, at least " + minimum +
           ", and no more than  49: ";
}
const std::string DX_Q = "Enter lateral spacing of columns of points: ";
const std::string DIP_Q = "Enter dip angle for subduction zone (5 to 85 degrees): ";
const std::string PROFILE = "\nEnter temperature profile, top to bottom: \n";
const std::string PROFILE_3 =
    PROFILE + "Depth #1 Z =         0 T = Depth #2 Z =         1 T = Depth #3 Z =         2 T = ";
const std::string DURATION_Q = "\nEnter time duration to be modelled: ";
const std::string MATERIAL_Q =
    "Enter diffusivity: Enter conductivity: "
    "Enter radioactive heat production (per unit volume): Enter size of timestep: ";
const std::string METHOD_Q = "Enter solution method (0 for Explicit; 1 for ADI): ";
const std::string SAVE_ALL_Q =
    "\nThe output file always receives the final temperatures.\n"
    "Do you also want to save (and display) all intermediate\n   timesteps? (T/F): ";
const std::string OUTPUT_Q = "Enter name of (.grd?) file to receive output T arrays: ";
const std::string ZEROS = "    0    0    0\n";

// Refused depths 2, 4, 51 and columns 1, 50 are asked again from their first line; the method 2
// likewise.  Row 2 cools 100, 80, 64, 51.2 under steps of 0.1 (kappa 1, dz 1).
TEST(HeaterDialogue, TypedProfileWithoutSubduction) {
    ProgramRun run =
        runProgram("heater", "N no 2 4 51 3 1 1 50 3 2  0 100 0  0.3  1 1 0 0.1  2 0  F out.grd\n");
    const std::string rows = ZEROS + "   51   51   51\n" + ZEROS;
    EXPECT_EQ(BANNER + SUBDUCTION_Q + OLD_FILE_Q + "\n" + DEPTHS_Q + DEPTHS_Q + DEPTHS_Q +
                  DEPTHS_Q + DZ_Q + columnsQ("  3") + columnsQ("  3") + columnsQ("  3") + DX_Q +
                  PROFILE_3 + DURATION_Q + "\n" + MATERIAL_Q + " 3 timesteps will be used.\n\n" +
                  METHOD_Q + METHOD_Q + SAVE_ALL_Q + OUTPUT_Q +
                  " Step 1 out of 3; time =         0.1\n Step 2 out of 3; time =         0.2\n" +
                  rows + "^ at end of timestep #3 time =          0.3\n",
              run.out);
    EXPECT_EQ("0 2 4\n-2 1 0\n" + rows + "^ at end of time step #3 time =          0.3\n",
              run.file("out.grd"));
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
}

// Dip 45 gives dx 1.000006 through the constant 57.296.  With kappa 0 (so rhoC 1, whatever k)
// nothing conducts: step 1 puts the shear heat 10 ds / dx = 14.14 on the fault nodes (3,1) and
// (2,2); step 2 moves the plate 0.707 of a node down-dip (25.36, 21.82 and 2.93 at (3,2)).
TEST(HeaterDialogue, TypedProfileWithSubductionSavingEveryStep) {
    ProgramRun run =
        runProgram("heater", "Y N 3 1 5 4.9 85.1 45  0 0 0  2  1 10 Y  0 2 0 1  0 T sub.grd\n");
    const std::string top = "    0    0    0    0    0\n";
    const std::string step1 = top + "    0   14    0    0    0\n   14    0    0    0    0\n";
    const std::string step2 = top + "    0   22    0    0    0\n   25    3    0    0    0\n";
    EXPECT_EQ(BANNER + SUBDUCTION_Q + OLD_FILE_Q + "\n" + DEPTHS_Q + DZ_Q + columnsQ("  5") +
                  DIP_Q + DIP_Q + DIP_Q + " dX of     1.00001 will be used.\n" + PROFILE_3 +
                  DURATION_Q + "\n" +
                  "Enter subduction velocity: Enter shear stress on subduction fault: "
                  "Do you want to fix the temperatures at the left\n"
                  "  (arc) side of the grid, as a crude approximation\n"
                  "  of the effects of rising magma? (Y/N): " +
                  MATERIAL_Q + " 2 timesteps will be used.\n\n" + METHOD_Q + SAVE_ALL_Q + OUTPUT_Q +
                  step1 + "^ at end of timestep #1 time =            1\n" + step2 +
                  "^ at end of timestep #2 time =            2\n",
              run.out);
    const std::string header = "0 1.00001 4.00002\n-2 1 0\n";
    EXPECT_EQ(header + step1 + "^ at end of time step #1 time =            1\n" + header + step2 +
                  "^ at end of time step #2 time =            2\n",
              run.file("sub.grd"));
}

TEST(HeaterDialogue, SubductionColumnMinimumFollowsTheDepths) {
    ProgramRun run = runProgram("heater", "y n 11 1 13 30 0 1 2 3 4 5 6 7 8 9 10 0 o.grd\n");
    EXPECT_NE(std::string::npos, run.out.find(columnsQ(" 13")));
    EXPECT_NE(std::string::npos, run.out.find(" dX of     1.73206 will be used.\n"));
    EXPECT_EQ(0, run.status);
}

// A negative duration is asked again; 0 asks only for the output file and writes the start once.
// Values below zero are rounded by their magnitude: -3.2 is written -3.
TEST(HeaterDialogue, DurationZeroWritesTheStartingField) {
    ProgramRun run = runProgram("heater", "N N 3 0.5 3 2  -3.2 -0.4 2.5  -5 0  start.grd\n");
    EXPECT_EQ(BANNER + SUBDUCTION_Q + OLD_FILE_Q + "\n" + DEPTHS_Q + DZ_Q + columnsQ("  3") + DX_Q +
                  PROFILE +
                  "Depth #1 Z =         0 T = Depth #2 Z =       0.5 T = "
                  "Depth #3 Z =         1 T = " +
                  DURATION_Q + "Enter time duration to be modelled: " + OUTPUT_Q,
              run.out);
    EXPECT_EQ(
        "0 2 4\n-1 0.5 0\n   -3   -3   -3\n    0    0    0\n    3    3    3\n"
        " ^ at time step #0, time = 0.0\n",
        run.file("start.grd"));
}

// Only the time-step question repeats for a step of zero or less, or one so small that the count
// of steps overflows; a duration of 10 in steps of 4 is 3 steps (2.5 + 0.5).
TEST(HeaterDialogue, TimeStepOfZeroOrLessIsAskedAgain) {
    ProgramRun run = runProgram("heater", "N N 3 1 3 1 0 0 0 10 1 1 0 0 -1 1e-30 4 1 F o.grd\n");
    EXPECT_NE(std::string::npos,
              run.out.find("Enter size of timestep: Enter size of timestep: "
                           "Enter size of timestep: Enter size of timestep:  3 timesteps will be "
                           "used.\n"));
    EXPECT_EQ("0 1 2\n-2 1 0\n" + ZEROS + ZEROS + ZEROS +
                  "^ at end of time step #3 time =           12\n",
              run.file("o.grd"));
}

// The step count is the quotient plus a half, truncated: 0.49999997 steps of 1 make no step at
// all, so the starting field is written as at time step 0.
TEST(HeaterDialogue, StepCountJustBelowAHalfRoundsDown) {
    ProgramRun run = runProgram("heater", "N N 3 1 3 1 0 50 100 0.49999997 1 1 0 1 0 F o.grd\n");
    EXPECT_NE(std::string::npos, run.out.find(MATERIAL_Q + " 0 timesteps will be used.\n\n" +
                                              METHOD_Q + SAVE_ALL_Q + OUTPUT_Q));
    EXPECT_TRUE(run.out.ends_with(OUTPUT_Q));
    EXPECT_EQ("0 1 2\n-2 1 0\n" + ZEROS + "   50   50   50\n  100  100  100\n" +
                  " ^ at time step #0, time = 0.0\n",
              run.file("o.grd"));
    EXPECT_EQ(0, run.status);
}

// An ADI run saving every step (row 2 cools 100, 33.3, 11.1, 3.7 under rz 1/4), read back: the
// echo shows every array, and the run starts from the last one with the file's grid.
TEST(HeaterDialogue, SavedFileReadBack) {
    ProgramRun first = runProgram("heater", "N N 3 1 3 1 0 100 0 1.5 1 1 0 0.5 1 t all.grd\n");
    std::string arrays;
    const char* middles[] = {"   33   33   33\n", "   11   11   11\n", "    4    4    4\n"};
    const char* times[] = {"0.5", "1", "1.5"};
    for (int s = 0; s < 3; ++s)
        arrays += "0 1 2\n-2 1 0\n" + ZEROS + middles[s] + ZEROS + "^ at end of time step #" +
                  std::to_string(s + 1) + " time = " + std::string(12 - strlen(times[s]), ' ') +
                  times[s] + "\n";
    EXPECT_EQ(arrays, first.file("all.grd"));

    ProgramRun second = runProgram("heater", "N Yes all.grd 0 last.grd\n", {{"all.grd", arrays}});
    EXPECT_NE(std::string::npos, second.out.find(OLD_NAME_Q + ZEROS + middles[0] + ZEROS +
                                                 "^ at end of time step #1 time =          0.5\n"));
    EXPECT_NE(std::string::npos, second.out.find("^ at end of time step #3 time =          1.5\n"
                                                 "File has been read, down to the last array.\n" +
                                                 DURATION_Q + OUTPUT_Q));
    EXPECT_EQ("0 1 2\n-2 1 0\n" + ZEROS + middles[2] + ZEROS + " ^ at time step #0, time = 0.0\n",
              second.file("last.grd"));
}

// A file written one value per line, with no caption, is one array; its rows are rounded.
TEST(HeaterDialogue, OneValuePerLineFileIsOneArray) {
    ProgramRun run =
        runProgram("heater", "N y est.grd 0 o.grd\n",
                   {{"est.grd", "0 0.5 1\n-1 0.5 0\n1.25\n2.5\n-3.5\n4\n5\n6\n7\n8\n9.75\n"}});
    EXPECT_NE(std::string::npos,
              run.out.find(OLD_NAME_Q +
                           "    1    3   -4\n    4    5    6\n    7    8   10\n\n"
                           "Temperature array has been read.\n" +
                           DURATION_Q));
    EXPECT_EQ(
        "0 0.5 1\n-1 0.5 0\n    1    3   -4\n    4    5    6\n    7    8   10\n"
        " ^ at time step #0, time = 0.0\n",
        run.file("o.grd"));
}

// Empty, missing, oversized, non-numeric and short files: each gives its message and the question
// again, until it is answered no.
TEST(HeaterDialogue, FilesThatGiveNoArrayAskAgain) {
    ProgramRun run = runProgram(
        "heater",
        "N Y empty.grd Y missing.grd Y big.grd Y text.grd Y short.grd N 3 1 3 1 0 0 0 0 o.grd\n",
        {{"empty.grd", ""},
         {"big.grd", "0 1 49\n-2 1 0\n"},
         {"text.grd", "0 1 2\n-2 1 0\n1 2 x\n"},
         {"short.grd", "0 1 2\n-2 1 0\n1 2 3\n4 5\n"}});
    const std::string empty = "File was empty, or incorrectly formatted.\n";
    EXPECT_NE(std::string::npos,
              run.out.find(OLD_FILE_Q + OLD_NAME_Q + empty + OLD_FILE_Q + OLD_NAME_Q + empty +
                           OLD_FILE_Q + OLD_NAME_Q +
                           "Gridded-data file big.grd holds an array of 50 x 3 points; "
                           "at most 49 x 49 fit.\n" +
                           OLD_FILE_Q + OLD_NAME_Q +
                           "Gridded-data file text.grd holds text that is not a number.\n" +
                           OLD_FILE_Q + OLD_NAME_Q + "    1    2    3\n" +
                           "Gridded-data file short.grd ends before all its values are read.\n" +
                           OLD_FILE_Q + "\n" + DEPTHS_Q));
    EXPECT_EQ(0, run.status);
}

// An explicit step beyond the limit (0.4226497 for 7 x 5 points, dz 1, dx 2, kappa 1) gets one
// warning on the error stream, with the limit cut, not rounded, to 6 digits so that the step
// shown is stable; the console stays as it was.  The ADI method gets none.
TEST(HeaterDialogue, ExplicitStepBeyondTheStabilityLimitIsWarnedAbout) {
    const std::string answers = "N N 7 1 5 2 0 0 0 0 0 0 0 1 1 1 0 0.5 ";
    ProgramRun run = runProgram("heater", answers + "0 F o.grd\n");
    EXPECT_EQ(
        "Warning: the explicit method is unstable with a time step of 0.5 on this grid, and its "
        "temperatures will grow without bound; use a time step of at most 0.422649, or the ADI "
        "method (1).\n",
        run.err);
    std::string rows;
    for (int i = 0; i < 7; ++i) rows += "    0    0    0    0    0\n";
    EXPECT_TRUE(run.out.ends_with(OUTPUT_Q + " Step 1 out of 2; time =         0.5\n" + rows +
                                  "^ at end of timestep #2 time =            1\n"));
    EXPECT_EQ("", runProgram("heater", answers + "1 F o.grd\n").err);
}

TEST(HeaterDialogue, UncreatableOutputAndEndOfInput) {
    ProgramRun lost = runProgram("heater", "N N 3 1 3 1 0 0 0 0 no/such/dir.grd\n");
    EXPECT_EQ("Could not create output file no/such/dir.grd\n", lost.err);
    EXPECT_EQ(0, lost.status);
    ProgramRun ended = runProgram("heater", "N N 3 1 3");
    EXPECT_EQ("Input ended.\n", ended.err);
    EXPECT_EQ(1, ended.status);
}

}  // namespace heater_dialogue
