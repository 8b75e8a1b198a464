#include "kriging.h"

#include <cmath>

#include "krige_point.h"
#include "notation.h"

bool checkWeightSum(float weight[], int m, std::ostream& console) {
    float sum = 0;
    for (int k = 0; k < m; ++k) sum = static_cast<float>(static_cast<double>(sum) + weight[k]);
    bool finite = std::isfinite(sum);
    if (finite && !(std::fabs(static_cast<double>(sum) - 1.0) > 0.02)) return false;
    console << " WARNING: ILL-CONDITIONED MATRIX IN SUBROUTINE INTERP:\n"
            << "    SUM OF KRIGING WEIGHTS = " << num(sum) << " (SHOULD BE 1.)\n";
    float reciprocal = static_cast<float>(1.0 / sum);
    if (!finite || !std::isfinite(reciprocal)) {
        // Weights that are not numbers, or that sum to 0 (or so near it that the reciprocal
        // overflows), cannot be rescaled; equal ones give the plain mean.
        for (int k = 0; k < m; ++k) weight[k] = static_cast<float>(1.0 / m);
        return true;
    }
    for (int k = 0; k < m; ++k)
        weight[k] = static_cast<float>(static_cast<double>(weight[k]) * reciprocal);
    return true;
}

void INTERP(float curve0, float curve1, float curve2, float curve3, const float x[],
            const float y[], const float z[], int n, float halfRMax, float vMax, float x0, float y0,
            float& cutoff, float& estimate, float& standardDeviation, KrigingWork& work) {
    VariogramModel model{curve0, curve1, curve2, curve3, halfRMax};
    PointEstimate point = krigePoint(model, vMax, x, y, z, n, x0, y0, cutoff, work, std::cout);
    estimate = point.estimate;
    standardDeviation = point.standardDeviation;
}
