#pragma once
// Axes for every plot of the suite: a rectangle of the picture (in pixels) onto which two axes
// map their values, linear or logarithmic, either way up; round ticks with labels, axis labels,
// a title; and curves and markers drawn through that mapping.
#include <ostream>
#include <string>
#include <vector>

#include "round_ticks.h"

struct PlotAxis {
    double lo = 0, hi = 1;
    bool logarithmic = false;  // lo and hi then positive; ticks at whole decades
    bool reversed = false;     // hi at the left (x) or at the bottom (y): depth growing downward
    std::string label;
    int wantedTicks = 5;
};

// Axes by kind (aggregate initialisation would have to name every member).
PlotAxis linearAxis(double lo, double hi, const std::string& label = {}, int wantedTicks = 5);
PlotAxis logAxis(double lo, double hi, const std::string& label = {});
PlotAxis depthAxis(double lo, double hi, const std::string& label = {}, int wantedTicks = 5);

struct PlotArea {
    double left = 0, top = 0, width = 1, height = 1;
};

struct PlotFrame {
    PlotArea area;
    PlotAxis x, y;
    double px(double value) const;  // picture x of an x value
    double py(double value) const;  // picture y of a y value
};

struct PlotPoint {
    double x, y;
};

// Widens a linear axis to the round ticks around its values (a degenerate range by one step on
// either side); a logarithmic axis to whole decades.
void roundOut(PlotAxis& axis);
// The step and the values of an axis's ticks (for a logarithmic axis the step is one decade).
RoundStep axisStep(const PlotAxis& axis);
std::vector<double> axisTicks(const PlotAxis& axis);

// The frame's box, tick marks with their labels, and the two axis labels.
void writeAxes(std::ostream& out, const PlotFrame& frame);
// A title centred above the area.
void writeTitle(std::ostream& out, const PlotFrame& frame, const std::string& title);
// A polyline through the points; a point that is not finite or does not map (a non-positive
// value on a logarithmic axis) breaks it.
void writeCurve(std::ostream& out, const PlotFrame& frame, const std::vector<PlotPoint>& points,
                const std::string& cssClass, const std::string& colour, double width = 2);
// A dot at each point that maps inside the area.
void writeMarkers(std::ostream& out, const PlotFrame& frame, const std::vector<PlotPoint>& points,
                  const std::string& cssClass, const std::string& colour, double radius = 3);
// Text at a picture position; anchor is "start", "middle" or "end".
void writeLabel(std::ostream& out, double x, double y, const std::string& text,
                const std::string& anchor = "start", int fontSize = 13);
