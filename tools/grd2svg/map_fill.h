#pragma once
// The colours of a map: filled contours (the bands between successive levels, each in the
// colour of its middle value) or one cell per node, and the grid they are drawn from.  Bands are
// painted as the regions at or above each level, lowest first, each over the one before, so
// neighbouring bands share their edge without a seam and every edge is a contour line itself.
#include <ostream>
#include <string>
#include <vector>

#include "contours.h"
#include "map_geometry.h"

// The colour scale's share of a value, 0 at lo and 1 at hi (0.5 for a constant field).
double colourShare(double value, double lo, double hi);

// The middle of band k, from levels[k - 1] (lo for k = 0) to levels[k] (hi for the last band).
double bandMiddle(const std::vector<double>& levels, std::size_t k, double lo, double hi);

// Contour points all levels of a map may hold before the grid is averaged further: about 8 MB of
// lines and bands together.
constexpr std::size_t CROSSING_BUDGET = 300000;

// The grid a map is drawn from: the nodes themselves, or, where they are finer than the map's
// pixels or their contours would pass CROSSING_BUDGET points, the mean of the nodes around
// fewer nodes over the same extent.  reduced tells whether it was averaged.
NodeGrid drawnGrid(const NodeGrid& nodes, const std::vector<double>& levels, double pixelsAcross,
                   double pixelsDown, bool& reduced);

// The nodes averaged to across x up nodes spanning the same extent (each the mean of the nodes
// within half the new spacing of it).
NodeGrid averagedGrid(const NodeGrid& nodes, int across, int up);

// Edges of the grid crossed by a level, summed over the levels.
std::size_t crossingCount(const NodeGrid& grid, const std::vector<double>& levels);

// The filled bands: the map's area in the lowest band's colour, then for each level the rings of
// its region above (lines[k] are level k's lines, simplified) in the colour of the band above it.
void writeBands(std::ostream& out, const MapGeometry& g, const NodeGrid& grid,
                const std::vector<double>& levels,
                const std::vector<std::vector<ContourLine>>& lines, double lo, double hi);

// One rectangle per node, centred on it and as large as the spacing; a grid of more than 400
// nodes along a side is averaged to 400 first (its cells would be smaller than a pixel).
void writeCells(std::ostream& out, const MapGeometry& g, const NodeGrid& grid, double lo,
                double hi);

// "M x,y L x,y ..." of picture points, with one decimal (a tenth of a pixel).
void writePathPoints(std::ostream& out, const std::vector<PlotPoint>& points, bool close);
