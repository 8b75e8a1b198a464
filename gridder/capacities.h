#pragma once
// Fixed capacities of gridder's arrays.  The main routine owns every array at these sizes for the
// whole run; the routines only fill and read them.

constexpr int MAX_DATA = 4000;     // data points read from the file
constexpr int MAX_BINS = 200;      // distance bins of the variogram
constexpr int MIN_BINS = 20;       // fewest distance bins offered
constexpr int MAX_GRID = 61;       // grid points per direction
constexpr int MAX_NEIGHBORS = 50;  // most data points in one kriging system
constexpr int MIN_NEIGHBORS = 6;   // fewest data points in one kriging system
