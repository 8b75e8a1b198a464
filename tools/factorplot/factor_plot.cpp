#include "factor_plot.h"

#include <algorithm>
#include <cmath>

#include "label_boxes.h"
#include "plot_axes.h"
#include "svg_writer.h"
#include "text_width.h"

namespace {

constexpr double WIDTH = 1120, HEIGHT = 560;
constexpr PlotArea SCREE{90, 70, 380, 400};
constexpr PlotArea LOADINGS{640, 70, 400, 400};
constexpr double LOG_SPAN = 1000;  // eigenvalues spanning more than this get a logarithmic axis
const char* const EIGEN_COLOUR = "#1f4e9c";
const char* const SHARE_COLOUR = "#c0392b";

constexpr int NAME_SIZE = 13;
constexpr double NAME_CLEARANCE = 2;  // between a name and any arrow, name or the frame
// The arrow head (a marker 7 stroke widths long, its point on the tip) as a square of this
// half-side centred this far back from the tip.
constexpr double HEAD_RADIUS = 7, HEAD_BACK = 6;
// A name farther than this beyond its box's reach from its head gets a leader line.
constexpr double LEADER_DISTANCE = 20;

// The eigenvalues' axis: logarithmic when the positive ones span more than LOG_SPAN, and then
// only they are drawn; leftOut counts the others.
PlotFrame screeFrame(const FactorReport& r, int& leftOut) {
    auto [low, high] = std::minmax_element(r.eigenvalues.begin(), r.eigenvalues.end());
    double smallestPositive = INFINITY;
    leftOut = 0;
    for (double v : r.eigenvalues) {
        if (v > 0) smallestPositive = std::min(smallestPositive, v);
        if (!(v > 0)) ++leftOut;
    }
    int n = static_cast<int>(r.eigenvalues.size());
    PlotFrame f{SCREE, linearAxis(0.5, n + 0.5, "eigenvalue number", std::min(n, 10)), {}};
    if (*high > 0 && *high / smallestPositive > LOG_SPAN) {
        f.y = logAxis(smallestPositive, *high, "eigenvalue (logarithmic)");
    } else {
        f.y = linearAxis(std::min(0.0, *low), *high, "eigenvalue");
        leftOut = 0;
    }
    roundOut(f.y);
    return f;
}

// The cumulative share on the right-hand side: 0 to 100 percent.
void writeShareAxis(std::ostream& out, const PlotFrame& share) {
    const PlotArea& a = share.area;
    double right = a.left + a.width;
    out << "<g class=\"share-axis\" font-family=\"sans-serif\" fill=\"" << SHARE_COLOUR << "\">\n";
    RoundStep step = axisStep(share.y);
    for (double v : axisTicks(share.y)) {
        out << "<line x1=\"" << SvgNumber{right, 1} << "\" y1=\"" << SvgNumber{share.py(v), 1}
            << "\" x2=\"" << SvgNumber{right + 5, 1} << "\" y2=\"" << SvgNumber{share.py(v), 1}
            << "\" stroke=\"" << SHARE_COLOUR << "\"/>\n";
        writeLabel(out, right + 8, share.py(v) + 4, tickLabel(v, step) + "%");
    }
    out << "<text transform=\"translate(" << SvgNumber{right + 58, 1} << ' '
        << SvgNumber{a.top + a.height / 2, 1}
        << ") rotate(90)\" font-size=\"13\" text-anchor=\"middle\">cumulative share of the "
           "trace</text>\n"
        << "</g>\n";
}

void writeScree(std::ostream& out, const FactorReport& r) {
    int leftOut = 0;
    PlotFrame f = screeFrame(r, leftOut);
    PlotFrame share{SCREE, f.x, linearAxis(0, 100, "", 5)};
    std::vector<PlotPoint> eigen, cumulative;
    for (std::size_t k = 0; k < r.eigenvalues.size(); ++k) {
        eigen.push_back({double(k + 1), r.eigenvalues[k]});
        cumulative.push_back({double(k + 1), r.cumulativePercent[k]});
    }
    out << "<g font-family=\"sans-serif\">\n";
    writeAxes(out, f);
    writeTitle(out, f, "Scree plot");
    out << "</g>\n";
    writeShareAxis(out, share);
    writeCurve(out, f, eigen, "eigenvalues", EIGEN_COLOUR, 2);
    writeMarkers(out, f, eigen, "eigenvalue", EIGEN_COLOUR, 4);
    writeCurve(out, share, cumulative, "cumulative-share", SHARE_COLOUR, 1.5);
    writeMarkers(out, share, cumulative, "share", SHARE_COLOUR, 3);
    if (leftOut > 0) {
        out << "<g class=\"note\" font-family=\"sans-serif\" fill=\"black\">\n";
        writeLabel(out, SCREE.left, SCREE.top + SCREE.height + 62,
                   std::to_string(leftOut) +
                       (leftOut == 1 ? " eigenvalue of zero or less is"
                                     : " eigenvalues of zero or less are") +
                       " not drawn on the logarithmic axis",
                   "start", 12);
        out << "</g>\n";
    }
}

// Where each name goes: beside its arrow's head, beyond it if there is room, else turned round
// it step by step and farther out, until its box touches no arrow, no head, no other name and
// stays inside the frame.  The longest arrows choose first.  Cost: for each name at most
// 9 x 24 places, each tested against every arrow and the names placed.
std::vector<LabelBox> placeNames(const PlotFrame& f, const std::vector<PlotPoint>& tips,
                                 const std::vector<std::string>& names) {
    constexpr double PI = 3.141592653589793;
    PlotPoint origin{f.px(0), f.py(0)};
    std::vector<std::size_t> order(tips.size());
    for (std::size_t j = 0; j < order.size(); ++j) order[j] = j;
    auto length = [&](std::size_t j) {
        return std::hypot(tips[j].x - origin.x, tips[j].y - origin.y);
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return length(a) > length(b); });
    std::vector<LabelBox> boxes(tips.size());
    std::vector<bool> placed(tips.size(), false);
    std::vector<LabelBox> heads;
    for (const PlotPoint& tip : tips) {
        double l = std::hypot(tip.x - origin.x, tip.y - origin.y);
        double back = l > 0 ? std::min(HEAD_BACK, l / 2) / l : 0;
        heads.push_back(dotBox(tip.x - back * (tip.x - origin.x), tip.y - back * (tip.y - origin.y),
                               HEAD_RADIUS));
    }
    auto free = [&](const LabelBox& box) {
        LabelBox wide = box;
        wide.across += NAME_CLEARANCE, wide.up += NAME_CLEARANCE;
        if (!boxInside(wide, f.area, 0)) return false;
        for (std::size_t k = 0; k < tips.size(); ++k) {
            if (segmentMeetsBox(origin, tips[k], wide) || boxesMeet(wide, heads[k])) return false;
            if (placed[k] && boxesMeet(wide, boxes[k])) return false;
        }
        return true;
    };
    for (std::size_t j : order) {
        double width = textWidth(names[j], NAME_SIZE), height = NAME_SIZE;
        double l = length(j);
        double heading = l > 0 ? std::atan2(tips[j].y - origin.y, tips[j].x - origin.x) : 0;
        LabelBox first{};
        bool found = false;
        for (double gap : {4.0, 8.0, 12.0, 18.0, 26.0, 38.0, 54.0, 76.0, 100.0}) {
            for (int turn = 0; turn < 24 && !found; ++turn) {
                // 0, +15, -15, +30, -30, ... degrees from straight on.
                double angle = heading + (turn % 2 == 1 ? 1 : -1) * ((turn + 1) / 2) * PI / 12;
                double ux = std::cos(angle), uy = std::sin(angle);
                double reach = gap + std::fabs(ux) * width / 2 + std::fabs(uy) * height / 2;
                LabelBox box =
                    textBox(tips[j].x + reach * ux, tips[j].y + reach * uy, width, height, 0, 0);
                if (gap == 4.0 && turn == 0) first = box;
                if (free(box)) boxes[j] = box, found = true;
            }
            if (found) break;
        }
        if (!found) boxes[j] = first;
        placed[j] = true;
    }
    return boxes;
}

