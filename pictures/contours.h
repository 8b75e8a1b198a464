#pragma once
// Contour lines of values at the nodes of a regular grid, traced by marching squares, and the
// regions above a level that filled contours are painted from.
//
// A node counts as above a level when its value is at least the level, so a line passes exactly
// through nodes that equal it.  A cell whose corners alternate (a saddle) is resolved by the mean
// of its four corners, the same rule for every level: lines of one level join across cells
// without a gap, and lines of two levels never cross.  Every line runs with the higher values on
// its left (x east, y north), which is what lets the region above a level be closed along the
// grid's border.  Cost: one pass over the cells per level and a walk over the crossings found;
// memory two entries per node.
#include <vector>

#include "plot_axes.h"

// Values at the nodes, value(c, r) = values[r * nx + c], c from west to east and r from south
// to north, at x = x0 + c * dx and y = y0 + r * dy (dx and dy positive).
struct NodeGrid {
    int nx = 0, ny = 0;
    double x0 = 0, dx = 1, y0 = 0, dy = 1;
    std::vector<float> values;
    float value(int c, int r) const { return values[static_cast<std::size_t>(r) * nx + c]; }
};

// One line: open lines end on the grid's border; a closed line's last point joins its first
// (the first point is not repeated).  Higher values lie on the left of its direction.
struct ContourLine {
    std::vector<PlotPoint> points;
    bool closed = false;
    int startEdge = -1, endEdge = -1;  // an open line's first and last grid edge, on the border
};

std::vector<ContourLine> traceContours(const NodeGrid& grid, double level);

// The part of the grid's rectangle at or above level, as closed rings (last point not repeated)
// that bound it under the even-odd rule: the closed lines of the level, and each open line joined
// to the next along the border.  lines are traceContours(grid, level), possibly simplified with
// their end points kept, so that the region's edge is the drawn line itself.
std::vector<std::vector<PlotPoint>> regionAbove(const NodeGrid& grid, double level,
                                                const std::vector<ContourLine>& lines);

// The multiples of interval strictly between lo and hi (a level at an extreme would only touch
// single nodes), at most maxLevels of them (none when the interval is not positive).
std::vector<double> contourLevels(double lo, double hi, double interval, int maxLevels = 1000);

// The points of a polyline that keep it within tolerance of the original (Douglas and Peucker's
// reduction, iterative so a long line cannot exhaust the stack); the end points always stay.  A
// closed line keeps its first point.  Cost: n log n for a smooth line, n^2 at worst.
std::vector<PlotPoint> simplifiedLine(const std::vector<PlotPoint>& points, double tolerance);
