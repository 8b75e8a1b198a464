#include "plot_axes.h"

#include <algorithm>
#include <cmath>

#include "number_text.h"
#include "svg_writer.h"
#include "text_width.h"

namespace {

constexpr double TICK_LENGTH = 5;
constexpr int FONT_SIZE = 13;
constexpr int TITLE_SIZE = 16, SMALLEST_TITLE_SIZE = 11;
constexpr double LABEL_GAP = 6;
constexpr std::size_t MOST_DECADE_TICKS =
    16;  // the least room between two numbers along the x axis
// Log axes whose decades all lie here are labelled in plain decimals.
constexpr double SMALLEST_PLAIN_DECADE = 1e-4, LARGEST_PLAIN_DECADE = 1e5;

// Where a value lies along its axis, 0 at lo and 1 at hi; NaN when it cannot be placed.
double fraction(const PlotAxis& axis, double value) {
    double t;
    if (axis.logarithmic) {
        if (!(value > 0) || !(axis.lo > 0)) return NAN;
        t = std::log10(value / axis.lo) / std::log10(axis.hi / axis.lo);
    } else {
        t = (value - axis.lo) / (axis.hi - axis.lo);
    }
    return axis.reversed ? 1 - t : t;
}

bool inside(const PlotArea& a, double x, double y) {
    constexpr double SLACK = 0.5;
    return x >= a.left - SLACK && x <= a.left + a.width + SLACK && y >= a.top - SLACK &&
           y <= a.top + a.height + SLACK;
}

}  // namespace

PlotAxis linearAxis(double lo, double hi, const std::string& label, int wantedTicks) {
    PlotAxis axis;
    axis.lo = lo, axis.hi = hi, axis.label = label, axis.wantedTicks = wantedTicks;
    return axis;
}

PlotAxis logAxis(double lo, double hi, const std::string& label) {
    PlotAxis axis = linearAxis(lo, hi, label);
    axis.logarithmic = true;
    return axis;
}

PlotAxis depthAxis(double lo, double hi, const std::string& label, int wantedTicks) {
    PlotAxis axis = linearAxis(lo, hi, label, wantedTicks);
    axis.reversed = true;
    return axis;
}

double PlotFrame::px(double value) const {
    return area.left + area.width * fraction(x, value);
}
double PlotFrame::py(double value) const {
    return area.top + area.height * (1 - fraction(y, value));
}

void clampRange(PlotAxis& axis) {
    double largest = LARGEST_AXIS_VALUE,
           smallest = axis.logarithmic ? 1 / LARGEST_AXIS_VALUE : -largest;
    if (std::isnan(axis.lo)) axis.lo = std::isnan(axis.hi) ? (axis.logarithmic ? 1 : 0) : axis.hi;
    if (std::isnan(axis.hi)) axis.hi = axis.lo;
    axis.lo = std::clamp(axis.lo, smallest, largest);
    axis.hi = std::clamp(axis.hi, smallest, largest);
}

RoundStep axisStep(const PlotAxis& axis) {
    if (axis.logarithmic) return RoundStep{1, 1};
    PlotAxis clamped = axis;
    clampRange(clamped);
    return roundStep(clamped.hi - clamped.lo, axis.wantedTicks);
}

std::vector<double> axisTicks(const PlotAxis& axis) {
    PlotAxis clamped = axis;
    clampRange(clamped);
    if (axis.logarithmic) {
        // Every decade while there are few; over a huge span every second, fifth, ... one.
        std::vector<double> all = decades(clamped.lo, clamped.hi), ticks;
        std::size_t stride = (all.size() + MOST_DECADE_TICKS - 1) / MOST_DECADE_TICKS;
        for (std::size_t i = 0; i < all.size(); i += std::max<std::size_t>(1, stride))
            ticks.push_back(all[i]);
        return ticks;
    }
    return roundMultiples(clamped.lo, clamped.hi, axisStep(clamped));
}

