#include "contour_labels.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

#include "map_fill.h"
#include "svg_writer.h"
#include "text_width.h"

namespace {

constexpr double PI = 3.141592653589793;
constexpr double STEP = 4;            // pixels between the places tried along a line
constexpr double GAP_ROOM = 2.5;      // line cut away beyond the text at either end
constexpr double SHORTEST_SHARE = 2;  // a line shorter than this many label widths stays bare
constexpr double MOST_BEND = 0.3;     // of the font size: how far the line may stray under a label
// Where the text's middle stands below its box's centre line, as a share of the font size (the
// digits' height is about seven tenths of it).
constexpr double BASELINE_DROP = 0.36;

// Lengths along a line from its first point; a closed line's last entry is its whole length.
std::vector<double> lengthsAlong(const PictureLine& line) {
    std::vector<double> along{0};
    std::size_t n = line.points.size(), segments = line.closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const PlotPoint &a = line.points[i], &b = line.points[(i + 1) % n];
        along.push_back(along.back() + std::hypot(b.x - a.x, b.y - a.y));
    }
    return along;
}

struct Walker {
    const PictureLine& line;
    std::vector<double> along;
    double total() const { return along.back(); }
    double wrapped(double s) const {
        if (!line.closed) return std::clamp(s, 0.0, total());
        s = std::fmod(s, total());
        return s < 0 ? s + total() : s;
    }
    // The segment holding length s: points i and i + 1 (cyclically).
    std::size_t segmentAt(double s) const {
        std::size_t i = std::upper_bound(along.begin(), along.end(), s) - along.begin();
        return std::min(i == 0 ? 0 : i - 1, along.size() - 2);
    }
    PlotPoint pointAt(double s) const {
        s = wrapped(s);
        std::size_t i = segmentAt(s), n = line.points.size();
        const PlotPoint &a = line.points[i], &b = line.points[(i + 1) % n];
        double piece = along[i + 1] - along[i], t = piece > 0 ? (s - along[i]) / piece : 0;
        return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    }
    // The points of the line from length s to length e (e > s; beyond the end of a closed line
    // it goes on round).
    std::vector<PlotPoint> piece(double s, double e) const {
        std::vector<PlotPoint> points{pointAt(s)};
        std::size_t n = line.points.size();
        double base = s - wrapped(s);
        std::size_t k = segmentAt(wrapped(s)) + 1;
        for (std::size_t guard = 0; guard <= 2 * along.size(); ++guard, ++k) {
            if (k == along.size()) {
                if (!line.closed) break;
                k = 1;
                base += total();
            }
            double at = along[k] + base;
            if (at >= e) break;
            if (at > s) points.push_back(line.points[k % n]);
        }
        points.push_back(pointAt(e));
        return points;
    }
};

// How far the line strays from the straight chord between lengths s and e.
double bend(const Walker& w, double s, double e) {
    std::vector<PlotPoint> points = w.piece(s, e);
    const PlotPoint &a = points.front(), &b = points.back();
    double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
    double most = 0;
    for (const PlotPoint& p : points)
        most = std::max(most, length > 0 ? std::fabs(dx * (p.y - a.y) - dy * (p.x - a.x)) / length
                                         : std::hypot(p.x - a.x, p.y - a.y));
    return most;
}

