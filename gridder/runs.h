#pragma once
// The two runs of gridder's dialogue: the first forms the empirical variogram for the user to fit,
// the second kriges a grid with the fitted polynomial.
#include <string>

#include "binning.h"
#include "capacities.h"
#include "extent.h"
#include "neighbors.h"

// The dataset as read, with its extent.
struct Dataset {
    const float* x;
    const float* y;
    const float* z;
    int n;
    DataExtent extent;
};

// Rows indexed by iy (0 = y minimum), columns by ix (0 = x minimum).
struct KrigingGrids {
    float estimate[MAX_GRID][MAX_GRID];
    float deviation[MAX_GRID][MAX_GRID];
};

// Each returns the program's exit status.
int runVariogram(const Dataset& data, VariogramBins& bins);
int runKriging(const Dataset& data, KrigingGrids& grids, KrigingWork& work);

// A dataset this run cannot use: the message, the pause prompt, exit status -1.
[[noreturn]] void refuseDataset(const std::string& message);

// Distances are measured against the diagonal of the data; one beyond the float range (data near
// +-3.4e38) would turn every bin edge and every model value into an infinity or not a number.
void refuseEndlessDiagonal(const DataExtent& extent);