std::vector<std::string> axisTickLabels(const PlotAxis& axis) {
    std::vector<std::string> labels;
    std::vector<double> ticks = axisTicks(axis);
    if (!axis.logarithmic) {
        RoundStep step = axisStep(axis);
        for (double v : ticks) labels.push_back(tickLabel(v, step));
        return labels;
    }
    // One form for the whole axis: plain decimals when every decade is short, else 10ⁿ.
    bool plain = std::all_of(ticks.begin(), ticks.end(), [](double v) {
        return v >= SMALLEST_PLAIN_DECADE && v <= LARGEST_PLAIN_DECADE;
    });
    for (double v : ticks) {
        int exponent = static_cast<int>(std::lround(std::log10(v)));
        labels.push_back(plain ? tickLabel(v, RoundStep{1, exponent}) : powerOfTenText(v, 0));
    }
    return labels;
}

void roundOut(PlotAxis& axis) {
    clampRange(axis);
    if (axis.logarithmic) {
        if (!(axis.lo > 0) || !(axis.hi > 0)) return;
        axis.lo = std::pow(10.0, std::floor(std::log10(axis.lo)));
        axis.hi = std::pow(10.0, std::ceil(std::log10(axis.hi)));
        if (axis.hi <= axis.lo) axis.hi = axis.lo * 10;
        return;
    }
    double span = axis.hi - axis.lo;
    if (!(span > 0)) span = axis.lo != 0 ? std::fabs(axis.lo) : 1;
    double size = roundStep(span, axis.wantedTicks).value();
    double lo = std::floor(axis.lo / size + 1e-9) * size,
           hi = std::ceil(axis.hi / size - 1e-9) * size;
    if (hi <= lo) lo -= size, hi += size;
    // The widened range may call for a coarser step; its ticks must reach both ends too.
    for (int pass = 0; pass < 3; ++pass) {
        double coarser = roundStep(hi - lo, axis.wantedTicks).value();
        if (coarser <= size) break;
        size = coarser;
        lo = std::floor(lo / size + 1e-9) * size;
        hi = std::ceil(hi / size - 1e-9) * size;
    }
    axis.lo = lo;
    axis.hi = hi;
}

void writeLabel(std::ostream& out, double x, double y, const std::string& text,
                const std::string& anchor, int fontSize) {
    out << "<text x=\"" << SvgNumber{x, 1} << "\" y=\"" << SvgNumber{y, 1} << "\" font-size=\""
        << fontSize << "\"";
    if (anchor != "start") out << " text-anchor=\"" << anchor << "\"";
    out << '>';
    writeEscaped(out, text);
    out << "</text>\n";
}

double yLabelOffset(const PlotAxis& axis) {
    double widest = 0;
    for (const std::string& label : axisTickLabels(axis))
        widest = std::max(widest, textWidth(label, FONT_SIZE));
    return std::max(62.0, TICK_LENGTH + 3 + widest + 14);
}