// The lines' segments in square cells of the picture, so that a label looks only at the segments
// near it.
class SegmentCells {
  public:
    explicit SegmentCells(const std::vector<PictureLine>& lines) : lines_(lines) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::size_t n = lines[i].points.size(), segments = lines[i].closed ? n : n - 1;
            for (std::size_t k = 0; n > 1 && k < segments; ++k) {
                const PlotPoint &a = lines[i].points[k], &b = lines[i].points[(k + 1) % n];
                for (long cx = cell(std::min(a.x, b.x)); cx <= cell(std::max(a.x, b.x)); ++cx)
                    for (long cy = cell(std::min(a.y, b.y)); cy <= cell(std::max(a.y, b.y)); ++cy)
                        cells_[key(cx, cy)].push_back({i, k});
            }
        }
    }
    // True when a line other than `own` passes through the box.
    bool crossed(const LabelBox& box, std::size_t own) const {
        double xLo = INFINITY, xHi = -INFINITY, yLo = INFINITY, yHi = -INFINITY;
        for (int k = 0; k < 4; ++k) {
            PlotPoint p = box.corner(k);
            xLo = std::min(xLo, p.x), xHi = std::max(xHi, p.x);
            yLo = std::min(yLo, p.y), yHi = std::max(yHi, p.y);
        }
        for (long cx = cell(xLo); cx <= cell(xHi); ++cx)
            for (long cy = cell(yLo); cy <= cell(yHi); ++cy) {
                auto found = cells_.find(key(cx, cy));
                if (found == cells_.end()) continue;
                for (const auto& [line, k] : found->second) {
                    if (line == own) continue;
                    const std::vector<PlotPoint>& points = lines_[line].points;
                    if (segmentMeetsBox(points[k], points[(k + 1) % points.size()], box))
                        return true;
                }
            }
        return false;
    }

  private:
    static constexpr double SIZE = 16;
    static long cell(double v) {
        return static_cast<long>(std::floor(std::clamp(v, -1e6, 1e6) / SIZE));
    }
    static long key(long cx, long cy) { return cx * 1000003L + cy; }
    const std::vector<PictureLine>& lines_;
    std::unordered_map<long, std::vector<std::pair<std::size_t, std::size_t>>> cells_;
};

bool clear(const LabelBox& box, const LabelSpace& space, const std::vector<ContourLabel>& placed,
           const SegmentCells& segments, std::size_t own) {
    LabelBox wide = box;
    wide.across += LABEL_CLEARANCE, wide.up += LABEL_CLEARANCE;
    if (!boxInside(wide, space.area, 0)) return false;
    for (const ContourLabel& other : placed) {
        LabelBox otherWide = other.box;
        otherWide.across += LABEL_CLEARANCE, otherWide.up += LABEL_CLEARANCE;
        if (boxesMeet(wide, otherWide)) return false;
    }
    for (const LabelBox& dot : space.dots)
        if (boxesMeet(wide, dot)) return false;
    if (segments.crossed(box, own)) return false;
    if (space.visible) {
        for (int k = 0; k < 4; ++k) {
            PlotPoint p = wide.corner(k);
            if (!space.visible(p.x, p.y)) return false;
        }
        if (!space.visible(box.x, box.y)) return false;
    }
    return true;
}

// Whether the rest of the line, outside the gap from length `from` to `to`, comes back across the
// label (a small closed line curling round it).
bool ownLineCrosses(const Walker& w, const LabelBox& box, double from, double to) {
    std::vector<std::vector<PlotPoint>> rest;
    if (w.line.closed) {
        rest.push_back(w.piece(to, from + w.total()));
    } else {
        if (from > 0) rest.push_back(w.piece(0, from));
        if (to < w.total()) rest.push_back(w.piece(to, w.total()));
    }
    for (const std::vector<PlotPoint>& piece : rest)
        for (std::size_t k = 0; k + 1 < piece.size(); ++k)
            if (segmentMeetsBox(piece[k], piece[k + 1], box)) return true;
    return false;
}

