#pragma once
#include "bodies.h"

// Shifts the positions and velocities of all n bodies so that the centre of mass is at the
// origin and at rest.  A zero total mass makes every shifted value not finite; nothing stops.
void toCenterOfMass(const double mass[], int n, BodyVectors velocity, BodyVectors position);
