// Heater's conduction methods, its stability limit and its subduction step against theory, through
// the program's own routines.  Cost: a few hundred steps on grids of at most 49 x 25 points, and
// the stability limit on 24 grids (some milliseconds).
//
// Half-space cooling: a body at T0 whose surface is held at 0 from t = 0 has
// T(z, t) = T0 erf(z / (2 sqrt(kappa t))).  The runs start at t = 1 from that profile (the jump
// at t = 0 would hide the order in the first steps) and end at t = 2, when the bottom of the
// 12-unit column is 4.2 widths deep and the half-space and the column differ by 2e-9 T0.  The
// error is the largest difference from the exact profile at t = 2, relative to T0.
#include <cmath>

#include "checks.h"
#include "explicit_growth.h"
#include "heater_exact_field.h"
#include "subduction_checks.h"

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
            largest = worse(largest, std::fabs(T[i][j] - halfSpace((i - 1) * dz, t)));
    return largest / T0;
}

// The explicit method is first order in time: its step falls with the square of the spacing
// (kappa dt = dz^2 / 8, inside the limit and away from 1/6, where the leading errors of time and
// space would cancel and hide the order).  The ADI method is second order in time, so its step
// falls with the spacing (kappa dt = dz / 4).
double timeStep(HeaterMethod method, double dz) {
    return method == HeaterMethod::explicitSteps ? dz * dz / (8 * KAPPA) : dz / (4 * KAPPA);
}

ConvergenceSeries coolingSeries(HeaterMethod method, const char* label) {
    ConvergenceSeries series{label, {}, {}, 2};
    for (int r = 0; r < REFINEMENTS; ++r) {
        int nz = 12 * (1 << r) + 1;
        double dz = DEPTH / (nz - 1);
        double dt = timeStep(method, dz);
        int steps = int(std::lround((END - START) / dt));
        static TemperatureField T;
        fillProfile(T, nz, dz, START);
        for (int s = 0; s < steps; ++s)
            heaterStep(method, CONDUCTIVITY, float(dt), float(dz), float(dz), 0, KAPPA, COLUMNS, nz,
                       T);
        series.steps.push_back(dz);
        series.errors.push_back(largestError(T, nz, dz, END));
    }
    return series;
}

const char* methodName(HeaterMethod method) {
    return method == HeaterMethod::explicitSteps ? "explicit" : "ADI";
}

// The explicit step just beyond and just inside heater's own limit on every grid the dialogue
// accepts from nz = 3 (where the fixed rows matter most) to 49, with dx != dz so that each
// spacing's part of the limit counts: at (1 + DELTA) times the limit the worst pattern grows by
// 1 + 2 DELTA a step, at (1 - DELTA) times nothing grows, so a limit wrong by more than DELTA on
// any grid fails one of the two rows.
void checkStabilityLimit(std::vector<Verdict>& rows) {
    constexpr double DELTA = 0.01;
    constexpr int NX = 5;
    constexpr float DX = 1.25f, DZ = 1;
    // The least growth above the limit and the largest below it; a growth that is not a number
    // (a run that broke down) is kept as the worst of both.
    double least = INFINITY, largest = 0;
    int leastAt = 0, largestAt = 0;
    for (int nz = 3; nz <= MAX_POINTS; nz += 2) {
        double above = explicitGrowthPerStep(1 + DELTA, NX, nz, DX, DZ);
        double below = explicitGrowthPerStep(1 - DELTA, NX, nz, DX, DZ);
        if (!std::isnan(least) && !(above >= least)) {
            least = above;
            leastAt = nz;
        }
        if (!std::isnan(largest) && !(below <= largest)) {
            largest = below;
            largestAt = nz;
        }
    }
    Verdict grows = thresholdVerdict("heater explicit at 1.01 x limit, nz 3 to 49: growth", least,
                                     1, true, " (" + realText(1 + 2 * DELTA, 3) + ")");
    grows.measured += " (least, nz " + std::to_string(leastAt) + ")";
    Verdict decays =
        thresholdVerdict("heater explicit at 0.99 x limit, nz 3 to 49: growth", largest, 1, false);
    decays.measured += " (largest, nz " + std::to_string(largestAt) + ")";
    rows.push_back(grows);
    rows.push_back(decays);
}

}  // namespace

void checkHeater(std::vector<Verdict>& rows, std::vector<ConvergenceStudy>& studies) {
    ConvergenceStudy study{
        "heater: half-space cooling, t = 1 to 2", "depth spacing", "largest error / T0", {}};
    study.series.push_back(
        coolingSeries(HeaterMethod::explicitSteps, "explicit, kappa dt = dz^2/8"));
    study.series.push_back(coolingSeries(HeaterMethod::adi, "ADI, kappa dt = dz/4"));
    rows.push_back(
        orderVerdict("heater explicit: order, half-space cooling", study.series[0].errors, 2));
    rows.push_back(
        orderVerdict("heater ADI: order, half-space cooling", study.series[1].errors, 2));
    studies.push_back(study);

    for (HeaterMethod method : {HeaterMethod::explicitSteps, HeaterMethod::adi}) {
        ExactFieldError e = geothermWithPattern(method, GeothermRun{});
        rows.push_back(boundVerdict(
            std::string("heater ") + methodName(method) + ": geotherm with A, dx != dz, 64 steps",
            e.largest, e.bound));
    }
    checkStabilityLimit(rows);
    ExactFieldError motion = subductionMotion(SubductionRun{}, SubductionRun{});
    rows.push_back(boundVerdict("heater subduction: plate moved v dt down the fault",
                                motion.largest, motion.bound));
    ExactFieldError heat = subductionShearHeat(SubductionRun{}, SubductionRun{});
    rows.push_back(
        boundVerdict("heater subduction: |heat gained / work - 1|", heat.largest, heat.bound));
}