// The first free place nearest the middle of the line, if any.
bool placeOnLine(const Walker& w, const std::string& text, const LabelSpace& space,
                 const std::vector<ContourLabel>& placed, const SegmentCells& segments,
                 ContourLabel& label) {
    double width = textWidth(text, LABEL_FONT_SIZE), height = LABEL_FONT_SIZE;
    double length = w.total(), half = width / 2;
    if (length < SHORTEST_SHARE * width) return false;
    double reach = w.line.closed ? length / 2 : length / 2 - half - GAP_ROOM;
    for (double offset = 0; offset <= reach; offset += STEP)
        for (double s : {length / 2 + offset, length / 2 - offset}) {
            if (offset == 0 && s < length / 2) continue;
            PlotPoint a = w.pointAt(s - half), b = w.pointAt(s + half);
            double chord = std::hypot(b.x - a.x, b.y - a.y);
            if (chord < 0.9 * width || bend(w, s - half, s + half) > MOST_BEND * height) continue;
            double angle = std::atan2(b.y - a.y, b.x - a.x);
            if (angle > PI / 2) angle -= PI;
            if (angle <= -PI / 2) angle += PI;
            LabelBox box = textBox((a.x + b.x) / 2, (a.y + b.y) / 2, width, height, angle, 0);
            if (!clear(box, space, placed, segments, label.line) ||
                ownLineCrosses(w, box, s - half - GAP_ROOM, s + half + GAP_ROOM))
                continue;
            label.text = text;
            label.box = box;
            label.gapFrom = s - half - GAP_ROOM;
            label.gapTo = s + half + GAP_ROOM;
            return true;
        }
    return false;
}

}  // namespace

std::vector<ContourLabel> placeContourLabels(const std::vector<PictureLine>& lines,
                                             const std::vector<std::string>& texts,
                                             const LabelSpace& space) {
    std::vector<Walker> walkers;
    for (const PictureLine& line : lines) walkers.push_back({line, lengthsAlong(line)});
    // The longest lines first: they have the most room to give way.
    std::vector<std::size_t> order(lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return walkers[a].total() > walkers[b].total();
    });
    SegmentCells segments(lines);
    std::vector<ContourLabel> labels;
    for (std::size_t i : order) {
        const std::string& text = texts[lines[i].level];
        if (text.empty() || lines[i].points.size() < 2) continue;
        ContourLabel label;
        label.line = i;
        if (placeOnLine(walkers[i], text, space, labels, segments, label)) labels.push_back(label);
    }
    return labels;
}

void writeContourLines(std::ostream& out, const std::vector<PictureLine>& lines,
                       const std::vector<ContourLabel>& labels,
                       const std::vector<std::string>& texts,
                       const std::vector<std::string>& levelNames) {
    std::vector<const ContourLabel*> labelOf(lines.size(), nullptr);
    for (const ContourLabel& label : labels) labelOf[label.line] = &label;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const PictureLine& line = lines[i];
        if (i == 0 || line.level != lines[i - 1].level) {
            if (i > 0) out << "</g>\n";
            out << "<g class=\"level\" data-level=\"";
            writeEscaped(out, levelNames[line.level]);
            out << "\">\n";
        }
        if (line.points.size() < 2) continue;
        out << "<path" << (texts[line.level].empty() ? "" : " stroke-width=\"1.2\"") << " d=\"";
        if (!labelOf[i]) {
            writePathPoints(out, line.points, line.closed);
        } else {
            Walker w{line, lengthsAlong(line)};
            const ContourLabel& label = *labelOf[i];
            if (line.closed) {
                writePathPoints(out, w.piece(label.gapTo, label.gapFrom + w.total()), false);
            } else {
                if (label.gapFrom > 0) writePathPoints(out, w.piece(0, label.gapFrom), false);
                out << ' ';
                if (label.gapTo < w.total())
                    writePathPoints(out, w.piece(label.gapTo, w.total()), false);
            }
        }
        out << "\"/>\n";
    }
    if (!lines.empty()) out << "</g>\n";
}

void writeContourLabels(std::ostream& out, const std::vector<ContourLabel>& labels) {
    for (const ContourLabel& label : labels) {
        out << "<text transform=\"translate(" << SvgNumber{label.box.x, 2} << ' '
            << SvgNumber{label.box.y, 2} << ") rotate(" << SvgNumber{label.box.angle * 180 / PI, 2}
            << ")\" y=\"" << SvgNumber{BASELINE_DROP * LABEL_FONT_SIZE, 2} << "\">";
        writeEscaped(out, label.text);
        out << "</text>\n";
    }
}
