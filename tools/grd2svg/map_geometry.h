#pragma once
// Where a map's values stand in its picture: the frame of the map with its axes, and the way from
// grid coordinates to picture positions and back.  A section (heater's x, z with z the height)
// is drawn with depth, -z, growing downward; its vertical scale may be exaggerated.
#include <string>

#include "grid_arrays.h"
#include "plot_axes.h"

struct MapGeometry {
    PlotFrame frame;
    bool section = false;
    double px(double x) const { return frame.px(x); }
    double py(double y) const { return frame.py(section ? -y : y); }
    PlotPoint picture(PlotPoint p) const { return {px(p.x), py(p.y)}; }
    // The grid coordinates at a picture position.
    PlotPoint grid(double x, double y) const;
    // Pixels per grid unit across and down.
    double xScale() const { return frame.area.width / (frame.x.hi - frame.x.lo); }
    double yScale() const { return frame.area.height / (frame.y.hi - frame.y.lo); }
};

// The largest map drawn, in pixels; a map keeps its shape inside it.
constexpr double MAP_WIDTH = 640, MAP_HEIGHT = 540;

// The geometry of an array's map with its area's top-left corner at (left, top): the frame
// reaches the outermost nodes, or half a spacing beyond them when the map is drawn cell by cell
// (and always along an axis of one node).  The vertical scale is `exaggeration` times the
// horizontal.
MapGeometry mapGeometry(const GridHeader& header, bool section, bool cells, double exaggeration,
                        double left, double top);
