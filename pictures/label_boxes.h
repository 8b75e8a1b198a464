#pragma once
// Boxes that labels occupy in a picture, turned to any angle, and whether two of them meet: what
// keeps contour labels, names and data dots apart.  Cost: constant per pair of boxes.
#include "plot_axes.h"

// A rectangle centred on (x, y), of half-width `across` along the direction `angle` (radians,
// picture coordinates: y downward) and half-height `up` across it.
struct LabelBox {
    double x = 0, y = 0, across = 0, up = 0, angle = 0;
    PlotPoint corner(int k) const;  // k = 0..3, in order round the box
};

// The box of a text of the given width and height centred on (x, y), turned by angle, with
// margin added on every side.
LabelBox textBox(double x, double y, double width, double height, double angle, double margin);

// An upright square box around a dot.
LabelBox dotBox(double x, double y, double radius);

// True when the boxes share any point (separating axes of the two rectangles).
bool boxesMeet(const LabelBox& a, const LabelBox& b);

// True when the whole box lies inside the area shrunk by margin on every side.
bool boxInside(const LabelBox& box, const PlotArea& area, double margin);

// True when the segment from a to b passes through the box.
bool segmentMeetsBox(PlotPoint a, PlotPoint b, const LabelBox& box);
