#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "invariants.h"
#include "orbits_two_bodies.h"

namespace {

TEST(AngularMomentum, CircularPairReport) {
    CircularPair s;
    std::ostringstream report;
    EXPECT_EQ(1, angularMomentum(s.mass, 2, s.velocity, s.position, report));
    EXPECT_EQ(
        "Angular momentum of system:     1.000000\n"
        "Components:  amx    0.0000000 amy    0.0000000 amz     1.000000\n",
        report.str());
    // General notation afterwards shows as many digits as the z component had decimals.
    EXPECT_EQ(6, report.precision());
}

// r x v for each body, weighted by its mass: (0, -2, 0) + (6, 0, 0) gives magnitude sqrt(40).
TEST(AngularMomentum, SumsTheCrossProducts) {
    double mass[MAX_BODIES] = {2, 3};
    BodyVectors position = {{1, 0}, {0, 0}, {0, 1}};
    BodyVectors velocity = {{0, 0}, {0, -2}, {1, 0}};
    std::ostringstream report;
    EXPECT_DOUBLE_EQ(std::sqrt(40.0), angularMomentum(mass, 2, velocity, position, report));
    EXPECT_EQ(
        "Angular momentum of system:     6.324555\n"
        "Components:  amx     6.000000 amy    -2.000000 amz    0.0000000\n",
        report.str());
    EXPECT_EQ(7, report.precision());
}

// The scaled form must not divide by a zero sum of components.
TEST(AngularMomentum, ZeroMomentumHasMagnitudeZero) {
    double mass[MAX_BODIES] = {1, 1};
    BodyVectors position = {{-1, 1}, {0, 0}, {0, 0}};
    BodyVectors velocity = {{0.5, -0.5}, {0, 0}, {0, 0}};
    std::ostringstream report;
    EXPECT_EQ(0, angularMomentum(mass, 2, velocity, position, report));
    EXPECT_EQ(
        "Angular momentum of system:    0.0000000\n"
        "Components:  amx    0.0000000 amy    0.0000000 amz    0.0000000\n",
        report.str());
}

// A magnitude far beyond the square root of the largest double still comes out finite.
TEST(AngularMomentum, HugeComponentsDoNotOverflow) {
    double mass[MAX_BODIES] = {1e150, 1e150};
    BodyVectors position = {{-1e100, 1e100}, {0, 0}, {0, 0}};
    BodyVectors velocity = {{0, 0}, {-1e50, 1e50}, {0, 0}};
    std::ostringstream report;
    EXPECT_DOUBLE_EQ(2e300, angularMomentum(mass, 2, velocity, position, report));
}

TEST(SystemEnergy, CircularPairReport) {
    CircularPair s;
    std::ostringstream report;
    EXPECT_EQ(-0.25, systemEnergy(1, s.mass, 2, s.velocity, s.position, report));
    EXPECT_EQ(
        "Kinetic   Energy =     0.250000\n"
        "Potential Energy =    -0.500000\n"
        "                    ___________\n"
        "Total     Energy =    -0.250000\n",
        report.str());
}

// Every pair once, each term G m_j m_k / r, and the kinetic energy of every body.
TEST(SystemEnergy, CountsEachPairOnce) {
    double mass[MAX_BODIES] = {1, 2, 4};
    BodyVectors position = {{0, 3, 0}, {0, 4, 2}, {0, 0, 0}};
    BodyVectors velocity = {{1, 0, 0}, {0, 0, 0}, {0, 0, 0.5}};
    std::ostringstream report;
    double kinetic = 0.5 + 0.5 * 4 * 0.25;
    double potential = -3 * (1 * 2 / 5.0 + 1 * 4 / 2.0 + 2 * 4 / std::sqrt(9 + 4.0));
    EXPECT_DOUBLE_EQ(kinetic + potential, systemEnergy(3, mass, 3, velocity, position, report));
    EXPECT_NE(std::string::npos, report.str().find("Kinetic   Energy =     1.000000\n"));
}

TEST(SystemEnergy, BodiesAtOnePointShowTheOverflowFill) {
    double mass[MAX_BODIES] = {1, 1};
    BodyVectors position = {{1, 1}, {0, 0}, {0, 0}};
    BodyVectors velocity = {{0, 0}, {0, 0}, {0, 0}};
    std::ostringstream report;
    EXPECT_TRUE(std::isinf(systemEnergy(1, mass, 2, velocity, position, report)));
    EXPECT_EQ(
        "Kinetic   Energy =    0.0000000\n"
        "Potential Energy = !!!!!!!!!!!!\n"
        "                    ___________\n"
        "Total     Energy = !!!!!!!!!!!!\n",
        report.str());
}

}  // namespace
