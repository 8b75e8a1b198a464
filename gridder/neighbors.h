#pragma once
// The choice of the data around one grid point: every datum within a cutoff radius that is
// adjusted for this point alone until between MIN_NEIGHBORS and MAX_NEIGHBORS are inside.  As the
// neighbours are found, the variogram block of the kriging system and its right-hand side are
// filled.
#include <iostream>

#include "capacities.h"
#include "coefficients.h"
#include "lu.h"
#include "radius_walk.h"

// Work arrays of one kriging call.  The caller owns them for the whole run and they are reused
// from one grid point to the next, so that a call allocates nothing.
struct KrigingWork {
    int neighbor[MAX_NEIGHBORS];     // dataset indices, in dataset order
    float neighborX[MAX_NEIGHBORS];  // and their positions
    float neighborY[MAX_NEIGHBORS];
    float matrix[LU_COLUMNS][LU_COLUMNS];  // the kriging system, factored in place by the solve
    float savedBlock[MAX_NEIGHBORS][MAX_NEIGHBORS];  // its variogram block before the solve
    float rhs[LU_COLUMNS];  // model values from the neighbours to the point, then the weights
    float savedRhs[MAX_NEIGHBORS];
    int pivot[LU_COLUMNS];
    float nearest[MAX_NEIGHBORS];    // distances while the nearest data are chosen
    int within[MAX_DATA];            // the data inside the first radius tried, in dataset order,
    float withinDistance[MAX_DATA];  // and their distances
};

// Enters point i, at distance d0 from the point being kriged, as neighbour m: its model value to
// the point on the right-hand side, a zero diagonal, and its model values to the earlier
// neighbours in row and column m.
void addNeighbor(const VariogramModel& model, const float x[], const float y[], int i, float d0,
                 int m, KrigingWork& work);

// Scans the data in dataset order and enters every point within the radius as a neighbour.
// Returns the count, or MAX_NEIGHBORS + 1 at the moment one more than MAX_NEIGHBORS is found.
int gatherNeighbors(const VariogramModel& model, const float x[], const float y[], int n, float x0,
                    float y0, float radius, KrigingWork& work);

// Enters the min(n, MAX_NEIGHBORS) data nearest to the point (of equally distant data the earlier
// ones), in dataset order.  Returns their count.
int gatherNearest(const VariogramModel& model, const float x[], const float y[], int n, float x0,
                  float y0, KrigingWork& work);

struct SearchOutcome {
    int count = 0;        // neighbours entered
    bool gaveUp = false;  // no radius held the bounds: the nearest data were entered instead
};

// The adaptive search with its report on console: the radius shrinks by RADIUS_SHRINK while too
// many data are inside and grows by RADIUS_GROWTH while too few, each change printed, each bound
// warned about once.  The changes compound, and the walk goes on until it lands, however many
// changes that takes.  Only when no radius can hold MIN_NEIGHBORS to MAX_NEIGHBORS data (the
// count jumps past both bounds at one distance), or a radius of zero or less would have to grow,
// are the nearest data entered instead.  A walk that rounding would keep from ever landing
// (a band of radii narrower than the rounding, a radius that a change leaves as it is) goes
// straight to the edge of the band on its side.
SearchOutcome searchNeighbors(const VariogramModel& model, const float x[], const float y[], int n,
                              float x0, float y0, float& radius, KrigingWork& work,
                              std::ostream& console = std::cout);
