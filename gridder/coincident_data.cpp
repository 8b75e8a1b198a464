#include "coincident_data.h"

#include "distance.h"

namespace {

bool samePosition(const float x[], const float y[], int i, int j) {
    return x[i] == x[j] && y[i] == y[j];
}

}  // namespace

bool coincidenceMakesSingular(const VariogramModel& model, const float x[], const float y[],
                              const KrigingWork& work, int m) {
    // Coincident data are separation(x, y, x, y) = 1e-15 apart, whatever their position.
    float between = modelVariance(model, separation(0, 0, 0, 0));
    if (static_cast<float>(1.0 + between) != 1.0f) return false;
    for (int j = 1; j < m; ++j)
        for (int k = 0; k < j; ++k)
            if (samePosition(x, y, work.neighbor[j], work.neighbor[k])) return true;
    return false;
}

int mergeCoincident(const VariogramModel& model, const float x[], const float y[], const float z[],
                    float x0, float y0, KrigingWork& work, int m, float value[]) {
    int first[MAX_NEIGHBORS];   // the first neighbour at each position
    double sum[MAX_NEIGHBORS];  // exact for any group of copies of one value
    int count[MAX_NEIGHBORS];
    int groups = 0;
    for (int k = 0; k < m; ++k) {
        int i = work.neighbor[k];
        int g = 0;
        while (g < groups && !samePosition(x, y, first[g], i)) ++g;
        if (g == groups) {
            first[groups] = i;
            sum[groups] = 0;
            count[groups] = 0;
            ++groups;
        }
        sum[g] += z[i];
        ++count[g];
    }
    for (int g = 0; g < groups; ++g) {
        value[g] = static_cast<float>(sum[g] / count[g]);
        int i = first[g];
        addNeighbor(model, x, y, i, separation(x[i], y[i], x0, y0), g, work);
    }
    return groups;
}
