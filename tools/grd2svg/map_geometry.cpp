#include "map_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double PIXELS_PER_AXIS_TICK = 110;

void extent(const GridAxis& axis, int count, bool cells, double& lo, double& hi) {
    double end = axis.min + double(count - 1) * axis.spacing;
    double half = cells || count < 2 ? 0.5 * std::fabs(axis.spacing) : 0;
    lo = std::min<double>(axis.min, end) - half;
    hi = std::max<double>(axis.min, end) + half;
}

}  // namespace

PlotPoint MapGeometry::grid(double x, double y) const {
    const PlotArea& a = frame.area;
    double gx = frame.x.lo + (x - a.left) / a.width * (frame.x.hi - frame.x.lo);
    double t = (y - a.top) / a.height;
    if (section) return {gx, -(frame.y.lo + t * (frame.y.hi - frame.y.lo))};
    return {gx, frame.y.hi - t * (frame.y.hi - frame.y.lo)};
}

MapGeometry mapGeometry(const GridHeader& h, bool section, bool cells, double exaggeration,
                        double left, double top) {
    double xlo, xhi, ylo, yhi;
    extent(h.x, h.nx, cells, xlo, xhi);
    extent(h.y, h.ny, cells, ylo, yhi);
    double scale = std::min(MAP_WIDTH / (xhi - xlo), MAP_HEIGHT / ((yhi - ylo) * exaggeration));
    MapGeometry g;
    g.section = section;
    g.frame.area = {left, top, (xhi - xlo) * scale, (yhi - ylo) * scale * exaggeration};
    int xTicks = std::max(2, int(g.frame.area.width / PIXELS_PER_AXIS_TICK));
    int yTicks = std::max(2, int(g.frame.area.height / PIXELS_PER_AXIS_TICK));
    if (section) {
        g.frame.x = linearAxis(xlo, xhi, "distance x", xTicks);
        g.frame.y = depthAxis(-yhi, -ylo, "depth", yTicks);
    } else {
        g.frame.x = linearAxis(xlo, xhi, "x (east)", xTicks);
        g.frame.y = linearAxis(ylo, yhi, "y (north)", yTicks);
    }
    return g;
}
