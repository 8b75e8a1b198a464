#include "contours.h"

#include <cmath>

namespace {

// Edges are numbered from their lower-left node: 2 * node for the edge to the east, 2 * node + 1
// for the edge to the north.
struct Tracer {
    const NodeGrid& grid;
    double level;
    std::vector<int> links;  // two neighbouring edges per edge, -1 when absent
    std::vector<bool> seen;

    int node(int c, int r) const { return r * grid.nx + c; }
    int east(int c, int r) const { return 2 * node(c, r); }
    int north(int c, int r) const { return 2 * node(c, r) + 1; }

    void link(int a, int b) {
        for (int from : {a, b}) {
            int to = from == a ? b : a;
            int* slot = &links[2 * static_cast<std::size_t>(from)];
            (slot[0] < 0 ? slot[0] : slot[1]) = to;
        }
    }

    // Where the level crosses an edge, by linear interpolation from the edge's first node, so that
    // both cells sharing the edge find the same point.
    PlotPoint crossing(int edge) const {
        int n = edge / 2, c = n % grid.nx, r = n / grid.nx;
        bool toEast = edge % 2 == 0;
        double a = grid.value(c, r), b = toEast ? grid.value(c + 1, r) : grid.value(c, r + 1);
        double t = (level - a) / (b - a);
        double x = grid.x0 + c * grid.dx, y = grid.y0 + r * grid.dy;
        return toEast ? PlotPoint{x + t * grid.dx, y} : PlotPoint{x, y + t * grid.dy};
    }

    void cell(int c, int r) {
        double sw = grid.value(c, r), se = grid.value(c + 1, r);
        double ne = grid.value(c + 1, r + 1), nw = grid.value(c, r + 1);
        int kind = (sw >= level) | (se >= level) << 1 | (ne >= level) << 2 | (nw >= level) << 3;
        int bottom = east(c, r), top = east(c, r + 1), left = north(c, r), right = north(c + 1, r);
        bool centreAbove = (sw + se + ne + nw) / 4 >= level;
        switch (kind) {
            case 1: case 14: link(left, bottom); break;
            case 2: case 13: link(bottom, right); break;
            case 3: case 12: link(left, right); break;
            case 4: case 11: link(right, top); break;
            case 6: case 9: link(bottom, top); break;
            case 7: case 8: link(left, top); break;
            case 5:  // above at south-west and north-east
                if (centreAbove) link(bottom, right), link(left, top);
                else link(left, bottom), link(right, top);
                break;
            case 10:  // above at south-east and north-west
                if (centreAbove) link(left, bottom), link(right, top);
                else link(bottom, right), link(left, top);
                break;
            default: break;
        }
    }

    ContourLine walk(int start) {
        ContourLine line;
        int previous = -1, current = start;
        while (current >= 0 && !seen[current]) {
            seen[current] = true;
            line.points.push_back(crossing(current));
            const int* slot = &links[2 * static_cast<std::size_t>(current)];
            int next = slot[0] != previous ? slot[0] : slot[1];
            if (next == start) line.closed = true;
            previous = current;
            current = next;
        }
        return line;
    }
};

bool hasLength(const ContourLine& line) {
    for (const PlotPoint& p : line.points)
        if (p.x != line.points[0].x || p.y != line.points[0].y) return true;
    return false;
}

}  // namespace

std::vector<ContourLine> traceContours(const NodeGrid& grid, double level) {
    std::vector<ContourLine> lines;
    if (grid.nx < 2 || grid.ny < 2 || !std::isfinite(level)) return lines;
    std::size_t edges = 2 * static_cast<std::size_t>(grid.nx) * grid.ny;
    Tracer tracer{grid, level, std::vector<int>(2 * edges, -1), std::vector<bool>(edges, false)};
    for (int r = 0; r + 1 < grid.ny; ++r)
        for (int c = 0; c + 1 < grid.nx; ++c) tracer.cell(c, r);
    // Open lines first, from either end on the border; what remains are closed loops.
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t e = 0; e < edges; ++e) {
            const int* slot = &tracer.links[2 * e];
            bool end = slot[0] >= 0 && slot[1] < 0;
            if (tracer.seen[e] || slot[0] < 0 || (pass == 0 && !end)) continue;
            ContourLine line = tracer.walk(static_cast<int>(e));
            if (hasLength(line)) lines.push_back(std::move(line));
        }
    return lines;
}

std::vector<double> contourLevels(double lo, double hi, double interval, int maxLevels) {
    std::vector<double> levels;
    if (!(interval > 0) || !std::isfinite(interval) || !(hi > lo)) return levels;
    double first = std::floor(lo / interval) + 1;
    for (double k = first; k * interval < hi && static_cast<int>(levels.size()) < maxLevels; ++k)
        if (k * interval > lo) levels.push_back(k * interval);
    return levels;
}