void writeLoadings(std::ostream& out, const FactorReport& r) {
    const std::vector<double>& first = r.loadings[0];
    std::vector<double> second(first.size(), 0.0);
    bool two = r.loadings.size() > 1;
    if (two) second = r.loadings[1];
    double reach = 0;
    for (std::size_t j = 0; j < first.size(); ++j)
        reach = std::max({reach, std::fabs(first[j]), std::fabs(second[j])});
    if (!(reach > 0) || !std::isfinite(reach)) reach = 1;
    PlotAxis x = linearAxis(-reach, reach, "loading on factor 1", 6);
    roundOut(x);
    PlotAxis y = x;
    y.label = two ? "loading on factor 2" : "(only one factor was kept)";
    PlotFrame f{LOADINGS, x, y};
    out << "<g font-family=\"sans-serif\">\n";
    writeAxes(out, f);
    writeTitle(out, f, two ? "Loadings of factors 1 and 2" : "Loadings of factor 1");
    out << "</g>\n<g class=\"origin\" stroke=\"#999999\" stroke-width=\"1\">\n"
        << "<line x1=\"" << SvgNumber{f.px(x.lo), 1} << "\" y1=\"" << SvgNumber{f.py(0), 1}
        << "\" x2=\"" << SvgNumber{f.px(x.hi), 1} << "\" y2=\"" << SvgNumber{f.py(0), 1} << "\"/>\n"
        << "<line x1=\"" << SvgNumber{f.px(0), 1} << "\" y1=\"" << SvgNumber{f.py(y.lo), 1}
        << "\" x2=\"" << SvgNumber{f.px(0), 1} << "\" y2=\"" << SvgNumber{f.py(y.hi), 1} << "\"/>\n"
        << "</g>\n<defs><marker id=\"arrow-head\" viewBox=\"0 0 10 10\" refX=\"9\" refY=\"5\" "
           "markerWidth=\"7\" markerHeight=\"7\" orient=\"auto\"><path d=\"M0,0 L10,5 L0,10 Z\" "
           "fill=\""
        << EIGEN_COLOUR << "\"/></marker></defs>\n"
        << "<g class=\"loadings\" stroke=\"" << EIGEN_COLOUR << "\" stroke-width=\"1.8\">\n";
    for (std::size_t j = 0; j < first.size(); ++j)
        out << "<line x1=\"" << SvgNumber{f.px(0), 2} << "\" y1=\"" << SvgNumber{f.py(0), 2}
            << "\" x2=\"" << SvgNumber{f.px(first[j]), 2} << "\" y2=\""
            << SvgNumber{f.py(second[j]), 2} << "\" marker-end=\"url(#arrow-head)\"/>\n";
    std::vector<PlotPoint> tips;
    for (std::size_t j = 0; j < first.size(); ++j)
        tips.push_back({f.px(first[j]), f.py(second[j])});
    std::vector<LabelBox> boxes = placeNames(f, tips, r.labels);
    // A name pushed away from its head by the arrows around it is tied to it by a thin line.
    out << "</g>\n<g class=\"leaders\" stroke=\"#777777\" stroke-width=\"0.8\">\n";
    for (std::size_t j = 0; j < first.size(); ++j) {
        double dx = boxes[j].x - tips[j].x, dy = boxes[j].y - tips[j].y, d = std::hypot(dx, dy);
        double reach = std::hypot(boxes[j].across, boxes[j].up);
        if (!(d > reach + LEADER_DISTANCE)) continue;
        double end = (d - reach) / d;
        out << "<line x1=\"" << SvgNumber{tips[j].x + 4 * dx / d, 2} << "\" y1=\""
            << SvgNumber{tips[j].y + 4 * dy / d, 2} << "\" x2=\""
            << SvgNumber{tips[j].x + end * dx, 2} << "\" y2=\""
            << SvgNumber{tips[j].y + end * dy, 2} << "\"/>\n";
    }
    out << "</g>\n<g class=\"variable-names\" font-family=\"sans-serif\" fill=\"black\">\n";
    for (std::size_t j = 0; j < first.size(); ++j)
        writeLabel(out, boxes[j].x, boxes[j].y + 0.36 * NAME_SIZE, r.labels[j], "middle",
                   NAME_SIZE);
    out << "</g>\n";
}

}  // namespace

void writeFactorPlot(std::ostream& out, const FactorReport& report, const std::string& title) {
    writeSvgStart(out, WIDTH, HEIGHT, title);
    out << "<g font-family=\"sans-serif\" fill=\"black\">\n";
    writeLabel(out, WIDTH / 2, 28, title, "middle", 17);
    out << "</g>\n";
    writeScree(out, report);
    writeLoadings(out, report);
    writeSvgEnd(out);
}
