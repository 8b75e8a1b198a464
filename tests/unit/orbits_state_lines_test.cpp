#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "orbits_two_bodies.h"
#include "state_lines.h"

namespace {

TEST(StateLines, EchoOfTheSevenTypedNumbers) {
    CircularPair s;
    std::ostringstream os;
    writeBodyEcho(os, 0, s.mass, s.position, s.velocity);
    EXPECT_EQ(" 1.000000 -1.000000 0.0000000 0.0000000 0.0000000 -0.500000 0.0000000\n", os.str());
}

TEST(StateLines, InitialTables) {
    CircularPair s;
    std::ostringstream os;
    writeInitialPositions(os, s.mass, 2, s.position);
    writeInitialVelocities(os, s.mass, 2, s.velocity);
    EXPECT_EQ(
        "Body  1 mass:     1.000000  x:    -1.000000  y:    0.0000000  z:    0.0000000\n"
        "Body  2 mass:     1.000000  x:     1.000000  y:    0.0000000  z:    0.0000000\n"
        "Body  1 mass:     1.000000 Vx:    0.0000000 Vy:    -0.500000 Vz:    0.0000000\n"
        "Body  2 mass:     1.000000 Vx:    0.0000000 Vy:     0.500000 Vz:    0.0000000\n",
        os.str());
}

TEST(StateLines, TenthBodyFillsBothColumns) {
    double mass[MAX_BODIES] = {};
    BodyVectors position = {}, velocity = {};
    mass[9] = 2.5;
    position[2][9] = -4;
    std::ostringstream os;
    writeInitialPositions(os, mass, 10, position);
    writeScreenBodyLine(os, 9, position, velocity);
    std::string text = os.str();
    EXPECT_NE(std::string::npos,
              text.find("Body 10 mass:     2.500000  x:    0.0000000  y:    0.0000000  z:    "
                        "-4.000000\n      Body 10 "));
}

// On screen 9 characters a number; in the log 13, where every positive non-zero value takes
// scientific notation.
TEST(StateLines, ScreenAndLogLines) {
    CircularPair s;
    std::ostringstream screen, log;
    writeScreenBodyLine(screen, 1, s.position, s.velocity);
    writeLogBodyLine(log, 1, s.position, s.velocity);
    EXPECT_EQ("      Body  2  1.000000 0.0000000 0.0000000 0.0000000  0.500000 0.0000000\n",
              screen.str());
    EXPECT_EQ(
        "      Body  2 1.000000e+000     0.0000000     0.0000000     0.0000000 5.000000e-001"
        "     0.0000000\n",
        log.str());
    writeLogBodyLine(log, 0, s.position, s.velocity);
    EXPECT_EQ(
        "      Body  1     -1.000000     0.0000000     0.0000000     0.0000000     -0.500000"
        "     0.0000000\n",
        log.str().substr(log.str().find('\n') + 1));
}

TEST(StateLines, PathFromThePreviousToTheNewPosition) {
    CircularPair s;
    BodyVectors previous = {{-1.5, 2}, {0.25, 3}, {7, 7}};
    std::ostringstream metafile;
    writeBodyPath(metafile, 0, previous, s.position);
    EXPECT_EQ(
        "L  -1.500000   0.250000  -1.000000  0.0000000\n"
        "P  -1.000000  0.0000000\n",
        metafile.str());
}

}  // namespace
