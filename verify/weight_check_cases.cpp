#include "weight_check_cases.h"

#include <cmath>

#include "verdict.h"
#include "unit_roundoff.h"

namespace {

constexpr int M = 12;
constexpr double TOLERANCE = 0.02;  // the check's own: within it a sum is left as it is
// Every miss lies well away from TOLERANCE, where the float sum could fall either side.
constexpr double MISSES[] = {-0.5,  -0.19, -0.05, -0.025, -0.015, 0,
                             0.015, 0.025, 0.05,  0.19,   0.5,    2};

}  // namespace

WeightCheckOutcome weightCheckCases(WeightCheck check) {
    WeightCheckOutcome outcome;
    outcome.bound = (M + 2) * UNIT_ROUNDOFF / (1 - (M + 2) * UNIT_ROUNDOFF);
    double shape[M], shapeSum = 0;
    for (int k = 0; k < M; ++k) {
        shape[k] = std::sin(k + 1.0) + 0.2;
        shapeSum += shape[k];
    }
    std::ostream silent(nullptr);
    for (double miss : MISSES) {
        float weight[M], given[M];
        for (int k = 0; k < M; ++k) given[k] = weight[k] = float(shape[k] / shapeSum * (1 + miss));
        bool warned = check(weight, M, silent);
        bool changed = false;
        double sum = 0;
        for (int k = 0; k < M; ++k) {
            changed = changed || weight[k] != given[k];
            sum += weight[k];
        }
        bool beyond = std::fabs(miss) > TOLERANCE;
        if (beyond != warned || (!beyond && changed)) ++outcome.wrongDecisions;
        if (beyond) outcome.largestMiss = worse(outcome.largestMiss, std::fabs(sum - 1));
    }
    return outcome;
}
