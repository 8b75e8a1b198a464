// Orbits' three integrators on a two-body Kepler orbit of eccentricity 0.5, through the
// program's own step routine.  Cost: about 1.4e6 steps of two bodies, nearly all of them forward
// Euler's (some 0.05 s).
//
// With G = 1, total mass 1 and semi-major axis 1 the period is 2 pi; the bodies start at
// pericentre, where after a whole period the exact orbit is again.
#include <cmath>
#include <numbers>

#include "center_of_mass.h"
#include "checks.h"
#include "integrators.h"
#include "kepler_orbit.h"

namespace {

constexpr double G = 1;
constexpr double ECCENTRICITY = 0.5;
constexpr double PERIOD = 2 * std::numbers::pi;  // semi-major axis 1, total mass 1
constexpr int BODIES = 2;
const double MASS[MAX_BODIES] = {0.75, 0.25};
constexpr int RUNS = 4;  // each with half the step of the one before
constexpr int LONG_RUN_PERIODS = 10;

struct OrbitState {
    BodyVectors position{};
    BodyVectors velocity{};
};

// The relative orbit starts at pericentre r = a (1 - e) with the speed sqrt(GM (1 + e) / r);
// each body carries its share about the centre of mass.
OrbitState pericentre() {
    double r = 1 - ECCENTRICITY;
    double speed = std::sqrt(G * (1 + ECCENTRICITY) / r);
    OrbitState s;
    s.position[0][0] = -MASS[1] * r;
    s.position[0][1] = MASS[0] * r;
    s.velocity[1][0] = -MASS[1] * speed;
    s.velocity[1][1] = MASS[0] * speed;
    toCenterOfMass(MASS, BODIES, s.velocity, s.position);
    return s;
}

// The total energy, kinetic plus the potential of each pair once.  Measured here rather than with
// the program's invariant routine, which formats its report for every one of the 1.4 million steps.
double energy(const OrbitState& s) {
    double kinetic = 0, potential = 0;
    for (int i = 0; i < BODIES; ++i) {
        const double vx = s.velocity[0][i], vy = s.velocity[1][i], vz = s.velocity[2][i];
        kinetic += 0.5 * MASS[i] * ((vx * vx + vy * vy) + vz * vz);
    }
    for (int j = 1; j < BODIES; ++j)
        for (int k = 0; k < j; ++k) {
            double dx = s.position[0][j] - s.position[0][k];
            double dy = s.position[1][j] - s.position[1][k];
            double dz = s.position[2][j] - s.position[2][k];
            potential -= G * MASS[j] * MASS[k] / std::sqrt(dx * dx + dy * dy + dz * dz);
        }
    return kinetic + potential;
}

double positionError(const OrbitState& a, const OrbitState& b) {
    double largest = 0;
    for (int i = 0; i < BODIES; ++i) {
        double dx = a.position[0][i] - b.position[0][i];
        double dy = a.position[1][i] - b.position[1][i];
        double dz = a.position[2][i] - b.position[2][i];
        largest = worse(largest, std::sqrt(dx * dx + dy * dy + dz * dz));
    }
    return largest;
}

}  // namespace

KeplerErrors keplerRun(int method, int stepsPerPeriod, int periods) {
    const OrbitState start = pericentre();
    OrbitState s = start;
    double e0 = energy(start);
    double dt = PERIOD / stepsPerPeriod;
    KeplerErrors errors;
    long steps = static_cast<long>(stepsPerPeriod) * periods;
    for (long step = 0; step < steps; ++step) {
        integrateStep(dt, G, method, MASS, BODIES, s.velocity, s.position);
        double drift = std::fabs(energy(s) - e0) / std::fabs(e0);
        errors.largestEnergy = worse(errors.largestEnergy, drift);
        if (step == steps - 1) errors.finalEnergy = drift;
    }
    errors.position = positionError(s, start);
    return errors;
}

namespace {

struct Method {
    int intOpt;
    const char* name;
    // Steps per period of the coarsest run: fine enough for the leading error term to rule, coarse
    // enough that the finest run stays far above rounding (forward Euler needs far more steps).
    int coarsestSteps;
    double positionOrder;
    double finalEnergyOrder;    // at the end of whole periods
    double largestEnergyOrder;  // the largest during the run
};

// Forward Euler is first order in everything.  Both predictor-corrector variants are second
// order, and so is the largest energy error of a run.  At the end of whole periods the orbit is
// back at pericentre, about which it is symmetric in time: the part of the energy error that a
// method of order 2 makes at order 2 changes sign with time's direction and cancels over a
// period, leaving order 3 for the first variant.  The second variant is the velocity form of the
// leapfrog, time-symmetric and symplectic: it keeps a modified energy E + dt^2 E2 + ... exactly
// (to the dt^4 term), so its energy error is dt^2 (E2(end) - E2(start)); the end lies O(dt^2)
// along the orbit from the start, and E2 is stationary there at the symmetric pericentre, which
// leaves order 2 + 2 x 2 = 6.
const Method METHODS[] = {{EXPLICIT, "explicit", 8192, 1, 1, 1},
                          {PREDICTOR_CORRECTOR_1, "PC1", 256, 2, 3, 2},
                          {PREDICTOR_CORRECTOR_2, "PC2", 256, 2, 6, 2}};

std::string ratioText(double largest, double final) {
    return " (largest/final " + realText(largest / final, 3) + ")";
}

}  // namespace

void checkOrbits(std::vector<Verdict>& rows, std::vector<ConvergenceStudy>& studies) {
    ConvergenceStudy study{
        "orbits: Kepler orbit, e = 0.5, one period", "time step", "error after one period", {}};
    for (const Method& m : METHODS) {
        std::string name = std::string("orbits ") + m.name;
        ConvergenceSeries position{std::string(m.name) + " position", {}, {}, m.positionOrder};
        ConvergenceSeries energy{std::string(m.name) + " final energy", {}, {}, m.finalEnergyOrder};
        std::vector<double> largestLong, finalLong;
        for (int k = 0; k < RUNS; ++k) {
            int steps = m.coarsestSteps << k;
            KeplerErrors one = keplerRun(m.intOpt, steps, 1);
            position.steps.push_back(PERIOD / steps);
            position.errors.push_back(one.position);
            energy.steps.push_back(PERIOD / steps);
            energy.errors.push_back(one.finalEnergy);
            KeplerErrors ten = keplerRun(m.intOpt, steps, LONG_RUN_PERIODS);
            largestLong.push_back(ten.largestEnergy);
            finalLong.push_back(ten.finalEnergy);
        }
        rows.push_back(
            orderVerdict(name + ": order, position (1 period)", position.errors, m.positionOrder));
        rows.push_back(orderVerdict(name + ": order, final energy (1 period)", energy.errors,
                                    m.finalEnergyOrder));
        rows.push_back(orderVerdict(name + ": order, largest energy (10 periods)", largestLong,
                                    m.largestEnergyOrder));
        Verdict final = orderVerdict(name + ": order, final energy (10 periods)", finalLong,
                                     m.finalEnergyOrder);
        final.measured += ratioText(largestLong.back(), finalLong.back());
        rows.push_back(final);
        study.series.push_back(position);
        study.series.push_back(energy);
    }
    studies.push_back(study);
}
