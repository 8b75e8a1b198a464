#include "integrators.h"

#include <iostream>

#include "accelerations.h"
#include "output_files.h"

namespace {

// Each helper finishes its stage for every body before the caller starts the next one; the
// methods differ only in the order of these stages.

// to = from + dt * rate
void advance(int n, double dt, const BodyVectors from, const BodyVectors rate, BodyVectors to) {
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < 3; ++k) to[k][i] = from[k][i] + dt * rate[k][i];
}

// to = predicted + (0.5 dt) (newer - older): the correction of the trapezoidal rule.
void correct(int n, double dt, const BodyVectors predicted, const BodyVectors newer,
             const BodyVectors older, BodyVectors to) {
    double h = HALF * dt;
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < 3; ++k) to[k][i] = predicted[k][i] + h * (newer[k][i] - older[k][i]);
}

void copy(int n, const BodyVectors from, BodyVectors to) {
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < 3; ++k) to[k][i] = from[k][i];
}

// Forward Euler: positions move with the velocities of the start of the step.
void explicitStep(double dt, double G, const double mass[], int n, BodyVectors velocity,
                  BodyVectors position) {
    BodyVectors aStart;
    accelerations(G, mass, n, position, aStart);
    advance(n, dt, position, velocity, position);
    advance(n, dt, velocity, aStart, velocity);
}

// Second acceleration at the predicted positions; the corrected velocity corrects the position.
void predictorCorrector1(double dt, double G, const double mass[], int n, BodyVectors velocity,
                         BodyVectors position) {
    BodyVectors aStart, vStart, xPred, vPred, aNext;
    accelerations(G, mass, n, position, aStart);
    copy(n, velocity, vStart);
    advance(n, dt, position, vStart, xPred);
    advance(n, dt, velocity, aStart, vPred);
    accelerations(G, mass, n, xPred, aNext);
    correct(n, dt, vPred, aNext, aStart, velocity);
    correct(n, dt, xPred, velocity, vStart, position);
}

// The predicted velocity corrects the position; second acceleration at the corrected positions.
void predictorCorrector2(double dt, double G, const double mass[], int n, BodyVectors velocity,
                         BodyVectors position) {
    BodyVectors aStart, vStart, xPred, vPred, aNext;
    accelerations(G, mass, n, position, aStart);
    copy(n, velocity, vStart);
    advance(n, dt, position, vStart, xPred);
    advance(n, dt, velocity, aStart, vPred);
    correct(n, dt, xPred, vPred, vStart, position);
    accelerations(G, mass, n, position, aNext);
    correct(n, dt, vPred, aNext, aStart, velocity);
}

}  // namespace

void integrateStep(double dt, double G, int intOpt, const double mass[], int n,
                   BodyVectors velocity, BodyVectors position) {
    switch (intOpt) {
        case EXPLICIT:
            explicitStep(dt, G, mass, n, velocity, position);
            return;
        case PREDICTOR_CORRECTOR_1:
            predictorCorrector1(dt, G, mass, n, velocity, position);
            return;
        case PREDICTOR_CORRECTOR_2:
            predictorCorrector2(dt, G, mass, n, velocity, position);
            return;
    }
    std::cout << "Invalid choice of integration option (" << intOpt
              << "); must be in range 0 <= intOpt <= 2.\n";
    stopProgram(-1);
}
