#pragma once
// Contour lines of values at the nodes of a regular grid, traced by marching squares.
//
// A node counts as above a level when its value is at least the level, so a line passes exactly
// through nodes that equal it.  A cell whose corners alternate (a saddle) is resolved by the mean
// of its four corners, the same rule for every level: lines of one level join across cells
// without a gap, and lines of two levels never cross.  Cost: one pass over the cells per level
// and a walk over the crossings found; memory two entries per node.
#include <vector>

#include "plot_axes.h"

// Values at the nodes, value(c, r) = values[r * nx + c], c from west to east and r from south
// to north, at x = x0 + c * dx and y = y0 + r * dy.
struct NodeGrid {
    int nx = 0, ny = 0;
    double x0 = 0, dx = 1, y0 = 0, dy = 1;
    std::vector<float> values;
    float value(int c, int r) const { return values[static_cast<std::size_t>(r) * nx + c]; }
};

// One line: open lines end on the grid's border; a closed line's last point joins its first
// (the first point is not repeated).
struct ContourLine {
    std::vector<PlotPoint> points;
    bool closed = false;
};

std::vector<ContourLine> traceContours(const NodeGrid& grid, double level);

// The multiples of interval strictly between lo and hi (a level at an extreme would only touch
// single nodes), at most maxLevels of them (none when the interval is not positive).
std::vector<double> contourLevels(double lo, double hi, double interval, int maxLevels = 1000);
