#pragma once
// A map of one gridded array as an SVG picture: one cell per node filled from the colour scale
// (the smallest value at its bottom colour, the largest at its top), contour lines at round
// levels with every other one labelled, a colour bar, axes at equal scale in x and y, a title,
// and positions drawn on top.  heater's sections are drawn with depth growing downward and
// their isotherms labelled in degrees.  Cost: linear in the nodes per contour level; 61 x 61
// nodes draw in a few milliseconds.
#include <ostream>
#include <string>
#include <vector>

#include "contours.h"
#include "grid_arrays.h"
#include "plot_axes.h"

struct MapOptions {
    std::string title;
    double interval = 0;   // contour interval; 0 chooses a round one for about ten levels
    bool section = false;  // heater's (x, z) section, z the height: depth = -z drawn downward
    std::vector<PlotPoint> points;
    std::string pointsName;
};

// More levels than this are refused rather than drawn as a solid smear.
constexpr int MAX_CONTOUR_LEVELS = 200;

// The nodes of the array, the southern row (y minimum) first.
NodeGrid nodesOf(const GridArray& array);

// The contour levels and the step they are multiples of.  False with a message when the
// interval would give more than MAX_CONTOUR_LEVELS levels.
bool mapLevels(double lo, double hi, double interval, std::vector<double>& levels,
               std::string& error);

// False (nothing written) with a message when the levels are refused.
bool writeGridMap(std::ostream& out, const GridArray& array, const MapOptions& options,
                  std::string& error);
