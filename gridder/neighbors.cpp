#include "neighbors.h"

#include <cmath>
#include <iomanip>
#include <iostream>
#include <limits>

#include "distance.h"
#include "model_row.h"
#include "notation.h"
#include "within_radius.h"

namespace {

void sortAscending(int index[], int count) {
    for (int i = 1; i < count; ++i) {
        int value = index[i];
        int k = i;
        for (; k > 0 && index[k - 1] > value; --k) index[k] = index[k - 1];
        index[k] = value;
    }
}

}  // namespace

void addNeighbor(const VariogramModel& model, const float x[], const float y[], int i, float d0,
                 int m, KrigingWork& work) {
    work.neighbor[m] = i;
    work.neighborX[m] = x[i];
    work.neighborY[m] = y[i];
    work.rhs[m] = modelVariance(model, d0);
    work.savedRhs[m] = work.rhs[m];
    float* row = work.matrix[m];
    modelValuesTo(model, x[i], y[i], work.neighborX, work.neighborY, m, row);
    row[m] = 0;
    for (int k = 0; k < m; ++k) work.matrix[k][m] = row[k];
}

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

namespace {

// Each bound is warned about once per point; the radius line is printed at every change.
class SearchReport {
  public:
    explicit SearchReport(std::ostream& console) : console_(console) {}
    void warn(int direction) {
        if (direction < 0 && !limitWarned_) {
            console_ << "     Warning: Internal limit of " << std::setw(4) << MAX_NEIGHBORS
                     << " neighbors was reached.\n";
            limitWarned_ = true;
        }
        if (direction > 0 && !minimumWarned_) {
            console_ << "     Warning: Internal minimum of " << std::setw(4) << MIN_NEIGHBORS
                     << " neighbors was not reached.\n";
            minimumWarned_ = true;
        }
    }
    void radiusChanged(float radius, int direction) {
        console_ << "     Cutoff radius temporarily " << (direction < 0 ? "reduced" : "increased")
                 << " to " << num(radius) << "\n";
    }
    // Why the walk was not made: no radius holds the bounds, or the radius cannot grow.
    void nearestUsed(bool radiusCannotGrow, int m) {
        console_ << "     Warning: ";
        if (radiusCannotGrow)
            console_ << "A cutoff radius of zero or less cannot grow";
        else
            console_ << "No cutoff radius gives " << MIN_NEIGHBORS << " to " << MAX_NEIGHBORS
                     << " neighbors";
        console_ << "; the " << m << " nearest data are used.\n";
    }

  private:
    std::ostream& console_;
    bool limitWarned_ = false;
    bool minimumWarned_ = false;
};

bool withinBounds(int count) {
    return count >= MIN_NEIGHBORS && count <= MAX_NEIGHBORS;
}

void enterAll(const VariogramModel& model, const float x[], const float y[], const int index[],
              const float distance[], int count, KrigingWork& work) {
    for (int m = 0; m < count; ++m) addNeighbor(model, x, y, index[m], distance[m], m, work);
}

// Keeps, in order, the listed data within a smaller radius.
int keepWithin(int index[], float distance[], int count, float radius) {
    int kept = 0;
    for (int k = 0; k < count; ++k)
        if (distance[k] <= radius) {
            index[kept] = index[k];
            distance[kept] = distance[k];
            ++kept;
        }
    return kept;
}

}  // namespace

// The walk is printed as it is described, a scan of the data per radius; the data are scanned
// only for the first radius, though, and once more if the radius grew, and entered into the
// system only at the radius where the walk lands.
SearchOutcome searchNeighbors(const VariogramModel& model, const float x[], const float y[], int n,
                              float x0, float y0, float& radius, KrigingWork& work,
                              std::ostream& console) {
    const float start = radius;
    int* index = work.within;
    float* distance = work.withinDistance;
    int count = dataWithin(x, y, n, x0, y0, radius, index, distance, MAX_DATA);
    if (withinBounds(count)) {
        enterAll(model, x, y, index, distance, count, work);
        return {count, false};
    }
    SearchReport report(console);
    // The list holds every datum inside the first radius; with more than MAX_NEIGHBORS there,
    // the nearest MAX_NEIGHBORS + 1 of all data are among them.
    bool listed = count <= MAX_DATA;
    RadiusBand band = count > MAX_NEIGHBORS && listed ? radiusBandOf(distance, count)
                                                      : radiusBand(x, y, n, x0, y0);
    int first = band.direction(radius);
    if (first > 0 && !(radius > 0)) {
        report.warn(first);
        count = gatherNearest(model, x, y, n, x0, y0, work);
        report.nearestUsed(true, count);
        return {count, true};
    }
    if (!band.reachable()) {
        report.warn(first);
        count = gatherNearest(model, x, y, n, x0, y0, work);
        report.nearestUsed(false, count);
        return {count, true};
    }
    if (changesToLand(band, radius) == WALK_NEVER_LANDS) {
        report.warn(first);
        radius = first > 0 ? band.low : band.belowHigh;
        report.radiusChanged(radius, first);
    } else {
        for (int direction = first; direction != 0; direction = band.direction(radius)) {
            report.warn(direction);
            radius = changedRadius(radius, direction);
            report.radiusChanged(radius, direction);
        }
    }
    if (listed && radius <= start)
        count = keepWithin(index, distance, count, radius);
    else
        count = dataWithin(x, y, n, x0, y0, radius, index, distance, MAX_DATA);
    enterAll(model, x, y, index, distance, count, work);
    return {count, false};
}
