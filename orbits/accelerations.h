#pragma once
#include "bodies.h"

// Fills columns 0..n-1 of acceleration with the gravitational acceleration of each body due to
// all the others.  Each pair is evaluated from both sides; there is no softening, so two bodies
// at one point give values that are not finite.
void accelerations(double G, const double mass[], int n, const BodyVectors position,
                   BodyVectors acceleration);
