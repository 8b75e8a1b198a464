#pragma once
// Ordinary kriging of one point, exactly as the second run does it for each grid node: the
// neighbour search with its console lines, the kriging system, its solve, the weight check with
// its warning, the estimate and the variance.  Tools that krige single points (cross-validation)
// call this, so that their numbers equal the program's digit for digit.
#include <ostream>

#include "coefficients.h"
#include "neighbors.h"

struct PointEstimate {
    float estimate = 0;
    float variance = 0;  // the kriging variance times vMax; never negative
    // The same as computed, before a negative value (or one that is not a number) was set to 0.
    float computedVariance = 0;
    float standardDeviation = 0;
    int neighbors = 0;  // data in the system (work.neighbor, work.matrix and work.rhs hold it)
    bool searchGaveUp = false;    // no radius held the bounds: the nearest data were used
    bool illConditioned = false;  // the weights missed a sum of 1 by more than 0.02, or had none
    // Neighbours at one position made the system singular: each such group was kriged as one
    // datum with the mean of its values (work.neighbor then holds the first of each group, and
    // the console still counts every datum found).
    bool mergedCoincident = false;
    // A pivot of the solve was 0 and became 1e-20: the system was singular, and the estimate and
    // the variance rest on that substitute.
    bool singular = false;
};

// Kriges (x0, y0) from the n data.  cutoff is this point's working copy of the cutoff radius:
// the search may shrink or enlarge it, and the caller sees the final radius.  Every line that the
// program shows for the point ("Begin kriging", the search, the count, the warning) goes to
// console.  Cost: one or two scans of the data however many radii are tried, m^2/2 model values
// and an O(m^3) solve; nothing is allocated.
PointEstimate krigePoint(const VariogramModel& model, float vMax, const float x[], const float y[],
                         const float z[], int n, float x0, float y0, float& cutoff,
                         KrigingWork& work, std::ostream& console);