void writeAxes(std::ostream& out, const PlotFrame& f) {
    const PlotArea& a = f.area;
    double bottom = a.top + a.height;
    out << "<rect class=\"frame\" x=\"" << SvgNumber{a.left, 1} << "\" y=\"" << SvgNumber{a.top, 1}
        << "\" width=\"" << SvgNumber{a.width, 1} << "\" height=\"" << SvgNumber{a.height, 1}
        << "\" fill=\"none\" stroke=\"black\" stroke-width=\"1\"/>\n"
        << "<g class=\"ticks\" stroke=\"black\" stroke-width=\"1\">\n";
    std::vector<double> xTicks = axisTicks(f.x), yTicks = axisTicks(f.y);
    for (double v : xTicks)
        out << "<line x1=\"" << SvgNumber{f.px(v), 1} << "\" y1=\"" << SvgNumber{bottom, 1}
            << "\" x2=\"" << SvgNumber{f.px(v), 1} << "\" y2=\""
            << SvgNumber{bottom + TICK_LENGTH, 1} << "\"/>\n";
    for (double v : yTicks)
        out << "<line x1=\"" << SvgNumber{a.left - TICK_LENGTH, 1} << "\" y1=\""
            << SvgNumber{f.py(v), 1} << "\" x2=\"" << SvgNumber{a.left, 1} << "\" y2=\""
            << SvgNumber{f.py(v), 1} << "\"/>\n";
    out << "</g>\n<g class=\"tick-labels\" font-family=\"sans-serif\" fill=\"black\">\n";
    // A label that would touch the one before it is left out (its tick stays).
    std::vector<std::string> xLabels = axisTickLabels(f.x), yLabels = axisTickLabels(f.y);
    double lastRight = -INFINITY, lastY = INFINITY;
    for (std::size_t i = 0; i < xTicks.size(); ++i) {
        double x = f.px(xTicks[i]), half = textWidth(xLabels[i], FONT_SIZE) / 2;
        if (!std::isfinite(x) || x - half < lastRight + LABEL_GAP) continue;
        writeLabel(out, x, bottom + TICK_LENGTH + FONT_SIZE + 2, xLabels[i], "middle");
        lastRight = x + half;
    }
    for (std::size_t i = 0; i < yTicks.size(); ++i) {
        double y = f.py(yTicks[i]);
        if (!std::isfinite(y) || std::fabs(y - lastY) < FONT_SIZE + 1) continue;
        writeLabel(out, a.left - TICK_LENGTH - 3, y + FONT_SIZE / 3.0, yLabels[i], "end");
        lastY = y;
    }
    if (!f.x.label.empty())
        writeLabel(out, a.left + a.width / 2, bottom + TICK_LENGTH + 2 * FONT_SIZE + 14, f.x.label,
                   "middle");
    if (!f.y.label.empty()) {
        double x = a.left - yLabelOffset(f.y), y = a.top + a.height / 2;
        out << "<text transform=\"translate(" << SvgNumber{x, 1} << ' ' << SvgNumber{y, 1}
            << ") rotate(-90)\" font-size=\"" << FONT_SIZE << "\" text-anchor=\"middle\">";
        writeEscaped(out, f.y.label);
        out << "</text>\n";
    }
    out << "</g>\n";
}

void writeTitle(std::ostream& out, const PlotFrame& frame, const std::string& title) {
    out << "<g class=\"title\" font-family=\"sans-serif\" fill=\"black\">\n";
    writeLabel(out, frame.area.left + frame.area.width / 2, frame.area.top - 14, title, "middle",
               16);
    out << "</g>\n";
}

void writeFittedTitle(std::ostream& out, double left, double width, double baseline,
                      const std::string& title) {
    FittedText fitted = fitText(title, width, TITLE_SIZE, SMALLEST_TITLE_SIZE);
    out << "<g class=\"title\" font-family=\"sans-serif\" fill=\"black\">\n";
    writeLabel(out, left + width / 2, baseline, fitted.text, "middle", fitted.fontSize);
    out << "</g>\n";
}

void writeCurve(std::ostream& out, const PlotFrame& frame, const std::vector<PlotPoint>& points,
                const std::string& cssClass, const std::string& colour, double width) {
    bool open = false;
    for (const PlotPoint& p : points) {
        double x = frame.px(p.x), y = frame.py(p.y);
        if (!std::isfinite(x) || !std::isfinite(y)) {
            if (open) out << "\"/>\n";
            open = false;
            continue;
        }
        if (!open)
            out << "<polyline class=\"" << cssClass << "\" fill=\"none\" stroke=\"" << colour
                << "\" stroke-width=\"" << SvgNumber{width, 1} << "\" points=\"";
        else
            out << ' ';
        out << SvgNumber{x, 2} << ',' << SvgNumber{y, 2};
        open = true;
    }
    if (open) out << "\"/>\n";
}

void writeMarkers(std::ostream& out, const PlotFrame& frame, const std::vector<PlotPoint>& points,
                  const std::string& cssClass, const std::string& colour, double radius) {
    out << "<g class=\"" << cssClass << "\" fill=\"" << colour << "\" stroke=\"none\">\n";
    for (const PlotPoint& p : points) {
        double x = frame.px(p.x), y = frame.py(p.y);
        if (!std::isfinite(x) || !std::isfinite(y) || !inside(frame.area, x, y)) continue;
        out << "<circle cx=\"" << SvgNumber{x, 2} << "\" cy=\"" << SvgNumber{y, 2} << "\" r=\""
            << SvgNumber{radius, 1} << "\"/>\n";
    }
    out << "</g>\n";
}
