#pragma once
// The choice of the data around one grid point: every datum within a cutoff radius that is
// adjusted for this point alone until between MIN_NEIGHBORS and MAX_NEIGHBORS are inside.  As the
// neighbours are found, the variogram block of the kriging system and its right-hand side are
// filled.
#include <iostream>

#include "capacities.h"
#include "coefficients.h"
#include "lu.h"

// Work arrays of one kriging call.  The caller owns them for the whole run and they are reused
// from one grid point to the next, so that a call allocates nothing.
struct KrigingWork {
    int neighbor[MAX_NEIGHBORS];           // dataset indices, in dataset order
    float matrix[LU_COLUMNS][LU_COLUMNS];  // the kriging system, factored in place by the solve
    float savedBlock[MAX_NEIGHBORS][MAX_NEIGHBORS];  // its variogram block before the solve
    float rhs[LU_COLUMNS];  // model values from the neighbours to the point, then the weights
    float savedRhs[MAX_NEIGHBORS];
    int pivot[LU_COLUMNS];
    float nearest[MAX_NEIGHBORS];  // distances while the nearest data are chosen
};

constexpr double RADIUS_SHRINK = 0.75;
constexpr double RADIUS_GROWTH = 1.2;
// When the count of data inside the radius jumps past both bounds at one distance (duplicated
// data), no radius will do and the radius would swing to and fro for ever.  Once it has turned
// back, at most this many further changes are tried before the nearest data are taken instead.
constexpr int MAX_RADIUS_CHANGES = 200;

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
// warned about once.  The changes compound.
SearchOutcome searchNeighbors(const VariogramModel& model, const float x[], const float y[], int n,
                              float x0, float y0, float& radius, KrigingWork& work,
                              std::ostream& console = std::cout);
