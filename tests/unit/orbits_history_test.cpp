#include <gtest/gtest.h>

#include <sstream>

#include "history.h"
#include "integrators.h"
#include "orbits_two_bodies.h"

namespace {

TEST(History, WithoutShownBodiesARowOfDots) {
    TwoAtRest s;
    bool show[MAX_BODIES] = {false, false};
    std::ostringstream screen, log, metafile;
    double time = runHistory(4, 0.1, 1, EXPLICIT, s.mass, 2, s.velocity, s.position, show,
                             s.previous, {screen, log, metafile});
    EXPECT_EQ("....", screen.str());
    EXPECT_EQ("", log.str());
    EXPECT_EQ("", metafile.str());
    EXPECT_EQ(0.1 + 0.1 + 0.1 + 0.1, time);  // a running sum, not 4 * 0.1
    EXPECT_NE(-1, s.position[0][0]);
}

TEST(History, NoStepsForACountBelowOne) {
    TwoAtRest s;
    bool show[MAX_BODIES] = {true, true};
    std::ostringstream screen, log, metafile;
    for (int nsteps : {0, -3})
        EXPECT_EQ(0, runHistory(nsteps, 0.1, 1, EXPLICIT, s.mass, 2, s.velocity, s.position, show,
                                s.previous, {screen, log, metafile}));
    EXPECT_EQ("", screen.str() + log.str() + metafile.str());
    EXPECT_EQ(-1, s.position[0][0]);
}

// Only body 2 is shown.  The running time takes the precision each stream was left at: 3 on the
// screen (set here), 6 on the fresh log; then 7, from the zero in the last field of each line.
TEST(History, ShownBodyOnScreenInTheLogAndAsPath) {
    TwoAtRest s;
    bool show[MAX_BODIES] = {false, true};
    std::ostringstream screen, log, metafile;
    screen.precision(3);
    const double dt = 1.0 / 3;
    double time = runHistory(2, dt, 1, EXPLICIT, s.mass, 2, s.velocity, s.position, show,
                             s.previous, {screen, log, metafile});
    EXPECT_EQ(dt + dt, time);
    EXPECT_EQ(
        "0.333 = time:\n"
        "      Body  2  1.000000 0.0000000 0.0000000 -0.083333 0.0000000 0.0000000\n"
        "0.6666667 = time:\n"
        "      Body  2  0.972222 0.0000000 0.0000000 -0.166667 0.0000000 0.0000000\n",
        screen.str());
    EXPECT_EQ(
        "At time =0.333333,\n"
        "      Body  2 1.000000e+000     0.0000000     0.0000000     -0.083333     0.0000000"
        "     0.0000000\n"
        "At time =0.6666667,\n"
        "      Body  2 9.722222e-001     0.0000000     0.0000000     -0.166667     0.0000000"
        "     0.0000000\n",
        log.str());
    EXPECT_EQ(
        "L   1.000000  0.0000000   1.000000  0.0000000\n"
        "P   1.000000  0.0000000\n"
        "L   1.000000  0.0000000   0.972222  0.0000000\n"
        "P   0.972222  0.0000000\n",
        metafile.str());
    EXPECT_EQ(1, s.previous[0][1]);
}

}  // namespace
