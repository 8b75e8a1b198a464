// Heater's two conduction methods against theory, through the program's own step routines.
// Cost: a few hundred steps on grids of at most 49 x 25 points (a few milliseconds).
//
// Half-space cooling: a body at T0 whose surface is held at 0 from t = 0 has
// T(z, t) = T0 erf(z / (2 sqrt(kappa t))).  The runs start at t = 1 from that profile (the jump
// at t = 0 would hide the order in the first steps) and end at t = 2, when the bottom of the
// 12-unit column is 4.2 widths deep and the half-space and the column differ by 2e-9 T0.  The
// error is the largest difference from the exact profile at t = 2, relative to T0.
#include <cmath>
#include <random>

#include "checks.h"
#include "explicit_growth.h"
#include "solvers.h"
#include "stability_limit.h"
#include "unit_roundoff.h"

namespace {

constexpr float T0 = 1000;
constexpr float KAPPA = 1;
constexpr float CONDUCTIVITY = 1;
constexpr double DEPTH = 12;
constexpr double START = 1;
constexpr double END = 2;
constexpr int COLUMNS = 3;
constexpr int REFINEMENTS = 3;  // 13, 25 and 49 rows: spacing 1, 1/2, 1/4

double halfSpace(double depth, double t) {
    return T0 * std::erf(depth / (2 * std::sqrt(double(KAPPA) * t)));
}

void fillProfile(TemperatureField& T, int nz, double dz, double t) {
    for (int i = 1; i <= nz; ++i)
        for (int j = 1; j <= COLUMNS; ++j) T[i][j] = float(halfSpace((i - 1) * dz, t));
}

double largestError(const TemperatureField& T, int nz, double dz, double t) {
    double largest = 0;
    for (int i = 1; i <= nz; ++i)
        for (int j = 1; j <= COLUMNS; ++j)
            largest = std::fmax(largest, std::fabs(T[i][j] - halfSpace((i - 1) * dz, t)));
    return largest / T0;
}

enum class Scheme { explicitSteps, adi };

void step(Scheme scheme, float dt, float dx, float dz, int nx, int nz, TemperatureField& T) {
    if (scheme == Scheme::explicitSteps)
        explicitStep(CONDUCTIVITY, dt, dx, dz, 0, KAPPA, nx, nz, T);
    else
        adiStep(CONDUCTIVITY, dt, dx, dz, 0, KAPPA, nx, nz, T);
}

// The explicit scheme is first order in time: its step falls with the square of the spacing
// (kappa dt = dz^2 / 8, inside the limit and away from 1/6, where the leading errors of time and
// space would cancel and hide the order).  The ADI scheme is second order in time, so its step
// falls with the spacing (kappa dt = dz / 4).
double timeStep(Scheme scheme, double dz) {
    return scheme == Scheme::explicitSteps ? dz * dz / (8 * KAPPA) : dz / (4 * KAPPA);
}

ConvergenceSeries coolingSeries(Scheme scheme, const char* label) {
    ConvergenceSeries series{label, {}, {}, 2};
    for (int r = 0; r < REFINEMENTS; ++r) {
        int nz = 12 * (1 << r) + 1;
        double dz = DEPTH / (nz - 1);
        double dt = timeStep(scheme, dz);
        int steps = int(std::lround((END - START) / dt));
        static TemperatureField T;
        fillProfile(T, nz, dz, START);
        for (int s = 0; s < steps; ++s)
            step(scheme, float(dt), float(dz), float(dz), COLUMNS, nz, T);
        series.steps.push_back(dz);
        series.errors.push_back(largestError(T, nz, dz, END));
    }
    return series;
}

// A linear profile is a steady state of both schemes: only rounding may move it.  Each step adds
// at most a few roundings of the largest temperature to a node (11 on the explicit path: two
// brackets of three operations, two divisions, the sum, the product and the two additions; 22 for
// the ADI step's two half-steps, each a right-hand side of five and an elimination and back
// substitution of six), and a stable scheme does not amplify what earlier steps added.
Verdict linearProfile(Scheme scheme, const char* quantity, int roundingsPerStep) {
    constexpr int NX = 9, NZ = 49, STEPS = 100;
    constexpr float DZ = 0.25f;
    static TemperatureField T;
    for (int i = 1; i <= NZ; ++i)
        for (int j = 1; j <= NX; ++j) T[i][j] = T0 * float(i - 1) / float(NZ - 1);
    float dt = float(timeStep(scheme, DZ));
    for (int s = 0; s < STEPS; ++s) step(scheme, dt, DZ, DZ, NX, NZ, T);
    double largest = 0;
    for (int i = 1; i <= NZ; ++i)
        for (int j = 1; j <= NX; ++j)
            largest = std::fmax(largest, std::fabs(T[i][j] - double(T0) * (i - 1) / (NZ - 1)));
    return boundVerdict(quantity, largest, STEPS * roundingsPerStep * UNIT_ROUNDOFF * T0);
}

}  // namespace

double explicitGrowthPerStep(double fraction) {
    constexpr int N = 25, STEPS = 200, LAST = 50;
    constexpr float SPACING = 1;
    static TemperatureField T;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> disturbance(-1, 1);
    for (int i = 1; i <= N; ++i)
        for (int j = 1; j <= N; ++j) T[i][j] = i == 1 || i == N ? 0.0f : disturbance(random);
    float dt = float(fraction * explicitStableStep(KAPPA, SPACING, SPACING, N, N));
    double before = 0;
    for (int s = 1; s <= STEPS; ++s) {
        explicitStep(CONDUCTIVITY, dt, SPACING, SPACING, 0, KAPPA, N, N, T);
        if (s == STEPS - LAST || s == STEPS) {
            double largest = 0;
            for (int i = 1; i <= N; ++i)
                for (int j = 1; j <= N; ++j) largest = std::fmax(largest, std::fabs(T[i][j]));
            if (s == STEPS) return std::pow(largest / before, 1.0 / LAST);
            before = largest;
        }
    }
    return 0;
}

void checkHeater(std::vector<Verdict>& rows, std::vector<ConvergenceStudy>& studies) {
    ConvergenceStudy study{
        "heater: half-space cooling, t = 1 to 2", "depth spacing", "largest error / T0", {}};
    study.series.push_back(coolingSeries(Scheme::explicitSteps, "explicit, kappa dt = dz^2/8"));
    study.series.push_back(coolingSeries(Scheme::adi, "ADI, kappa dt = dz/4"));
    rows.push_back(
        orderVerdict("heater explicit: order, half-space cooling", study.series[0].errors, 2));
    rows.push_back(
        orderVerdict("heater ADI: order, half-space cooling", study.series[1].errors, 2));
    studies.push_back(study);

    rows.push_back(linearProfile(Scheme::explicitSteps,
                                 "heater explicit: linear geotherm after 100 steps", 11));
    rows.push_back(linearProfile(Scheme::adi, "heater ADI: linear geotherm after 100 steps", 22));

    // Just beyond the limit the worst pattern grows by 2 x 1.05 - 1 = 1.1 per step, so the
    // measured growth (that pattern once the others have faded) must exceed 1; just inside it
    // nothing may grow.
    constexpr double ABOVE = 1.05, BELOW = 0.95;
    rows.push_back(thresholdVerdict("heater explicit at 1.05 x limit: growth per step",
                                    explicitGrowthPerStep(ABOVE), 1, true,
                                    " (" + realText(2 * ABOVE - 1, 3) + ")"));
    rows.push_back(thresholdVerdict("heater explicit at 0.95 x limit: growth per step",
                                    explicitGrowthPerStep(BELOW), 1, false));
}
