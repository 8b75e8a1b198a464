#include "krige_point.h"

#include <cmath>
#include <iomanip>

#include "coincident_data.h"
#include "kriging.h"
#include "lu.h"

namespace {

// The ordinary-kriging system of size m + 1: the variogram block bordered by a row and a column of
// ones (the weights sum to one), a zero corner, and 1 as the last right-hand side.  The block is
// saved first because the solve overwrites it and the variance needs it.
void completeSystem(KrigingWork& work, int m) {
    for (int j = 0; j < m; ++j)
        for (int k = 0; k < m; ++k) work.savedBlock[j][k] = work.matrix[j][k];
    for (int k = 0; k < m; ++k) {
        work.matrix[m][k] = 1;
        work.matrix[k][m] = 1;
    }
    work.matrix[m][m] = 0;
    work.rhs[m] = 1;
}

float weightedSum(const float weight[], const float value[], int m) {
    float estimate = 0;
    for (int k = 0; k < m; ++k)
        estimate = static_cast<float>(estimate + static_cast<double>(weight[k]) * value[k]);
    return estimate;
}

// sum(w_k b_k) - 1/2 sum_j sum_k w_j w_k A_jk in one running float, the first sum entered first.
float krigingVariance(const KrigingWork& work, int m) {
    const float* w = work.rhs;
    float variance = 0;
    for (int k = 0; k < m; ++k)
        variance = static_cast<float>(variance + static_cast<double>(w[k]) * work.savedRhs[k]);
    for (int j = 0; j < m; ++j)
        for (int k = 0; k < m; ++k)
            variance = static_cast<float>(variance - 0.5 * w[j] * static_cast<double>(w[k]) *
                                                         work.savedBlock[j][k]);
    return variance;
}

}  // namespace

PointEstimate krigePoint(const VariogramModel& model, float vMax, const float x[], const float y[],
                         const float z[], int n, float x0, float y0, float& cutoff,
                         KrigingWork& work, std::ostream& console) {
    PointEstimate result;
    console << "\n * Begin kriging for one point...\n";
    SearchOutcome search = searchNeighbors(model, x, y, n, x0, y0, cutoff, work, console);
    int m = search.count;
    result.searchGaveUp = search.gaveUp;
    console << std::setw(5) << m << " data used in estimate\n";

    float value[MAX_NEIGHBORS];
    for (int k = 0; k < m; ++k) value[k] = z[work.neighbor[k]];
    int size = m;
    if (coincidenceMakesSingular(model, x, y, work, m)) {
        size = mergeCoincident(model, x, y, z, x0, y0, work, m, value);
        result.mergedCoincident = true;
    }
    result.neighbors = size;
    completeSystem(work, size);
    result.singular = luDecompose(size + 1, work.matrix, work.pivot) > 0;
    luBackSubstitute(work.matrix, size + 1, work.pivot, work.rhs);
    result.illConditioned = checkWeightSum(work.rhs, size, console);

    result.estimate = weightedSum(work.rhs, value, size);
    float variance = static_cast<float>(static_cast<double>(krigingVariance(work, size)) * vMax);
    result.computedVariance = variance;
    // A negative variance, a negative zero (which would print as -0) and one that rounding made
    // not a number count as 0.
    if (!(variance > 0)) variance = 0;
    result.variance = variance;
    result.standardDeviation = static_cast<float>(std::sqrt(static_cast<double>(variance)));
    return result;
}
