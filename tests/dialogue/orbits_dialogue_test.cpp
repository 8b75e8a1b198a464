#include <gtest/gtest.h>

#include <string>

#include "run_program.h"

namespace orbits_dialogue {

std::string times(int count, const std::string& text) {
    std::string all;
    for (int i = 0; i < count; ++i) all += text;
    return all;
}

const std::string INTRO =
    "Orbits: computes motion of masses in space,\n"
    "subject only to mutual gravitational acceleration.\n"
    "\n"
    "Input gravitational constant: ";
const std::string COUNT_PROMPT = "\nInput number of bodies ( <= 10): ";
const std::string BODY_PROMPT =
    "Input, using one line for each body, the:\n"
    "     mass   X-posit.  Y-posit.  Z-posit.  X-veloc.  Y-veloc.  Z-veloc.\n";
const std::string NEXT_MASS = "\nNext mass ? \n";
const std::string TIME_PROMPT = "Input total time of history and timestep-size: ";
const std::string METHOD_PROMPT =
    "\nEnter integration-method option:\n"
    "   0 for EXPLICIT method,\n"
    "   1 for PREDICTOR-CORRECTOR method (variant 1),\n"
    "   2 for PREDICTOR-CORRECTOR method (variant 2): ";
const std::string EXPLANATION =
    "\nYou may elect to display the histories of all, some,\n"
    "   or none of the bodies.\n"
    "(This display would include output of position and velocity\n"
    "   to the screen, the same to a log file, plus a projection\n"
    "   of the positions to two plot metafiles.)\n"
    "If no histories are selected, the final positions and errors\n"
    "   are still displayed on-screen, and execution is very\n"
    "   much faster.  This option is useful for previewing\n"
    "   the accuracy of a calculation as a function of timestep.\n"
    "\n"
    "For each mass,\n"
    "Indicate (Yes/No) whether you wish to see and plot its history\n";
const std::string NAME_PROMPT = "\nEnter filename (with .skm extension) for graphics metafile: ";
const std::string SCREEN_HEADING =
    "\n              X-posit.   Y-posit.   Z-posit.   X-veloc.   Y-veloc.   Z-veloc.\n";
const std::string RULE = "----------------------------------------------------\n";
const std::string SCALING =
    "\nScaling plot to fit in a rectangle of 9.9000 by 7.5000 units.\n"
    "Graphics metafile must be copied twice; be patient.....\n";
const std::string PAUSE = "\nPress any key to continue...\n";

// The circular pair: unit masses at x = -1 and 1, moving with -0.5 and 0.5 in y, G = 1.
const std::string PAIR_ANSWERS = "1 -1 0 0 0 -0.5 0\n1 1 0 0 0 0.5 0\n";
const std::string PAIR_ECHO =
    BODY_PROMPT + " 1.000000 -1.000000 0.0000000 0.0000000 0.0000000 -0.500000 0.0000000\n" +
    NEXT_MASS + BODY_PROMPT +
    " 1.000000  1.000000 0.0000000 0.0000000 0.0000000  0.500000 0.0000000\n";
const std::string PAIR_INITIAL_STATE =
    "\nInitial positions in center-of-mass coordinates:\n"
    "Body  1 mass:     1.000000  x:    -1.000000  y:    0.0000000  z:    0.0000000\n"
    "Body  2 mass:     1.000000  x:     1.000000  y:    0.0000000  z:    0.0000000\n"
    "\nInitial velocities in center-of-mass coordinates:\n"
    "Body  1 mass:     1.000000 Vx:    0.0000000 Vy:    -0.500000 Vz:    0.0000000\n"
    "Body  2 mass:     1.000000 Vx:    0.0000000 Vy:     0.500000 Vz:    0.0000000\n"
    "\n"
    "Angular momentum of system:     1.000000\n"
    "Components:  amx    0.0000000 amy    0.0000000 amz     1.000000\n"
    "\n"
    "Kinetic   Energy =     0.250000\n"
    "Potential Energy =    -0.500000\n"
    "                    ___________\n"
    "Total     Energy =    -0.250000\n"
    "\n";

// Out-of-range and non-numeric answers are asked again; three explicit steps (1 / 0.3 rounds to
// 3), no body shown: a row of dots and no files.
TEST(OrbitsDialogue, RunWithoutHistories) {
    ProgramRun run =
        runProgram("orbits", "1\n1 11 abc 2\n" + PAIR_ANSWERS + "1 0.3\n3 -1 0\nno YEs\n");
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ(INTRO + times(4, COUNT_PROMPT) + "\n" + PAIR_ECHO + PAIR_INITIAL_STATE + TIME_PROMPT +
                  "\n3 timesteps will be used\n" + times(3, METHOD_PROMPT) + EXPLANATION +
                  "Show mass #1?: Show mass #2?: " + SCREEN_HEADING + "...\n" +
                  "      Body  1 -0.933239 -0.446736 0.0000000  0.216117 -0.468072 0.0000000\n"
                  "      Body  2  0.933239  0.446736 0.0000000 -0.216117  0.468072 0.0000000\n"
                  "\n"
                  "Angular momentum of system:     1.066740\n"
                  "Components:  amx    0.0000000 amy    0.0000000 amz     1.066740\n"
                  "Fractional error in angular momentum =0.0667401\n"
                  "\n"
                  "Kinetic   Energy =     0.265798\n"
                  "Potential Energy =    -0.483254\n"
                  "                    ___________\n"
                  "Total     Energy =    -0.217456\n"
                  "Fractional error in total energy     =0.130177\n" +
                  PAUSE,
              run.out);
    EXPECT_FALSE(run.hasFile("History.txt"));
    EXPECT_FALSE(run.hasFile("temporary.tmp"));
}

// Three bodies off their centre of mass, bodies 1 and 3 shown, two steps of variant 1.  The
// running time takes 6 digits from the tables before it; the metafile title takes 6 digits.
TEST(OrbitsDialogue, RunWithHistories) {
    ProgramRun run = runProgram("orbits",
                                "1\n3\n2 0 0 0 0 0 0.1\n1 1 0 0 0 1 0\n1 -1 0 0.5 0 -1 0\n"
                                "0.6666666666666666 0.3333333333333333\n1\nyes no T\norbit.skm\n");
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    const std::string echo =
        BODY_PROMPT + " 2.000000 0.0000000 0.0000000 0.0000000 0.0000000 0.0000000  0.100000\n" +
        NEXT_MASS + BODY_PROMPT +
        " 1.000000  1.000000 0.0000000 0.0000000 0.0000000  1.000000 0.0000000\n" + NEXT_MASS +
        BODY_PROMPT + " 1.000000 -1.000000 0.0000000  0.500000 0.0000000 -1.000000 0.0000000\n";
    const std::string initial =
        "\nInitial positions in center-of-mass coordinates:\n"
        "Body  1 mass:     2.000000  x:    0.0000000  y:    0.0000000  z:    -0.125000\n"
        "Body  2 mass:     1.000000  x:     1.000000  y:    0.0000000  z:    -0.125000\n"
        "Body  3 mass:     1.000000  x:    -1.000000  y:    0.0000000  z:     0.375000\n"
        "\nInitial velocities in center-of-mass coordinates:\n"
        "Body  1 mass:     2.000000 Vx:    0.0000000 Vy:    0.0000000 Vz:     0.050000\n"
        "Body  2 mass:     1.000000 Vx:    0.0000000 Vy:     1.000000 Vz:    -0.050000\n"
        "Body  3 mass:     1.000000 Vx:    0.0000000 Vy:    -1.000000 Vz:    -0.050000\n"
        "\n"
        "Angular momentum of system:     2.061553\n"
        "Components:  amx     0.500000 amy    0.0000000 amz     2.000000\n"
        "\n"
        "Kinetic   Energy =     1.005000\n"
        "Potential Energy =    -4.273926\n"
        "                    ___________\n"
        "Total     Energy =    -3.268926\n"
        "\n";
    const std::string history =
        "0.333333 = time:\n"
        "      Body  1  0.013450  0.001850 -0.090723  0.080702  0.011098  0.155664\n"
        "      Body  3 -0.912179 -0.319424  0.318583  0.526924 -0.916545 -0.288505\n"
        "0.666667 = time:\n"
        "      Body  1  0.055487  0.018674 -0.028830  0.171516  0.089851  0.215692\n"
        "      Body  3 -0.642282 -0.570991  0.187127  1.092462 -0.592857 -0.500227\n";
    const std::string final =
        "\n"
        "      Body  1  0.055487  0.018674 -0.028830  0.171516  0.089851  0.215692\n"
        "      Body  2  0.531308  0.533642 -0.129467 -1.435494  0.413155  0.068843\n"
        "      Body  3 -0.642282 -0.570991  0.187127  1.092462 -0.592857 -0.500227\n"
        "\n"
        "Angular momentum of system:     2.055434\n"
        "Components:  amx     0.500029 amy    -0.001410 amz     1.993685\n"
        "Fractional error in angular momentum =0.0029679\n"
        "\n"
        "Kinetic   Energy =     2.099643\n"
        "Potential Energy =    -5.562918\n"
        "                    ___________\n"
        "Total     Energy =    -3.463275\n"
        "Fractional error in total energy     =0.0594536\n";
    EXPECT_EQ(INTRO + COUNT_PROMPT + "\n" + echo + initial + TIME_PROMPT +
                  "\n2 timesteps will be used\n" + METHOD_PROMPT + EXPLANATION +
                  "Show mass #1?: Show mass #2?: Show mass #3?: " + NAME_PROMPT + SCREEN_HEADING +
                  history + final + RULE + SCALING +
                  "\nMetafile orbit.skm is completed.  Now use Sketcher.\n" + PAUSE,
              run.out);

    EXPECT_EQ(
        "                 X-position    Y-position    Z-position    X-velocity    Y-velocity"
        "    Z-velocity\n"
        "At time =0.333333,\n"
        "      Body  1 1.345038e-002 1.849589e-003     -0.090723 8.070231e-002 1.109753e-002"
        " 1.556640e-001\n"
        "      Body  3     -0.912179     -0.319424 3.185825e-001 5.269241e-001     -0.916545"
        "     -0.288505\n"
        "At time =0.666667,\n"
        "      Body  1 5.548676e-002 1.867437e-002     -0.028830 1.715159e-001 8.985113e-002"
        " 2.156920e-001\n"
        "      Body  3     -0.642282     -0.570991 1.871273e-001 1.092462e+000     -0.592857"
        "     -0.500227\n",
        run.file("History.txt"));

    // The scratch file keeps the metafile as the run wrote it, before scaling.
    const std::string title =
        "T 0.1  -0.20 0.0  0.16  50\nPredictor/Corrector method #1, dt = 0.333333\n";
    EXPECT_EQ(title +
                  "L  0.0000000  0.0000000   0.013450   0.001850\n"
                  "P   0.013450   0.001850\n"
                  "L  -1.000000  0.0000000  -0.912179  -0.319424\n"
                  "P  -0.912179  -0.319424\n"
                  "L   0.013450   0.001850   0.055487   0.018674\n"
                  "P   0.055487   0.018674\n"
                  "L  -0.912179  -0.319424  -0.642282  -0.570991\n"
                  "P  -0.642282  -0.570991\n",
              run.file("temporary.tmp"));
    // x from -1 to 0.055487 limits the scale (s = 9.9 / 1.055487): x fills 0 to 9.9.
    EXPECT_EQ(title +
                  "L   9.379556   6.340244   9.505711   6.357596\n"
                  "P   9.505711   6.357596\n"
                  "L  0.0000000   6.340244   0.823722   3.344189\n"
                  "P   0.823722   3.344189\n"
                  "L   9.505711   6.357596   9.900000   6.515398\n"
                  "P   9.900000   6.515398\n"
                  "L   0.823722   3.344189   3.355236   0.984602\n"
                  "P   3.355236   0.984602\n",
              run.file("orbit.skm"));
}

// The title line names the method; explicit and variant 2 are the other two.
TEST(OrbitsDialogue, MetafileTitlePerMethod) {
    const char* titles[] = {"Explicit method, dt = 0.25\n", nullptr,
                            "Predictor/Corrector method #2, dt = 0.25\n"};
    for (int method : {0, 2}) {
        ProgramRun run = runProgram("orbits", "1 2 " + PAIR_ANSWERS + "0.5 0.25 " +
                                                  std::to_string(method) + " t n p.skm\n");
        EXPECT_EQ(0, run.status);
        EXPECT_EQ(0u, run.file("p.skm").find(std::string("T 0.1  -0.20 0.0  0.16  50\n") +
                                             titles[method]))
            << run.file("p.skm");
        EXPECT_NE(std::string::npos, run.file("History.txt").find("At time =0.5,\n"));
    }
}

// Zero steps repeat the initial state; both errors are 0, never -0 (the energy is negative).
TEST(OrbitsDialogue, TimeStepOfZeroOrLessTakesNoSteps) {
    for (std::string dt : {"0", "-0.1"}) {
        ProgramRun run =
            runProgram("orbits", "1 2 " + PAIR_ANSWERS + "1 " + dt + " 2 yes yes zero.skm\n");
        EXPECT_EQ(255, run.status) << dt;  // a drawing without any line cannot be fitted
        EXPECT_EQ("The timestep-size must be greater than zero; no timesteps are taken.\n",
                  run.err);
        EXPECT_NE(std::string::npos, run.out.find("\n0 timesteps will be used\n"));
        EXPECT_NE(std::string::npos,
                  run.out.find(SCREEN_HEADING + "\n      Body  1 -1.000000 0.0000000 "
                                                "0.0000000 0.0000000 -0.500000 0.0000000\n"));
        EXPECT_NE(std::string::npos, run.out.find("Fractional error in angular momentum =0\n"));
        EXPECT_NE(std::string::npos, run.out.find("Fractional error in total energy     =0\n"));
        EXPECT_NE(std::string::npos, run.out.find(" because all X-values are identical: "));
        EXPECT_EQ("T 0.1  -0.20 0.0  0.16  50\nPredictor/Corrector method #2, dt = " + dt + "\n",
                  run.file("zero.skm"));
    }
}

TEST(OrbitsDialogue, StepCountBeyondTheIntRangeTakesNoSteps) {
    ProgramRun run = runProgram("orbits", "1 2 " + PAIR_ANSWERS + "1e300 1e-10 1 no no\n");
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("Too many timesteps for this total time and timestep-size; none are taken.\n",
              run.err);
    EXPECT_NE(std::string::npos, run.out.find("\n0 timesteps will be used\n"));
    EXPECT_NE(std::string::npos, run.out.find(SCREEN_HEADING + "\n      Body  1"));
}

// Two bodies released from rest have no angular momentum: magnitude 0, and an error of 0 / 0.
TEST(OrbitsDialogue, ZeroAngularMomentum) {
    ProgramRun run = runProgram("orbits", "1 2 1 -1 0 0 0 0 0 1 1 0 0 0 0 0 0.2 0.1 0 no no\n");
    EXPECT_EQ(0, run.status);
    EXPECT_NE(std::string::npos,
              run.out.find("Angular momentum of system:    0.0000000\n"
                           "Components:  amx    0.0000000 amy    0.0000000 amz    0.0000000\n"
                           "Fractional error in angular momentum =nan\n"));
    EXPECT_EQ(std::string::npos, run.out.find("-nan"));
}

// No softening: the numbers become infinite or undefined, and print as such.
TEST(OrbitsDialogue, TwoBodiesAtOnePoint) {
    ProgramRun run = runProgram("orbits", "1 2 1 1 2 0 0 0 0 1 1 2 0 0 0 0 0.2 0.1 0 no no\n");
    EXPECT_EQ(0, run.status);
    EXPECT_NE(std::string::npos, run.out.find("Potential Energy = !!!!!!!!!!!!\n"));
    EXPECT_NE(std::string::npos, run.out.find("Total     Energy =          nan\n"
                                              "Fractional error in total energy     =nan\n"));
    EXPECT_NE(std::string::npos, run.out.find(PAUSE));
}

TEST(OrbitsDialogue, ZeroTotalMass) {
    ProgramRun run = runProgram("orbits", "1 2 0 -1 0 0 0 0 0 0 1 0 0 0 0 0 0.2 0.1 2 no no\n");
    EXPECT_EQ(0, run.status);
    EXPECT_NE(std::string::npos,
              run.out.find("Body  1 mass:    0.0000000  x:          nan  y:          nan"));
    EXPECT_NE(std::string::npos, run.out.find("Fractional error in angular momentum =nan\n"));
    EXPECT_NE(std::string::npos, run.out.find(PAUSE));
}

// The run goes on without the files it cannot create; the scale-to-fit pass then refuses.
TEST(OrbitsDialogue, MetafileThatCannotBeCreated) {
    ProgramRun run =
        runProgram("orbits", "1 2 " + PAIR_ANSWERS + "1 0.5 1 n y missing/orbit.skm\n");
    EXPECT_EQ(255, run.status);
    EXPECT_EQ("Could not create output file missing/orbit.skm\n", run.err);
    EXPECT_NE(std::string::npos, run.file("History.txt").find("At time =1,\n"));
    EXPECT_NE(std::string::npos,
              run.out.find(RULE + SCALING +
                           "\n ERROR: Plot could not be scaled to fit screen,\n"
                           " because file missing/orbit.skm could not be opened.\n\n"));
    EXPECT_EQ(std::string::npos, run.out.find(PAUSE));
}

TEST(OrbitsDialogue, InputEndingStopsTheRun) {
    ProgramRun run = runProgram("orbits", "1 2 " + PAIR_ANSWERS + "1 0.5 1 yes no");
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("Input ended.\n", run.err);
    EXPECT_TRUE(run.hasFile("History.txt"));
    EXPECT_EQ("", run.file("History.txt"));
}

// An answer longer than 79 characters is one answer, cut, and means no.
TEST(OrbitsDialogue, LongShowAnswerIsOneWord) {
    ProgramRun run = runProgram("orbits", "1 2 " + PAIR_ANSWERS + "0.5 0.5 1 yes" +
                                              std::string(90, 's') + " yes long.skm\n");
    EXPECT_EQ(0, run.status);
    EXPECT_NE(std::string::npos, run.file("History.txt").find("      Body  2 "));
    EXPECT_EQ(std::string::npos, run.file("History.txt").find("      Body  1 "));
}

// A metafile named like the log would share its file, each stream overwriting the other: the name
// is asked again, and the log and the metafile each keep their own lines.
TEST(OrbitsDialogue, MetafileNamedLikeTheLogIsAskedAgain) {
    ProgramRun run = runProgram(
        "orbits", "1 2 " + PAIR_ANSWERS + "1 0.5 0 yes no History.txt ./History.txt pair.skm\n");
    EXPECT_EQ(0, run.status);
    const std::string refusal =
        "The history log goes to History.txt; the metafile needs a file of its own.\n";
    EXPECT_NE(std::string::npos, run.out.find(NAME_PROMPT + refusal + NAME_PROMPT + refusal +
                                              NAME_PROMPT + SCREEN_HEADING));
    const std::string log = run.file("History.txt");
    EXPECT_EQ(0u, log.find("                 X-position"));
    EXPECT_NE(std::string::npos, log.find("At time =1,\n"));
    EXPECT_EQ(std::string::npos, log.find("T 0.1"));
    EXPECT_EQ(0u,
              run.file("pair.skm").find("T 0.1  -0.20 0.0  0.16  50\nExplicit method, dt = 0.5\n"));
}

// Names the scale-to-fit pass could not rewrite at the end of the run are asked again at once: its
// scratch file (which it would empty before reading), a folder, and a pipe, never opened (that
// would wait for a reader).
TEST(OrbitsDialogue, MetafileTheFitCannotRewriteIsAskedAgain) {
    NamedPipe pipe;
    ProgramRun run = runProgram(
        "orbits",
        "1 2 " + PAIR_ANSWERS + "1 0.5 0 yes no temporary.tmp . " + pipe.path() + " pair.skm\n", {},
        30);
    EXPECT_EQ(0, run.status);
    const std::string own = "; the metafile needs a file of its own.\n" + NAME_PROMPT;
    EXPECT_NE(
        std::string::npos,
        run.out.find(NAME_PROMPT + "temporary.tmp is the scratch file of the scale-to-fit pass" +
                     own + ". is a folder" + own + pipe.path() +
                     " is a device or a pipe, not a plain file" + own + SCREEN_HEADING));
}

}  // namespace orbits_dialogue
