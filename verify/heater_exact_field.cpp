// The rounding bound.  Every operation rounds its result to within u |result| (u = 2^-24), M bounds
// every temperature and H the heat a (half-)step adds.  For one node:
//   - explicit, new = (T + h) + kappa dt (Bx / dx^2 + Bz / dz^2): each bracket rounds twice on
//     values up to 3M and 4M (7uM), its quotient once (4uM / dx^2), their sum once, the product
//     once; with rho = kappa dt (1/dx^2 + 1/dz^2) that is 19 rho uM; then T + h and the last sum,
//     u (M + H) and u (M + H + 4 rho M): u M (2 + 23 rho) + 2 u H a step;
//   - ADI, a half-step: the right-hand side B r + T + q rounds as above, u M (2 + 19 r) + u Q with
//   r
//     the ratio of its explicit direction; the elimination of a tridiagonal system that is
//     diagonally dominant by rows solves (A + dA) x = b with |dA| <= 4u |L||U| <= 12u |A|, so adds
//     12u (1 + 4 r') M, r' the implicit ratio: u M (28 + 67 (rx + rz)) + 2 u Q a step.
// Neither scheme enlarges what earlier steps left: with rho <= 1/2 (rx, rz <= 1/2 for ADI) an
// explicit update is a mean of old values with weights in 0..1, and every tridiagonal matrix here
// has an inverse of infinity norm at most 1.  So the errors add up: steps times the bound of one
// step, and u M for the rounding of the starting field.  Cost: steps x nx x nz.
#include "heater_exact_field.h"

#include <cmath>
#include <numbers>

#include "verdict.h"
#include "unit_roundoff.h"

namespace {

constexpr double T_TOP = 100, GRADIENT = 50, AMPLITUDE = 50;
constexpr int HALF_WAVES_ACROSS = 2;  // one whole wave over the width
constexpr double PI = std::numbers::pi;

double geotherm(const GeothermRun& run, int i) {
    double z = (i - 1) * double(run.dz);
    return T_TOP + GRADIENT * z - double(run.A) / (2 * double(run.k)) * z * z;
}

// The pattern at node (i, j); 0 on the fixed top and bottom rows.
double pattern(const GeothermRun& run, int i, int j) {
    if (i == 1 || i == run.nz) return 0;
    return AMPLITUDE * std::cos(HALF_WAVES_ACROSS * PI * (j - 1) / (run.nx - 1)) *
           std::sin(PI * (i - 1) / (run.nz - 1));
}

// What one step multiplies the pattern by.
double patternFactor(HeaterMethod method, const GeothermRun& run) {
    double lx = 4 * std::pow(std::sin(HALF_WAVES_ACROSS * PI / (2.0 * (run.nx - 1))), 2);
    double lz = 4 * std::pow(std::sin(PI / (2.0 * (run.nz - 1))), 2);
    double kdt = double(run.kappa) * run.dt;
    double dx2 = double(run.dx) * run.dx, dz2 = double(run.dz) * run.dz;
    if (method == HeaterMethod::explicitSteps) return 1 - kdt * (lx / dx2 + lz / dz2);
    double rx = kdt / (2 * dx2), rz = kdt / (2 * dz2);
    return (1 - rz * lz) * (1 - rx * lx) / ((1 + rx * lx) * (1 + rz * lz));
}

double largestTemperature(const GeothermRun& run) {
    double largest = 0;
    for (int i = 1; i <= run.nz; ++i) largest = worse(largest, std::fabs(geotherm(run, i)));
    return largest + AMPLITUDE;
}

double roundingBound(HeaterMethod method, const GeothermRun& run) {
    double M = largestTemperature(run);
    double kdt = double(run.kappa) * run.dt;
    double dx2 = double(run.dx) * run.dx, dz2 = double(run.dz) * run.dz;
    double heat = double(run.A) * run.kappa / run.k * run.dt;  // A / rhoC dt
    double perStep;
    if (method == HeaterMethod::explicitSteps) {
        double rho = kdt * (1 / dx2 + 1 / dz2);
        perStep = M * (2 + 23 * rho) + 2 * heat;
    } else {
        double rx = kdt / (2 * dx2), rz = kdt / (2 * dz2);
        perStep = M * (28 + 67 * (rx + rz)) + heat;  // two half-steps of heat / 2 each
    }
    return UNIT_ROUNDOFF * (run.steps * perStep + M);
}

}  // namespace

ExactFieldError geothermWithPattern(HeaterMethod method, const GeothermRun& run,
                                    const GeothermRun& stepped) {
    static TemperatureField T;
    for (int i = 1; i <= run.nz; ++i)
        for (int j = 1; j <= run.nx; ++j) T[i][j] = float(geotherm(run, i) + pattern(run, i, j));
    double factor = patternFactor(method, run), decay = 1;
    ExactFieldError e;
    for (int s = 1; s <= run.steps; ++s) {
        heaterStep(method, stepped.k, stepped.dt, stepped.dx, stepped.dz, stepped.A, stepped.kappa,
                   run.nx, run.nz, T);
        decay *= factor;
        for (int i = 1; i <= run.nz; ++i)
            for (int j = 1; j <= run.nx; ++j) {
                double exact = geotherm(run, i) + decay * pattern(run, i, j);
                e.largest = worse(e.largest, std::fabs(T[i][j] - exact));
            }
    }
    e.bound = roundingBound(method, run);
    return e;
}
