#include "contours.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

// The unit cell: corners 0 (0,0), 1 (1,0), 2 (1,1), 3 (0,1); edge k runs from corner k to corner
// k + 1, so edges k and k + 1 share corner k + 1.
constexpr double CORNER[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
constexpr double EDGE_MIDDLE[4][2] = {{0.5, 0}, {1, 0.5}, {0.5, 1}, {0, 0.5}};

// True when a segment from edge a to edge b leaves the high corners of the cell on its left.  Two
// neighbouring edges cut off the corner they share; two opposite edges split the cell in halves,
// and corner 0 tells which half is high.
bool highOnLeft(int a, int b, const bool high[4]) {
    int corner = (a + 1) % 4 == b ? b : (b + 1) % 4 == a ? a : 0;
    double dx = EDGE_MIDDLE[b][0] - EDGE_MIDDLE[a][0], dy = EDGE_MIDDLE[b][1] - EDGE_MIDDLE[a][1];
    double cx = CORNER[corner][0] - EDGE_MIDDLE[a][0], cy = CORNER[corner][1] - EDGE_MIDDLE[a][1];
    bool left = dx * cy - dy * cx > 0;
    return left == high[corner];
}

// Edges are numbered from their lower-left node: 2 * node for the edge to the east, 2 * node + 1
// for the edge to the north.
struct Tracer {
    const NodeGrid& grid;
    double level;
    std::vector<int> next;  // the edge each line goes on to from an edge, -1 when none
    std::vector<bool> entered, seen;

    int node(int c, int r) const { return r * grid.nx + c; }
    int east(int c, int r) const { return 2 * node(c, r); }
    int north(int c, int r) const { return 2 * node(c, r) + 1; }

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
        const bool high[4] = {sw >= level, se >= level, ne >= level, nw >= level};
        int kind = high[0] | high[1] << 1 | high[2] << 2 | high[3] << 3;
        // A saddle whose centre is above the level joins its two high corners: the pairs of the
        // opposite saddle.
        if ((kind == 5 || kind == 10) && (sw + se + ne + nw) / 4 >= level) kind = 15 - kind;
        const int edges[4] = {east(c, r), north(c + 1, r), east(c, r + 1), north(c, r)};
        const int* joined = SEGMENTS[kind];
        for (int k = 0; k < 4 && joined[k] >= 0; k += 2) {
            int a = joined[k], b = joined[k + 1];
            if (!highOnLeft(a, b, high)) std::swap(a, b);
            next[edges[a]] = edges[b];
            entered[edges[b]] = true;
        }
    }

    ContourLine walk(int start) {
        ContourLine line;
        line.startEdge = start;
        int current = start;
        while (current >= 0 && !seen[current]) {
            seen[current] = true;
            line.points.push_back(crossing(current));
            line.endEdge = current;
            current = next[current];
        }
        line.closed = current == start;
        if (line.closed) line.startEdge = line.endEdge = -1;
        return line;
    }
};

bool hasLength(const ContourLine& line) {
    for (const PlotPoint& p : line.points)
        if (p.x != line.points[0].x || p.y != line.points[0].y) return true;
    return false;
}

// Where a border crossing lies on the way round the border anticlockwise from the south-west
// corner: the border edge's place in that order, then the fraction of that edge already passed.
// Two crossings at one node (a border node exactly at the level) stay in order, as their edges
// do.
using BorderPlace = std::pair<int, double>;

BorderPlace borderPlace(const NodeGrid& g, int edge, const PlotPoint& p) {
    int n = edge / 2, c = n % g.nx, r = n / g.nx;
    double east = (p.x - (g.x0 + c * g.dx)) / g.dx, north = (p.y - (g.y0 + r * g.dy)) / g.dy;
    int across = g.nx - 1, up = g.ny - 1;
    if (edge % 2 == 0)
        return r == 0 ? BorderPlace{c, east} : BorderPlace{2 * across + up - 1 - c, 1 - east};
    return c == across ? BorderPlace{across + r, north}
                       : BorderPlace{2 * across + 2 * up - 1 - r, 1 - north};
}

// The corners passed going anticlockwise from place `from` to place `to`.
void addCorners(const NodeGrid& g, BorderPlace from, BorderPlace to, std::vector<PlotPoint>& ring) {
    int across = g.nx - 1, up = g.ny - 1, around = 2 * (across + up);
    double x1 = g.x0 + across * g.dx, y1 = g.y0 + up * g.dy;
    const std::pair<int, PlotPoint> corners[4] = {{across, {x1, g.y0}},
                                                  {across + up, {x1, y1}},
                                                  {2 * across + up, {g.x0, y1}},
                                                  {around, {g.x0, g.y0}}};
    bool wraps = to <= from;
    for (int lap = 0; lap < (wraps ? 2 : 1); ++lap)
        for (const auto& [place, point] : corners) {
            int at = place + lap * around;
            int end = to.first + (wraps ? around : 0);
            if (at > from.first && (at < end || (at == end && to.second > 0)))
                ring.push_back(point);
        }
}

