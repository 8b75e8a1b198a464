#include "contours.h"

#include <cmath>

namespace {

// For each pattern of corners above the level (bit 0 south-west, 1 south-east, 2 north-east,
// 3 north-west), the pairs of cell edges its lines join: 0 bottom, 1 right, 2 top, 3 left.  The
// saddles 5 and 10 hold the pairs that cut off their high corners (a centre below the level).
constexpr int SEGMENTS[16][4] = {
    {-1, -1, -1, -1}, {3, 0, -1, -1}, {0, 1, -1, -1}, {3, 1, -1, -1},
    {1, 2, -1, -1},   {3, 0, 1, 2},   {0, 2, -1, -1}, {3, 2, -1, -1},
    {3, 2, -1, -1},   {0, 2, -1, -1}, {0, 1, 3, 2},   {1, 2, -1, -1},
    {3, 1, -1, -1},   {0, 1, -1, -1}, {3, 0, -1, -1}, {-1, -1, -1, -1},
};

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
        // A saddle whose centre is above the level joins its two high corners: the pairs of the
        // opposite saddle.
        if ((kind == 5 || kind == 10) && (sw + se + ne + nw) / 4 >= level) kind = 15 - kind;
        const int edges[4] = {east(c, r), north(c + 1, r), east(c, r + 1), north(c, r)};
        const int* joined = SEGMENTS[kind];
        for (int k = 0; k < 4 && joined[k] >= 0; k += 2)
            link(edges[joined[k]], edges[joined[k + 1]]);
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
