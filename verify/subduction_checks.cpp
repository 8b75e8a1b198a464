// Rounding bounds (u = 2^-24, each operation within u of its result):
//   - motion: the source row i - s and column j + s round within u nz and u nx node distances,
//     s itself (v dt, the four operations of ds, the quotient) within 6u s, and the bilinear
//     interpolation makes nine roundings of values up to 2M; the temperature changes by SLOPE per
//     node distance in either direction, so |error| <= u (18 M + SLOPE (nz + nx + 12 s));
//   - heat: a uniform field moves exactly (a mean of equal values), and each of the nz - 1 fault
//     nodes gains (d tau ds) / (rhoC dx dz), eleven roundings, added to T_BASE with one more:
//     |gained - work| / work <= 12u + u T_BASE / dT.
// Cost: one step on nx x nz points each.
#include "subduction_checks.h"

#include <cmath>

#include "solvers.h"
#include "verdict.h"
#include "unit_roundoff.h"

namespace {

constexpr float T_BASE = 500, SLOPE = 8;

TemperatureField T;

void step(const SubductionRun& s) {
    subductionStep(s.k, s.dt, s.dx, s.dz, s.kappa, s.nx, s.nz, s.tau, s.v, T);
}

double shift(const SubductionRun& run) {
    return double(run.v) * run.dt / std::hypot(double(run.dx), double(run.dz));
}

}  // namespace

ExactFieldError subductionMotion(const SubductionRun& run, const SubductionRun& stepped) {
    double largest = 0;
    for (int i = 1; i <= run.nz; ++i)
        for (int j = 1; j <= run.nx; ++j) {
            T[i][j] = T_BASE + SLOPE * float(i - j);
            largest = worse(largest, std::fabs(T[i][j]));
        }
    double s = shift(run);
    step(stepped);
    ExactFieldError e;
    for (int j = 1; j <= run.nx; ++j) {
        int fault = run.nz - j + 1;  // the fault's row in column j
        if (fault < 2) continue;     // the fault's surface point and right of it: no whole plate
        for (int i = 1; i <= run.nz; ++i) {
            if (i == fault) continue;
            double before = T_BASE + SLOPE * double(i - j);
            double exact = i < fault ? before : before - 2 * SLOPE * s;
            e.largest = worse(e.largest, std::fabs(T[i][j] - exact));
        }
    }
    e.bound = UNIT_ROUNDOFF * (18 * largest + SLOPE * (run.nz + run.nx + 12 * s));
    return e;
}

ExactFieldError subductionShearHeat(const SubductionRun& run, const SubductionRun& stepped) {
    for (int i = 1; i <= run.nz; ++i)
        for (int j = 1; j <= run.nx; ++j) T[i][j] = T_BASE;
    step(stepped);
    double gained = 0;
    for (int i = 1; i <= run.nz; ++i)
        for (int j = 1; j <= run.nx; ++j) gained += double(T[i][j]) - T_BASE;
    double rhoC = double(run.k) / run.kappa;
    double ds = std::hypot(double(run.dx), double(run.dz));
    gained *= rhoC * run.dx * run.dz;
    double work = double(run.tau) * run.v * run.dt * (run.nz - 1) * ds;
    double nodeGain = work / (run.nz - 1) / (rhoC * run.dx * run.dz);
    return {std::fabs(gained - work) / work, UNIT_ROUNDOFF * (12 + T_BASE / nodeGain)};
}
