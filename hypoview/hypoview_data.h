#pragma once
// What hypoview holds in memory for the whole run: the hypocentres and the surface grid, at the
// fixed capacities the messages name.  Every real is single precision.
#include "grid_file.h"

constexpr int NTGRID = 101;
constexpr int MAX_HYPOCENTERS = 2500;

// Alpha, Beta, Gamma (x, y, z) of each hypocentre; Gamma is positive upward, so depth below the
// reference level is negative.
struct Hypocenters {
    float hx[MAX_HYPOCENTERS];
    float hy[MAX_HYPOCENTERS];
    float hz[MAX_HYPOCENTERS];
    int nh = 0;
};

// grid[ix][iy] is the surface's Gamma at x = x0 + ix * dx, y = y0 + iy * dy, with x0, dx, x1 and
// y0, dy, y1 the header values as read.  npoints = nx * ny, 0 when no grid was read: it is the
// program's test for the presence of a grid.
struct SurfaceGrid {
    GridHeader header;
    float grid[NTGRID][NTGRID] = {};
    int npoints = 0;
};
