#pragma once
// The benchmark system: a heavy central body and nine light ones on circular orbits at radii
// 1 to 9 in the x-y plane, G = 1.
#include <cmath>

#include "bodies.h"

struct TenBodies {
    double mass[MAX_BODIES];
    BodyVectors position = {}, velocity = {};

    TenBodies() {
        mass[0] = 1000;
        for (int i = 1; i < MAX_BODIES; ++i) {
            double radius = i;
            mass[i] = 1e-3;
            position[0][i] = radius;
            velocity[1][i] = std::sqrt(mass[0] / radius);
        }
    }
};
