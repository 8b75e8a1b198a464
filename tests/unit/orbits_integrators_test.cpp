#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <sstream>

#include "accelerations.h"
#include "integrators.h"
#include "invariants.h"
#include "orbits_two_bodies.h"

namespace {

constexpr double DT = 0.1;

TEST(IntegrateStep, ExplicitFromRestMovesOnlyTheVelocities) {
    TwoAtRest s;
    integrateStep(DT, 1, EXPLICIT, s.mass, 2, s.velocity, s.position);
    EXPECT_EQ(-1, s.position[0][0]);
    EXPECT_EQ(1, s.position[0][1]);
    EXPECT_DOUBLE_EQ(DT * 0.25, s.velocity[0][0]);
    EXPECT_DOUBLE_EQ(-DT * 0.25, s.velocity[0][1]);
    EXPECT_EQ(0, s.velocity[1][0]);
}

// From rest the predicted positions are the start positions, so both accelerations agree.
TEST(IntegrateStep, PredictorCorrector1FromRest) {
    TwoAtRest s;
    integrateStep(DT, 1, PREDICTOR_CORRECTOR_1, s.mass, 2, s.velocity, s.position);
    EXPECT_DOUBLE_EQ(-1 + DT * DT / 2 * 0.25, s.position[0][0]);
    EXPECT_DOUBLE_EQ(1 - DT * DT / 2 * 0.25, s.position[0][1]);
    EXPECT_DOUBLE_EQ(DT * 0.25, s.velocity[0][0]);
    EXPECT_DOUBLE_EQ(-DT * 0.25, s.velocity[0][1]);
}

// The second acceleration is taken where the bodies have moved to: 1 / separation^2.
TEST(IntegrateStep, PredictorCorrector2FromRest) {
    TwoAtRest s;
    integrateStep(DT, 1, PREDICTOR_CORRECTOR_2, s.mass, 2, s.velocity, s.position);
    double separation = 2 - DT * DT * 0.25;
    double aNext = 1 / (separation * separation);
    EXPECT_DOUBLE_EQ(-1 + DT * DT / 2 * 0.25, s.position[0][0]);
    EXPECT_DOUBLE_EQ(1 - DT * DT / 2 * 0.25, s.position[0][1]);
    EXPECT_DOUBLE_EQ(DT * (0.25 + aNext) / 2, s.velocity[0][0]);
    EXPECT_DOUBLE_EQ(-DT * (0.25 + aNext) / 2, s.velocity[0][1]);
}

// Three moving bodies, and a fourth beyond n that must not move.
struct ThreeMoving {
    double mass[MAX_BODIES] = {1, 0.5, 2, 7};
    BodyVectors position = {{0, 1.5, -1, 9}, {0.3, -0.7, 1, 9}, {0, 0.2, -0.1, 9}};
    BodyVectors velocity = {{0.1, -0.4, 0.2, 9}, {0.5, 0, -0.3, 9}, {0, 0.1, 0, 9}};
};

// Expected states from the closed forms of each method, built independently of the stage code.
void expectState(const BodyVectors x, const BodyVectors v, const ThreeMoving& s) {
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(x[k][i], s.position[k][i], 1e-14) << "x" << k << " of body " << i;
            EXPECT_NEAR(v[k][i], s.velocity[k][i], 1e-14) << "v" << k << " of body " << i;
        }
        EXPECT_EQ(9, s.position[k][3]);
        EXPECT_EQ(9, s.velocity[k][3]);
    }
}

TEST(IntegrateStep, ExplicitIsForwardEuler) {
    ThreeMoving s;
    BodyVectors a, x, v;
    accelerations(1.5, s.mass, 3, s.position, a);
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i) {
            x[k][i] = s.position[k][i] + DT * s.velocity[k][i];
            v[k][i] = s.velocity[k][i] + DT * a[k][i];
        }
    integrateStep(DT, 1.5, EXPLICIT, s.mass, 3, s.velocity, s.position);
    expectState(x, v, s);
}

