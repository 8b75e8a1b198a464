#pragma once
// Labels on contour lines: each near the middle of its line, turned along it, in a gap cut in the
// line, never touching another label, another line, a data dot, the frame or the masked part of
// the map.  A
// line too short for its label, or with no free straight stretch for it, stays unlabelled.
// Cost: for each line a walk along it and, at each place tried, a test against the labels
// placed so far and the dots.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "label_boxes.h"
#include "plot_axes.h"

// One contour line in picture coordinates.
struct PictureLine {
    std::vector<PlotPoint> points;
    bool closed = false;
    std::size_t level = 0;  // the index of its level
};

struct ContourLabel {
    std::size_t line = 0;  // which line it labels
    std::string text;
    LabelBox box;                   // where the text stands, without margin
    double gapFrom = 0, gapTo = 0;  // the stretch of the line cut away, as lengths along it
};

// What labels must keep clear of.
struct LabelSpace {
    PlotArea area;
    std::vector<LabelBox> dots;
    std::function<bool(double x, double y)> visible;  // false where the map is masked
};

constexpr int LABEL_FONT_SIZE = 11;
// The least room between a label and anything it must not touch, in pixels.
constexpr double LABEL_CLEARANCE = 2;

// Places a label on each line whose level has a text (texts[level] empty: unlabelled level).
std::vector<ContourLabel> placeContourLabels(const std::vector<PictureLine>& lines,
                                             const std::vector<std::string>& texts,
                                             const LabelSpace& space);

// The lines as paths, each labelled one with its gap, in a group per level (lines must come
// level by level) that names it; labelled levels drawn heavier.
void writeContourLines(std::ostream& out, const std::vector<PictureLine>& lines,
                       const std::vector<ContourLabel>& labels,
                       const std::vector<std::string>& texts,
                       const std::vector<std::string>& levelNames);

// The labels, each "translate(x y) rotate(degrees)" about its box's centre.
void writeContourLabels(std::ostream& out, const std::vector<ContourLabel>& labels);
