#include "map_fill.h"

#include <algorithm>
#include <cmath>

#include "colour_scale.h"
#include "svg_writer.h"

namespace {

// The most cells a cell-by-cell map draws along a side: each then still a pixel or more.
constexpr int MOST_CELLS = 400;

double nodeX(const NodeGrid& g, int c) {
    return g.x0 + c * g.dx;
}
double nodeY(const NodeGrid& g, int r) {
    return g.y0 + r * g.dy;
}

}  // namespace

double colourShare(double value, double lo, double hi) {
    return hi > lo ? (value - lo) / (hi - lo) : 0.5;
}

double bandMiddle(const std::vector<double>& levels, std::size_t k, double lo, double hi) {
    double from = k == 0 ? lo : levels[k - 1], to = k < levels.size() ? levels[k] : hi;
    return 0.5 * (from + to);
}

NodeGrid averagedGrid(const NodeGrid& nodes, int across, int up) {
    across = std::clamp(across, 2, std::max(2, nodes.nx));
    up = std::clamp(up, 2, std::max(2, nodes.ny));
    NodeGrid g{across,   up,
               nodes.x0, nodes.dx * (nodes.nx - 1) / (across - 1),
               nodes.y0, nodes.dy * (nodes.ny - 1) / (up - 1),
               {}};
    double stepC = double(nodes.nx - 1) / (across - 1), stepR = double(nodes.ny - 1) / (up - 1);
    g.values.reserve(std::size_t(across) * up);
    for (int r = 0; r < up; ++r) {
        int r0 = std::max(0, int(std::ceil((r - 0.5) * stepR))),
            r1 = std::min(nodes.ny - 1, int(std::floor((r + 0.5) * stepR)));
        for (int c = 0; c < across; ++c) {
            int c0 = std::max(0, int(std::ceil((c - 0.5) * stepC))),
                c1 = std::min(nodes.nx - 1, int(std::floor((c + 0.5) * stepC)));
            double sum = 0;
            int count = 0;
            for (int i = r0; i <= r1; ++i)
                for (int j = c0; j <= c1; ++j) sum += nodes.value(j, i), ++count;
            g.values.push_back(float(count > 0 ? sum / count : nodes.value(c0, r0)));
        }
    }
    return g;
}

std::size_t crossingCount(const NodeGrid& g, const std::vector<double>& levels) {
    // A level crosses an edge when it lies above the edge's smaller value, at most its larger.
    auto between = [&](double a, double b) {
        auto above = [&](double v) {
            return std::upper_bound(levels.begin(), levels.end(), v) - levels.begin();
        };
        return std::size_t(std::abs(above(a) - above(b)));
    };
    std::size_t n = 0;
    for (int r = 0; r < g.ny; ++r)
        for (int c = 0; c < g.nx; ++c) {
            if (c + 1 < g.nx) n += between(g.value(c, r), g.value(c + 1, r));
            if (r + 1 < g.ny) n += between(g.value(c, r), g.value(c, r + 1));
        }
    return n;
}

NodeGrid drawnGrid(const NodeGrid& nodes, const std::vector<double>& levels, double pixelsAcross,
                   double pixelsDown, bool& reduced) {
    int across = std::min(nodes.nx, std::max(2, int(pixelsAcross) + 1));
    int up = std::min(nodes.ny, std::max(2, int(pixelsDown) + 1));
    reduced = across < nodes.nx || up < nodes.ny;
    NodeGrid grid = reduced ? averagedGrid(nodes, across, up) : nodes;
    while (crossingCount(grid, levels) > CROSSING_BUDGET && (across > 2 || up > 2)) {
        across = std::max(2, across / 2), up = std::max(2, up / 2);
        grid = averagedGrid(nodes, across, up);
        reduced = true;
    }
    return grid;
}

void writePathPoints(std::ostream& out, const std::vector<PlotPoint>& points, bool close) {
    for (std::size_t i = 0; i < points.size(); ++i)
        out << (i ? (i == 1 ? " L" : " ") : "M") << SvgNumber{points[i].x, 1} << ','
            << SvgNumber{points[i].y, 1};
    if (close) out << " Z";
}

void writeBands(std::ostream& out, const MapGeometry& g, const NodeGrid& grid,
                const std::vector<double>& levels,
                const std::vector<std::vector<ContourLine>>& lines, double lo, double hi) {
    const PlotArea& a = g.frame.area;
    out << "<g class=\"bands\" stroke=\"none\" fill-rule=\"evenodd\">\n"
        << "<rect x=\"" << SvgNumber{a.left, 2} << "\" y=\"" << SvgNumber{a.top, 2} << "\" width=\""
        << SvgNumber{a.width, 2} << "\" height=\"" << SvgNumber{a.height, 2} << "\" fill=\""
        << colourAt(colourShare(bandMiddle(levels, 0, lo, hi), lo, hi)) << "\"/>\n";
    for (std::size_t k = 0; k < levels.size(); ++k) {
        std::vector<std::vector<PlotPoint>> rings = regionAbove(grid, levels[k], lines[k]);
        if (rings.empty()) continue;
        out << "<path fill=\"" << colourAt(colourShare(bandMiddle(levels, k + 1, lo, hi), lo, hi))
            << "\" d=\"";
        for (std::size_t i = 0; i < rings.size(); ++i) {
            std::vector<PlotPoint> shown;
            shown.reserve(rings[i].size());
            for (const PlotPoint& p : rings[i]) shown.push_back(g.picture(p));
            if (i) out << ' ';
            writePathPoints(out, shown, true);
        }
        out << "\"/>\n";
    }
    out << "</g>\n";
}

void writeCells(std::ostream& out, const MapGeometry& g, const NodeGrid& nodes, double lo,
                double hi) {
    NodeGrid grid = nodes;
    if (nodes.nx > MOST_CELLS || nodes.ny > MOST_CELLS)
        grid = averagedGrid(nodes, std::min(nodes.nx, MOST_CELLS), std::min(nodes.ny, MOST_CELLS));
    double halfX = 0.5 * std::fabs(grid.dx), halfY = 0.5 * std::fabs(grid.dy);
    out << "<g class=\"cells\" shape-rendering=\"crispEdges\">\n";
    for (int r = 0; r < grid.ny; ++r)
        for (int c = 0; c < grid.nx; ++c) {
            double x = nodeX(grid, c), y = nodeY(grid, r);
            double x1 = g.px(x - halfX), x2 = g.px(x + halfX);
            double y1 = g.py(y - halfY), y2 = g.py(y + halfY);
            out << "<rect x=\"" << SvgNumber{std::min(x1, x2), 2} << "\" y=\""
                << SvgNumber{std::min(y1, y2), 2} << "\" width=\""
                << SvgNumber{std::fabs(x2 - x1), 2} << "\" height=\""
                << SvgNumber{std::fabs(y2 - y1), 2} << "\" fill=\""
                << colourAt(colourShare(grid.value(c, r), lo, hi)) << "\"/>\n";
        }
    out << "</g>\n";
}