// The first start after place, going on round the border past the south-west corner.
std::size_t nextStart(const std::vector<BorderPlace>& starts, BorderPlace place) {
    std::size_t after = starts.size(), first = 0;
    for (std::size_t j = 0; j < starts.size(); ++j) {
        if (starts[j] < starts[first]) first = j;
        if (starts[j] > place && (after == starts.size() || starts[j] < starts[after])) after = j;
    }
    return after < starts.size() ? after : first;
}

}  // namespace

std::vector<ContourLine> traceContours(const NodeGrid& grid, double level) {
    std::vector<ContourLine> lines;
    if (grid.nx < 2 || grid.ny < 2 || !std::isfinite(level)) return lines;
    std::size_t edges = 2 * static_cast<std::size_t>(grid.nx) * grid.ny;
    Tracer tracer{grid, level, std::vector<int>(edges, -1), std::vector<bool>(edges, false),
                  std::vector<bool>(edges, false)};
    for (int r = 0; r + 1 < grid.ny; ++r)
        for (int c = 0; c + 1 < grid.nx; ++c) tracer.cell(c, r);
    // Open lines first, from their start on the border; what remains are closed loops.
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t e = 0; e < edges; ++e) {
            if (tracer.seen[e] || tracer.next[e] < 0 || (pass == 0 && tracer.entered[e])) continue;
            ContourLine line = tracer.walk(static_cast<int>(e));
            if (hasLength(line)) lines.push_back(std::move(line));
        }
    return lines;
}

std::vector<std::vector<PlotPoint>> regionAbove(const NodeGrid& grid, double level,
                                                const std::vector<ContourLine>& lines) {
    std::vector<std::vector<PlotPoint>> rings;
    if (grid.nx < 2 || grid.ny < 2) return rings;
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].closed) {
            if (lines[i].points.size() > 2) rings.push_back(lines[i].points);
        } else if (!lines[i].points.empty()) {
            open.push_back(i);
        }
    }
    if (open.empty()) {
        // No line reaches the border: it lies wholly above the level or wholly below.
        if (grid.value(0, 0) >= level) {
            std::vector<PlotPoint> all;
            addCorners(grid, {-1, 0}, {2 * (grid.nx + grid.ny - 2), 0.5}, all);
            rings.push_back(all);
        }
        return rings;
    }
    std::vector<BorderPlace> starts(open.size()), ends(open.size());
    for (std::size_t k = 0; k < open.size(); ++k) {
        const ContourLine& line = lines[open[k]];
        starts[k] = borderPlace(grid, line.startEdge, line.points.front());
        ends[k] = borderPlace(grid, line.endEdge, line.points.back());
    }
    std::vector<bool> used(open.size(), false);
    for (std::size_t first = 0; first < open.size(); ++first) {
        if (used[first]) continue;
        std::vector<PlotPoint> ring;
        std::size_t k = first;
        while (!used[k]) {
            used[k] = true;
            const std::vector<PlotPoint>& points = lines[open[k]].points;
            ring.insert(ring.end(), points.begin(), points.end());
            // The next line begins where the border, followed from this line's end with the high
            // values on the left, first drops below the level again.
            std::size_t following = nextStart(starts, ends[k]);
            addCorners(grid, ends[k], starts[following], ring);
            k = following;
        }
        rings.push_back(std::move(ring));
    }
    return rings;
}

std::vector<double> contourLevels(double lo, double hi, double interval, int maxLevels) {
    std::vector<double> levels;
    if (!(interval > 0) || !std::isfinite(interval) || !(hi > lo)) return levels;
    double first = std::floor(lo / interval) + 1;
    for (double k = first; k * interval < hi && static_cast<int>(levels.size()) < maxLevels; ++k)
        if (k * interval > lo) levels.push_back(k * interval);
    return levels;
}

std::vector<PlotPoint> simplifiedLine(const std::vector<PlotPoint>& points, double tolerance) {
    if (points.size() < 3) return points;
    std::vector<bool> keep(points.size(), false);
    keep.front() = keep.back() = true;
    std::vector<std::pair<std::size_t, std::size_t>> spans{{0, points.size() - 1}};
    while (!spans.empty()) {
        auto [from, to] = spans.back();
        spans.pop_back();
        const PlotPoint &a = points[from], &b = points[to];
        double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
        double farthest = -1;
        std::size_t at = from;
        for (std::size_t i = from + 1; i < to; ++i) {
            double ex = points[i].x - a.x, ey = points[i].y - a.y;
            double d = length > 0 ? std::fabs(dx * ey - dy * ex) / length : std::hypot(ex, ey);
            if (d > farthest) farthest = d, at = i;
        }
        if (farthest > tolerance) {
            keep[at] = true;
            spans.push_back({from, at});
            spans.push_back({at, to});
        }
    }
    std::vector<PlotPoint> kept;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (keep[i]) kept.push_back(points[i]);
    return kept;
}