// Variant 1: v = v0 + dt/2 (a(x0) + a(x0 + dt v0)), x = x0 + dt/2 (v0 + v).
TEST(IntegrateStep, PredictorCorrector1TakesTheSecondAccelerationAtThePrediction) {
    ThreeMoving s;
    BodyVectors a0, predicted, a1, x, v;
    accelerations(1.5, s.mass, 3, s.position, a0);
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i) predicted[k][i] = s.position[k][i] + DT * s.velocity[k][i];
    accelerations(1.5, s.mass, 3, predicted, a1);
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i) {
            v[k][i] = s.velocity[k][i] + DT / 2 * (a0[k][i] + a1[k][i]);
            x[k][i] = s.position[k][i] + DT / 2 * (s.velocity[k][i] + v[k][i]);
        }
    integrateStep(DT, 1.5, PREDICTOR_CORRECTOR_1, s.mass, 3, s.velocity, s.position);
    expectState(x, v, s);
}

// Variant 2: x = x0 + dt v0 + dt^2/2 a(x0), v = v0 + dt/2 (a(x0) + a(x)).
TEST(IntegrateStep, PredictorCorrector2TakesTheSecondAccelerationAtTheCorrection) {
    ThreeMoving s;
    BodyVectors a0, a1, x, v;
    accelerations(1.5, s.mass, 3, s.position, a0);
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i)
            x[k][i] = s.position[k][i] + DT * s.velocity[k][i] + DT * DT / 2 * a0[k][i];
    accelerations(1.5, s.mass, 3, x, a1);
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i) v[k][i] = s.velocity[k][i] + DT / 2 * (a0[k][i] + a1[k][i]);
    integrateStep(DT, 1.5, PREDICTOR_CORRECTOR_2, s.mass, 3, s.velocity, s.position);
    expectState(x, v, s);
}

// |energy error| after a fixed time on an eccentric two-body orbit.
double energyDrift(int intOpt, double dt) {
    double mass[MAX_BODIES] = {1, 1};
    BodyVectors position = {{-1, 1}, {0, 0}, {0, 0}};
    BodyVectors velocity = {{0, 0}, {-0.3, 0.3}, {0, 0}};
    std::ostringstream quiet;
    double before = systemEnergy(1, mass, 2, velocity, position, quiet);
    int steps = static_cast<int>(2.0 / dt + 0.5);
    for (int i = 0; i < steps; ++i) integrateStep(dt, 1, intOpt, mass, 2, velocity, position);
    return std::fabs(systemEnergy(1, mass, 2, velocity, position, quiet) - before);
}

// Halving the step halves the error of a first-order method and quarters that of a second-order
// one; a stage taken out of order loses the second order.
TEST(IntegrateStep, EnergyErrorShrinksWithTheOrderOfTheMethod) {
    EXPECT_NEAR(2, energyDrift(EXPLICIT, 0.01) / energyDrift(EXPLICIT, 0.005), 0.2);
    for (int intOpt : {PREDICTOR_CORRECTOR_1, PREDICTOR_CORRECTOR_2}) {
        EXPECT_NEAR(4, energyDrift(intOpt, 0.01) / energyDrift(intOpt, 0.005), 0.4) << intOpt;
        EXPECT_LT(energyDrift(intOpt, 0.01), 2e-5) << intOpt;
    }
    EXPECT_GT(energyDrift(EXPLICIT, 0.01), 1e-3);
}

TEST(IntegrateStepDeathTest, InvalidOptionStops) {
    TwoAtRest s;
    EXPECT_EXIT(
        {
            std::cout.rdbuf(std::cerr.rdbuf());
            integrateStep(DT, 1, 3, s.mass, 2, s.velocity, s.position);
        },
        testing::ExitedWithCode(255),
        "^Invalid choice of integration option \\(3\\); must be in range 0 <= intOpt <= 2\\.\n$");
    EXPECT_EXIT(
        {
            std::cout.rdbuf(std::cerr.rdbuf());
            integrateStep(DT, 1, -1, s.mass, 2, s.velocity, s.position);
        },
        testing::ExitedWithCode(255), "option \\(-1\\); must be");
}

}  // namespace
