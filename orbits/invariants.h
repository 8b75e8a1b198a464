#pragma once
// The two invariants by which a run is judged, each printed as a short report.
#include <iostream>

#include "bodies.h"

// Prints "Angular momentum of system: " with the magnitude, then the three components, and
// returns the magnitude.  A system without angular momentum has magnitude 0.
double angularMomentum(const double mass[], int n, const BodyVectors velocity,
                       const BodyVectors position, std::ostream& report = std::cout);

// Prints the kinetic, potential and total energy (every number ending in column 31) and returns
// the total.  Two bodies at one point give an infinite potential energy.
double systemEnergy(double G, const double mass[], int n, const BodyVectors velocity,
                    const BodyVectors position, std::ostream& report = std::cout);
