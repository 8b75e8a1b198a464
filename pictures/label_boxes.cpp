#include "label_boxes.h"

#include <algorithm>
#include <cmath>

namespace {

// The extent of the box's projection onto the unit direction (ux, uy).
void project(const LabelBox& box, double ux, double uy, double& lo, double& hi) {
    lo = INFINITY, hi = -INFINITY;
    for (int k = 0; k < 4; ++k) {
        PlotPoint p = box.corner(k);
        double t = p.x * ux + p.y * uy;
        lo = std::min(lo, t);
        hi = std::max(hi, t);
    }
}

bool separatedAlong(const LabelBox& a, const LabelBox& b, double angle) {
    double ux = std::cos(angle), uy = std::sin(angle), aLo, aHi, bLo, bHi;
    project(a, ux, uy, aLo, aHi);
    project(b, ux, uy, bLo, bHi);
    return aHi < bLo || bHi < aLo;
}

}  // namespace

PlotPoint LabelBox::corner(int k) const {
    static constexpr double SIGNS[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    double c = std::cos(angle), s = std::sin(angle);
    double along = SIGNS[k][0] * across, side = SIGNS[k][1] * up;
    return {x + along * c - side * s, y + along * s + side * c};
}

LabelBox textBox(double x, double y, double width, double height, double angle, double margin) {
    return {x, y, width / 2 + margin, height / 2 + margin, angle};
}

LabelBox dotBox(double x, double y, double radius) {
    return {x, y, radius, radius, 0};
}

bool boxesMeet(const LabelBox& a, const LabelBox& b) {
    constexpr double QUARTER_TURN = 1.5707963267948966;
    for (double angle : {a.angle, a.angle + QUARTER_TURN, b.angle, b.angle + QUARTER_TURN})
        if (separatedAlong(a, b, angle)) return false;
    return true;
}

bool boxInside(const LabelBox& box, const PlotArea& area, double margin) {
    for (int k = 0; k < 4; ++k) {
        PlotPoint p = box.corner(k);
        if (p.x < area.left + margin || p.x > area.left + area.width - margin ||
            p.y < area.top + margin || p.y > area.top + area.height - margin)
            return false;
    }
    return true;
}

bool segmentMeetsBox(PlotPoint a, PlotPoint b, const LabelBox& box) {
    // A segment is a box of no height along its own direction.
    double length = std::hypot(b.x - a.x, b.y - a.y);
    LabelBox segment{(a.x + b.x) / 2, (a.y + b.y) / 2, length / 2, 0,
                     std::atan2(b.y - a.y, b.x - a.x)};
    return boxesMeet(segment, box);
}
