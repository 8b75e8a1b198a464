#pragma once
#include "bodies.h"

// The integration methods, chosen by intOpt.
constexpr int EXPLICIT = 0;
constexpr int PREDICTOR_CORRECTOR_1 = 1;
constexpr int PREDICTOR_CORRECTOR_2 = 2;

// Advances velocity and position of the n bodies by one step of length dt.  An intOpt outside
// 0..2 prints "Invalid choice of integration option (...)" on the console and stops the program
// with exit status -1.  Nothing is allocated: the working vectors live on the stack.
void integrateStep(double dt, double G, int intOpt, const double mass[], int n,
                   BodyVectors velocity, BodyVectors position);
