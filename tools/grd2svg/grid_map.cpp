#include "grid_map.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "colour_scale.h"
#include "notation.h"
#include "svg_writer.h"

namespace {

constexpr double MAP_WIDTH = 640, MAP_HEIGHT = 540;
constexpr double LEFT = 90, TOP = 60, BOTTOM_MARGIN = 80;
constexpr double BAR_GAP = 30, BAR_WIDTH = 22, BAR_LABELS = 90;
constexpr double PIXELS_PER_TICK = 110;
constexpr int WANTED_LEVELS = 10;
constexpr double LABEL_MIN_LENGTH = 70;  // pixels; shorter lines stay unlabelled
constexpr int COLOUR_STOPS = 11;

struct Map {
    const GridArray& array;
    const MapOptions& options;
    NodeGrid nodes;
    PlotFrame frame;
    double lo, hi;
    double shownY(double y) const { return options.section ? -y : y; }
    double px(double x) const { return frame.px(x); }
    double py(double y) const { return frame.py(shownY(y)); }
    double share(double v) const { return hi > lo ? (v - lo) / (hi - lo) : 0.5; }
};

std::string levelText(double level, double interval, bool degrees) {
    char text[NOTATION_BUFFER];
    int length = formatGeneral(text, std::fabs(level) < 0.5 * interval ? 0.0 : level, 6);
    return std::string(text, length) + (degrees ? "\u00b0" : "");
}

// The caption without heater's leading "^" and with runs of blanks (from its number fields)
// closed up.
std::string tidyCaption(const std::string& caption) {
    std::string text;
    std::size_t at = caption.find_first_not_of(" ^");
    for (; at != std::string::npos && at < caption.size(); ++at)
        if (caption[at] != ' ' || (!text.empty() && text.back() != ' ')) text += caption[at];
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

void writeCells(std::ostream& out, const Map& m) {
    const GridHeader& h = m.array.header;
    double halfX = 0.5 * std::fabs(h.x.spacing), halfY = 0.5 * std::fabs(h.y.spacing);
    out << "<g class=\"cells\" shape-rendering=\"crispEdges\">\n";
    for (int r = 0; r < h.ny; ++r)
        for (int c = 0; c < h.nx; ++c) {
            double x = m.nodes.x0 + c * m.nodes.dx, y = m.nodes.y0 + r * m.nodes.dy;
            double x1 = m.px(x - halfX), x2 = m.px(x + halfX);
            double y1 = m.py(y - halfY), y2 = m.py(y + halfY);
            out << "<rect x=\"" << SvgNumber{std::min(x1, x2), 2} << "\" y=\""
                << SvgNumber{std::min(y1, y2), 2} << "\" width=\""
                << SvgNumber{std::fabs(x2 - x1), 2} << "\" height=\""
                << SvgNumber{std::fabs(y2 - y1), 2} << "\" fill=\""
                << colourAt(m.share(m.nodes.value(c, r))) << "\"/>\n";
        }
    out << "</g>\n";
}

double pictureLength(const Map& m, const ContourLine& line, std::vector<double>& along) {
    double total = 0;
    along.assign(1, 0);
    for (std::size_t i = 1; i < line.points.size(); ++i) {
        total += std::hypot(m.px(line.points[i].x) - m.px(line.points[i - 1].x),
                            m.py(line.points[i].y) - m.py(line.points[i - 1].y));
        along.push_back(total);
    }
    return total;
}

void writeLine(std::ostream& out, const Map& m, const ContourLine& line, bool labelled,
               const std::string& text, std::ostringstream& labels) {
    out << "<path d=\"";
    for (std::size_t i = 0; i < line.points.size(); ++i)
        out << (i ? " L" : "M") << SvgNumber{m.px(line.points[i].x), 2} << ','
            << SvgNumber{m.py(line.points[i].y), 2};
    out << (line.closed ? " Z" : "") << "\"" << (labelled ? " stroke-width=\"1.4\"" : "") << "/>\n";
    std::vector<double> along;
    double length = pictureLength(m, line, along);
    if (!labelled || length < LABEL_MIN_LENGTH) return;
    std::size_t mid = std::lower_bound(along.begin(), along.end(), length / 2) - along.begin();
    const PlotPoint& p = line.points[std::min(mid, line.points.size() - 1)];
    writeLabel(labels, m.px(p.x), m.py(p.y) + 4, text, "middle", 11);
}

void writeContours(std::ostream& out, const Map& m, const std::vector<double>& levels,
                   double interval) {
    std::ostringstream labels;
    bool everyOther = levels.size() > 5;
    out << "<g class=\"contours\" fill=\"none\" stroke=\"black\" stroke-opacity=\"0.75\" "
           "stroke-width=\"0.7\" stroke-linejoin=\"round\">\n";
    for (double level : levels) {
        long k = std::lround(level / interval);
        bool labelled = !everyOther || k % 2 == 0;
        std::string text = levelText(level, interval, m.options.section);
        out << "<g class=\"level\" data-level=\"";
        writeEscaped(out, levelText(level, interval, false));
        out << "\">\n";
        for (const ContourLine& line : traceContours(m.nodes, level))
            writeLine(out, m, line, labelled, text, labels);
        out << "</g>\n";
    }
    out << "</g>\n<g class=\"contour-labels\" font-family=\"sans-serif\" fill=\"black\" "
           "stroke=\"white\" stroke-width=\"3\" stroke-opacity=\"0.8\" paint-order=\"stroke\">\n"
        << labels.str() << "</g>\n";
}

void writeColourBar(std::ostream& out, const Map& m) {
    const PlotArea& a = m.frame.area;
    double x = a.left + a.width + BAR_GAP;
    out << "<defs><linearGradient id=\"colour-scale\" x1=\"0\" y1=\"1\" x2=\"0\" y2=\"0\">\n";
    for (int i = 0; i < COLOUR_STOPS; ++i) {
        double t = double(i) / (COLOUR_STOPS - 1);
        out << "<stop offset=\"" << SvgNumber{t, 2} << "\" stop-color=\"" << colourAt(t)
            << "\"/>\n";
    }
    out << "</linearGradient></defs>\n<g class=\"colour-bar\" font-family=\"sans-serif\">\n"
        << "<rect x=\"" << SvgNumber{x, 1} << "\" y=\"" << SvgNumber{a.top, 1} << "\" width=\""
        << SvgNumber{BAR_WIDTH, 1} << "\" height=\"" << SvgNumber{a.height, 1}
        << "\" fill=\"url(#colour-scale)\" stroke=\"black\" stroke-width=\"1\"/>\n";
    if (m.hi > m.lo) {
        RoundStep step = roundStep(m.hi - m.lo, 6);
        for (double v : roundMultiples(m.lo, m.hi, step)) {
            double y = a.top + a.height * (1 - m.share(v));
            out << "<line x1=\"" << SvgNumber{x + BAR_WIDTH, 1} << "\" y1=\"" << SvgNumber{y, 1}
                << "\" x2=\"" << SvgNumber{x + BAR_WIDTH + 5, 1} << "\" y2=\"" << SvgNumber{y, 1}
                << "\" stroke=\"black\"/>\n";
            writeLabel(out, x + BAR_WIDTH + 8, y + 4, tickLabel(v, step));
        }
    } else {
        writeLabel(out, x + BAR_WIDTH + 8, a.top + a.height / 2 + 4,
                   levelText(m.lo, 1, false) + " everywhere");
    }
    out << "</g>\n";
}

void writePoints(std::ostream& out, const Map& m) {
    if (m.options.points.empty()) return;
    std::vector<PlotPoint> shown;
    for (const PlotPoint& p : m.options.points) shown.push_back({p.x, m.shownY(p.y)});
    writeMarkers(out, m.frame, shown, "points", "black", 3.5);
    writeMarkers(out, m.frame, shown, "points-inner", "white", 2);
    const PlotArea& a = m.frame.area;
    out << "<g font-family=\"sans-serif\" fill=\"black\">\n";
    writeLabel(out, a.left, a.top + a.height + 62,
               "dots: the " + std::to_string(m.options.points.size()) + " positions of " +
                   m.options.pointsName,
               "start", 12);
    out << "</g>\n";
}

PlotFrame frameFor(const GridHeader& h, bool section) {
    auto extent = [](const GridAxis& axis, int count, double& lo, double& hi) {
        double end = axis.min + double(count - 1) * axis.spacing,
               half = 0.5 * std::fabs(axis.spacing);
        lo = std::min<double>(axis.min, end) - half;
        hi = std::max<double>(axis.min, end) + half;
    };
    double xlo, xhi, ylo, yhi;
    extent(h.x, h.nx, xlo, xhi);
    extent(h.y, h.ny, ylo, yhi);
    double scale = std::min(MAP_WIDTH / (xhi - xlo), MAP_HEIGHT / (yhi - ylo));
    PlotFrame f;
    f.area = {LEFT, TOP, (xhi - xlo) * scale, (yhi - ylo) * scale};
    int xTicks = std::max(2, int(f.area.width / PIXELS_PER_TICK));
    int yTicks = std::max(2, int(f.area.height / PIXELS_PER_TICK));
    if (section) {
        f.x = linearAxis(xlo, xhi, "distance x", xTicks);
        f.y = depthAxis(-yhi, -ylo, "depth", yTicks);
    } else {
        f.x = linearAxis(xlo, xhi, "x (east)", xTicks);
        f.y = linearAxis(ylo, yhi, "y (north)", yTicks);
    }
    return f;
}

}  // namespace

NodeGrid nodesOf(const GridArray& array) {
    const GridHeader& h = array.header;
    NodeGrid nodes{h.nx, h.ny, h.x.min, h.x.spacing, h.y.min, h.y.spacing, {}};
    nodes.values.reserve(array.values.size());
    for (int r = 0; r < h.ny; ++r)
        for (int c = 0; c < h.nx; ++c) nodes.values.push_back(array.at(c, h.ny - 1 - r));
    return nodes;
}

bool mapLevels(double lo, double hi, double interval, std::vector<double>& levels,
               std::string& error) {
    levels.clear();
    if (!(hi > lo)) return true;
    if (interval > 0) {
        if ((hi - lo) / interval > MAX_CONTOUR_LEVELS) {
            error = "--interval gives more than " + std::to_string(MAX_CONTOUR_LEVELS) +
                    " contour levels between the smallest and the largest value; choose a "
                    "larger one";
            return false;
        }
        levels = contourLevels(lo, hi, interval);
        return true;
    }
    for (double level : roundMultiples(lo, hi, roundStep(hi - lo, WANTED_LEVELS)))
        if (level > lo && level < hi) levels.push_back(level);
    return true;
}

bool writeGridMap(std::ostream& out, const GridArray& array, const MapOptions& options,
                  std::string& error) {
    Map m{array, options, nodesOf(array), frameFor(array.header, options.section), 0, 0};
    auto [low, high] = std::minmax_element(array.values.begin(), array.values.end());
    m.lo = *low;
    m.hi = *high;
    std::vector<double> levels;
    if (!mapLevels(m.lo, m.hi, options.interval, levels, error)) return false;
    double interval =
        options.interval > 0 ? options.interval : roundStep(m.hi - m.lo, WANTED_LEVELS).value();

    const PlotArea& a = m.frame.area;
    double width = a.left + a.width + BAR_GAP + BAR_WIDTH + BAR_LABELS;
    double height = a.top + a.height + BOTTOM_MARGIN;
    std::string title = options.title;
    if (!array.caption.empty()) title += ": " + tidyCaption(array.caption);
    writeSvgStart(out, std::ceil(width), std::ceil(height), title);
    writeCells(out, m);
    writeContours(out, m, levels, interval);
    out << "<g font-family=\"sans-serif\">\n";
    writeAxes(out, m.frame);
    writeTitle(out, m.frame, title);
    out << "</g>\n";
    writeColourBar(out, m);
    writePoints(out, m);
    writeSvgEnd(out);
    return true;
}
