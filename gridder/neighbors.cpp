#include "neighbors.h"

#include <cmath>
#include <iomanip>
#include <iostream>
#include <limits>

#include "distance.h"
#include "notation.h"

namespace {

// Enters point i as neighbour m: its model value to the grid point on the right-hand side, a zero
// diagonal, and its model values to the earlier neighbours in row and column m.
void addNeighbor(const VariogramModel& model, const float x[], const float y[], int i, float d0,
                 int m, KrigingWork& work) {
    work.neighbor[m] = i;
    work.rhs[m] = modelVariance(model, d0);
    work.savedRhs[m] = work.rhs[m];
    work.matrix[m][m] = 0;
    for (int k = 0; k < m; ++k) {
        int j = work.neighbor[k];
        float v = modelVariance(model, separation(x[j], y[j], x[i], y[i]));
        work.matrix[m][k] = v;
        work.matrix[k][m] = v;
    }
}

void sortAscending(int index[], int count) {
    for (int i = 1; i < count; ++i) {
        int value = index[i];
        int k = i;
        for (; k > 0 && index[k - 1] > value; --k) index[k] = index[k - 1];
        index[k] = value;
    }
}

}  // namespace

int gatherNeighbors(const VariogramModel& model, const float x[], const float y[], int n, float x0,
                    float y0, float radius, KrigingWork& work) {
    int m = 0;
    for (int i = 0; i < n; ++i) {
        float d0 = separation(x[i], y[i], x0, y0);
        if (!(d0 <= radius)) continue;
        if (m == MAX_NEIGHBORS) return MAX_NEIGHBORS + 1;
        addNeighbor(model, x, y, i, d0, m, work);
        ++m;
    }
    return m;
}

int gatherNearest(const VariogramModel& model, const float x[], const float y[], int n, float x0,
                  float y0, KrigingWork& work) {
    int count = 0;
    for (int i = 0; i < n; ++i) {
        float d = separation(x[i], y[i], x0, y0);
        if (std::isnan(d)) d = std::numeric_limits<float>::infinity();
        if (count == MAX_NEIGHBORS && !(d < work.nearest[count - 1])) continue;
        int slot = count < MAX_NEIGHBORS ? count++ : MAX_NEIGHBORS - 1;
        // Behind every nearer or equally near one, so that of equal distances the earlier wins.
        for (; slot > 0 && work.nearest[slot - 1] > d; --slot) {
            work.nearest[slot] = work.nearest[slot - 1];
            work.neighbor[slot] = work.neighbor[slot - 1];
        }
        work.nearest[slot] = d;
        work.neighbor[slot] = i;
    }
    sortAscending(work.neighbor, count);
    for (int m = 0; m < count; ++m) {
        int i = work.neighbor[m];
        addNeighbor(model, x, y, i, separation(x[i], y[i], x0, y0), m, work);
    }
    return count;
}

SearchOutcome searchNeighbors(const VariogramModel& model, const float x[], const float y[], int n,
                              float x0, float y0, float& radius, KrigingWork& work,
                              std::ostream& console) {
    bool limitWarned = false;
    bool minimumWarned = false;
    int lastDirection = 0;
    bool turned = false;
    int countedChanges = 0;
    for (;;) {
        int m = gatherNeighbors(model, x, y, n, x0, y0, radius, work);
        int direction = m > MAX_NEIGHBORS ? -1 : (m < MIN_NEIGHBORS ? 1 : 0);
        if (direction == 0) return {m, false};
        if (direction < 0 && !limitWarned) {
            console << "     Warning: Internal limit of " << std::setw(4) << MAX_NEIGHBORS
                    << " neighbors was reached.\n";
            limitWarned = true;
        }
        if (direction > 0 && !minimumWarned) {
            console << "     Warning: Internal minimum of " << std::setw(4) << MIN_NEIGHBORS
                    << " neighbors was not reached.\n";
            minimumWarned = true;
        }
        if (lastDirection != 0 && direction != lastDirection) turned = true;
        if (turned) ++countedChanges;
        float changed =
            static_cast<float>(radius * (direction < 0 ? RADIUS_SHRINK : RADIUS_GROWTH));
        // A radius of zero (or below) cannot grow, and one that rounding keeps as it is cannot
        // change: the search would repeat itself for ever.
        bool stuck = changed == radius || (direction > 0 && !(radius > 0));
        if (stuck || countedChanges > MAX_RADIUS_CHANGES) {
            m = gatherNearest(model, x, y, n, x0, y0, work);
            console << "     Warning: No cutoff radius gives " << MIN_NEIGHBORS << " to "
                    << MAX_NEIGHBORS << " neighbors; the " << m << " nearest data are used.\n";
            return {m, true};
        }
        radius = changed;
        console << "     Cutoff radius temporarily " << (direction < 0 ? "reduced" : "increased")
                << " to " << num(radius) << "\n";
        lastDirection = direction;
    }
}
