#include <gtest/gtest.h>

#include <sstream>

#include "heater_field_fixture.h"
#include "time_loop.h"

namespace {

FieldVector arc;

struct Loop {
    std::string file, screen;
};

Loop run(const RunSettings& settings, const HeaterGrid& grid) {
    std::ostringstream file, screen;
    runTimeLoop(settings, grid, arc, T, file, screen);
    return {file.str(), screen.str()};
}

void fill3x3(float hot) {
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) T[i][j] = i == 2 && j == 1 ? hot : 0.0f;
}

TEST(RunTimeLoop, NoStepWritesTheStartOnce) {
    fill3x3(-3.2f);
    RunSettings settings;
    Loop out = run(settings, newHeaterGrid(3, 3, 2, 1));
    EXPECT_EQ(
        "0 2 4\n-2 1 0\n    0    0    0\n   -3    0    0\n    0    0    0\n"
        " ^ at time step #0, time = 0.0\n",
        out.file);
    EXPECT_EQ("", out.screen);
}

// Without save-all one line per step and the field once; with it every step.  The method chosen
// is the one used: the hot node of (8, 0, 0) cools to 10/9 under ADI, to -8 under the explicit
// method with the same overlong step.
TEST(RunTimeLoop, StepLinesSavedArraysAndMethod) {
    RunSettings settings;
    settings.k = settings.kappa = 1;
    settings.dt = 0.5f;
    settings.nsteps = 1;
    settings.method = SolutionMethod::ADI;
    fill3x3(8);
    Loop adi = run(settings, newHeaterGrid(3, 3, 1, 1));
    EXPECT_NEAR(10.0f / 9.0f, T[2][1], 1e-6f);
    EXPECT_EQ(
        "0 1 2\n-2 1 0\n    0    0    0\n    1    1    0\n    0    0    0\n"
        "^ at end of time step #1 time =          0.5\n",
        adi.file);
    EXPECT_EQ(
        "    0    0    0\n    1    1    0\n    0    0    0\n"
        "^ at end of timestep #1 time =          0.5\n",
        adi.screen);

    // 0.125 per step: row 2 goes (8, 0, 0), (4, 1, 0), (2.25, 1, 0.25), (1.375, 0.8125, 0.375).
    settings.method = SolutionMethod::EXPLICIT;
    settings.dt = 0.125f;
    settings.nsteps = 3;
    fill3x3(8);
    Loop quiet = run(settings, newHeaterGrid(3, 3, 1, 1));
    const std::string header = "0 1 2\n-2 1 0\n", zeros = "    0    0    0\n";
    const std::string last = zeros + "    1    1    0\n" + zeros;
    EXPECT_EQ(" Step 1 out of 3; time =       0.125\n Step 2 out of 3; time =        0.25\n" +
                  last + "^ at end of timestep #3 time =        0.375\n",
              quiet.screen);
    EXPECT_EQ(header + last + "^ at end of time step #3 time =        0.375\n", quiet.file);
    settings.saveAll = true;
    fill3x3(8);
    Loop all = run(settings, newHeaterGrid(3, 3, 1, 1));
    EXPECT_EQ(header + zeros + "    4    1    0\n" + zeros +
                  "^ at end of time step #1 time =        0.125\n" + header + zeros +
                  "    2    1    0\n" + zeros + "^ at end of time step #2 time =         0.25\n" +
                  header + last + "^ at end of time step #3 time =        0.375\n",
              all.file);
    EXPECT_EQ(std::string::npos, all.screen.find(" Step "));

    settings.dt = 0.5f;
    settings.nsteps = 1;
    fill3x3(8);
    run(settings, newHeaterGrid(3, 3, 1, 1));
    EXPECT_EQ(-8.0f, T[2][1]);
}

// The arc column goes back before the conduction step, so the saved field shows it conducted;
// the bottom node of the column is left alone.
TEST(RunTimeLoop, FixedArcSideIsResetBeforeConduction) {
    RunSettings settings;
    settings.subduction = settings.fixArc = true;
    settings.k = settings.kappa = 1;
    settings.dt = 0.125f;
    settings.nsteps = 1;
    for (int i = 1; i <= 3; ++i) arc[i] = 100;
    fill3x3(0);
    run(settings, newHeaterGrid(3, 3, 1, 1));
    EXPECT_EQ(100.0f, T[1][1]);
    EXPECT_EQ(62.5f, T[2][1]);
    EXPECT_EQ(12.5f, T[2][2]);
    EXPECT_EQ(0.0f, T[3][1]);
}

}  // namespace
