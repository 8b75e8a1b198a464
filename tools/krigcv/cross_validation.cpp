#include "cross_validation.h"

#include <algorithm>
#include <ostream>

#include "capacities.h"
#include "krige_point.h"

double roundingVariance(float vMax) {
    constexpr double UNIT_ROUNDOFF = 0x1p-24;  // half the spacing of floats near 1
    return MAX_NEIGHBORS * UNIT_ROUNDOFF * vMax;
}

void crossValidate(const PolynomialModel& model, const float x[], const float y[], const float z[],
                   int n, float halfRMax, float cutoff, CrossValidationWork& work,
                   HeldOutEstimate result[]) {
    // A stream without a buffer takes every line and writes nothing.
    std::ostream silent(nullptr);
    const double rounding = roundingVariance(model.vMax);
    VariogramModel variogram{model.curve0, model.curve1, model.curve2, model.curve3, halfRMax};
    std::copy(x + 1, x + n, work.x);
    std::copy(y + 1, y + n, work.y);
    std::copy(z + 1, z + n, work.z);
    for (int i = 0; i < n; ++i) {
        if (i > 0) {
            // From "all but i - 1" to "all but i": datum i - 1 takes the place datum i held.
            work.x[i - 1] = x[i - 1];
            work.y[i - 1] = y[i - 1];
            work.z[i - 1] = z[i - 1];
        }
        float radius = cutoff;
        PointEstimate point = krigePoint(variogram, model.vMax, work.x, work.y, work.z, n - 1, x[i],
                                         y[i], radius, work.kriging, silent);
        HeldOutEstimate& held = result[i];
        held.estimate = point.estimate;
        held.standardDeviation = point.standardDeviation;
        held.negativeVariance = point.computedVariance < -rounding;
        held.atRoundingLevel = !(point.computedVariance > rounding);
        held.warned = point.searchGaveUp || point.illConditioned || point.mergedCoincident ||
                      point.singular || held.negativeVariance;
    }
}
