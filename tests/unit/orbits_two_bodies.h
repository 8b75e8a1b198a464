#pragma once
// Two unit masses at x = -1 and x = 1, G = 1, as the orbits tests start them: each pulls the other
// with 0.25.
#include "bodies.h"

// At rest.  With the explicit method the first step leaves the positions and gives velocities of
// dt/4; the second moves them by dt^2/4.
struct TwoAtRest {
    double mass[MAX_BODIES] = {1, 1};
    BodyVectors position = {{-1, 1}, {0, 0}, {0, 0}};
    BodyVectors velocity = {{0, 0}, {0, 0}, {0, 0}};
    BodyVectors previous = {};
};

// The circular pair: moving with -0.5 and 0.5 in y.
struct CircularPair {
    double mass[MAX_BODIES] = {1, 1};
    BodyVectors position = {{-1, 1}, {0, 0}, {0, 0}};
    BodyVectors velocity = {{0, 0}, {-0.5, 0.5}, {0, 0}};
};
