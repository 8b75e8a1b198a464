#pragma once
// A map of one gridded array as an SVG picture.  By default filled contours: the bands between
// successive contour levels, traced by the same interpolation as the lines and each in the colour
// of its middle value, with the lines on top reaching the frame and labelled in gaps cut in them;
// or one cell per node.  A colour bar stepped at the levels, axes at equal scale in x and y (a
// section's depth may be exaggerated), a title fitted to the picture, positions on top and the
// parts of the map far from every datum greyed out.  heater's sections are drawn with depth
// growing downward and their isotherms labelled in degrees.
//
// Cost: linear in the nodes for each contour level.  A grid finer than the map's pixels, or one
// whose lines would pass CROSSING_BUDGET points, is drawn from its nodes averaged to fewer, so
// the picture's size is bounded whatever the grid (a few hundred kilobytes for a smooth field,
// below 30 MB for any).
#include <ostream>
#include <string>
#include <vector>

#include "contours.h"
#include "grid_arrays.h"
#include "plot_axes.h"

struct MapOptions {
    std::string title;
    bool ownTitle = false;    // the title as given, without the array's caption
    double interval = 0;      // contour interval; 0 chooses a round one for about ten levels
    bool section = false;     // heater's (x, z) section, z the height: depth = -z drawn downward
    bool cells = false;       // one cell per node instead of filled contours
    double exaggeration = 1;  // the vertical scale over the horizontal
    std::string unit, xLabel, yLabel;
    std::vector<PlotPoint> points;
    std::string pointsName;
    double maskDistance = 0;  // grey beyond this distance from every datum; 0: no mask
    bool maskAuto = false;    // the distance from the data (AUTO_MASK_FACTOR)
};

// What a map had to leave out or change, for the tool to tell.
struct MapNotes {
    std::size_t outside = 0;           // positions outside the grid, not drawn
    double maskDistance = 0;           // the distance the mask took
    int drawnAcross = 0, drawnUp = 0;  // the averaged grid, when the map was drawn from one
};

// More levels than this are refused rather than drawn as a solid smear.
constexpr int MAX_CONTOUR_LEVELS = 200;

// The nodes of the array, the southern row (y minimum) first.
NodeGrid nodesOf(const GridArray& array);

// The contour levels.  False with a message when the interval would give more than
// MAX_CONTOUR_LEVELS levels.
bool mapLevels(double lo, double hi, double interval, std::vector<double>& levels,
               std::string& error);

// False (nothing written) with a message when the levels or the mask are refused.
bool writeGridMap(std::ostream& out, const GridArray& array, const MapOptions& options,
                  std::string& error, MapNotes* notes = nullptr);
