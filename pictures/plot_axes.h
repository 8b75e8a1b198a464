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

// The largest magnitude an axis end may have, so that the span of any axis and the steps along
// it stay finite numbers.
constexpr double LARGEST_AXIS_VALUE = 1e300;
// Brings an axis's ends within +-LARGEST_AXIS_VALUE (a logarithmic one's within
// 1/LARGEST_AXIS_VALUE .. LARGEST_AXIS_VALUE); an end that is NaN takes the other end's value
// (0, or 1 on a logarithmic axis, when both are).
void clampRange(PlotAxis& axis);
// Widens a linear axis to the round ticks around its values (a degenerate range by one step on
// either side); a logarithmic axis to whole decades.  The range is clamped first, so every axis
// ends with finite round ticks.
void roundOut(PlotAxis& axis);
// The step and the values of an axis's ticks (for a logarithmic axis the step is one decade).
RoundStep axisStep(const PlotAxis& axis);
std::vector<double> axisTicks(const PlotAxis& axis);
// The label of each tick: a linear axis's with the decimals of its step; a logarithmic axis's all
// in plain decimals or all as powers of ten (10⁻⁶), never mixed.
std::vector<std::string> axisTickLabels(const PlotAxis& axis);

// How far left of the area the y axis's label stands: clear of the widest tick label.
double yLabelOffset(const PlotAxis& axis);
// The frame's box, tick marks with their labels (a label that would touch its neighbour left
// out), and the two axis labels.
void writeAxes(std::ostream& out, const PlotFrame& frame);
// A title centred above the area.
void writeTitle(std::ostream& out, const PlotFrame& frame, const std::string& title);
// A title centred on the span from left of the given width, its font made smaller (down to 11)
// and then its text cut in the middle with an ellipsis until it fits.
void writeFittedTitle(std::ostream& out, double left, double width, double baseline,
                      const std::string& title);
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
