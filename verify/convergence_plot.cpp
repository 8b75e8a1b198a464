// Cost: linear in the points plotted.  Drawn with the suite's axes module; only the legend's
// sample lines and the dash style are written here.
#include "convergence_plot.h"

#include <cmath>
#include <string>

#include "plot_axes.h"
#include "svg_writer.h"

namespace {

constexpr double WIDTH = 900, PANEL_HEIGHT = 460;
constexpr double AREA_LEFT = 90, AREA_TOP = 50, AREA_WIDTH = 520, AREA_HEIGHT = 340;
constexpr double LEGEND_LEFT = AREA_LEFT + AREA_WIDTH + 30, LEGEND_ROW = 22;
const char* const COLOURS[] = {"#1f4e9c", "#6fa8dc", "#c0392b", "#e59866", "#1e8449", "#82e0aa"};
constexpr int COLOUR_COUNT = sizeof COLOURS / sizeof COLOURS[0];

// The reference slope: error proportional to step^order through the series' finest point, over
// the steps of the series.
std::vector<PlotPoint> referenceLine(const ConvergenceSeries& s) {
    double hf = s.steps.back(), ef = s.errors.back();
    std::vector<PlotPoint> line;
    for (double h : {s.steps.back(), s.steps.front()})
        line.push_back({h, ef * std::pow(h / hf, s.order)});
    return line;
}

void legendRow(std::ostream& out, double y, const std::string& colour, const std::string& text) {
    out << "<line x1=\"" << SvgNumber{LEGEND_LEFT, 1} << "\" y1=\"" << SvgNumber{y, 1} << "\" x2=\""
        << SvgNumber{LEGEND_LEFT + 24, 1} << "\" y2=\"" << SvgNumber{y, 1} << "\" stroke=\""
        << colour << "\" stroke-width=\"2\"/>\n";
    writeLabel(out, LEGEND_LEFT + 32, y + 4, text);
}

void writePanel(std::ostream& out, const ConvergenceStudy& study, double top) {
    PlotFrame frame{{AREA_LEFT, top + AREA_TOP, AREA_WIDTH, AREA_HEIGHT}, {}, {}};
    double hLo = INFINITY, hHi = 0, eLo = INFINITY, eHi = 0;
    for (const ConvergenceSeries& s : study.series)
        for (std::size_t i = 0; i < s.steps.size(); ++i) {
            hLo = std::fmin(hLo, s.steps[i]);
            hHi = std::fmax(hHi, s.steps[i]);
            if (!(s.errors[i] > 0)) continue;
            eLo = std::fmin(eLo, s.errors[i]);
            eHi = std::fmax(eHi, s.errors[i]);
        }
    frame.x = logAxis(hLo, hHi, study.stepName);
    frame.y = logAxis(eLo, eHi, study.errorName);
    roundOut(frame.x);
    roundOut(frame.y);
    writeAxes(out, frame);
    writeTitle(out, frame, study.title);
    for (std::size_t k = 0; k < study.series.size(); ++k) {
        const ConvergenceSeries& s = study.series[k];
        std::string colour = COLOURS[k % COLOUR_COUNT];
        std::vector<PlotPoint> points;
        for (std::size_t i = 0; i < s.steps.size(); ++i)
            points.push_back({s.steps[i], s.errors[i]});
        writeCurve(out, frame, referenceLine(s), "reference", colour, 1);
        writeCurve(out, frame, points, "series", colour);
        writeMarkers(out, frame, points, "series", colour);
        legendRow(out, top + AREA_TOP + 10 + k * LEGEND_ROW, colour, s.label);
    }
    double y = top + AREA_TOP + 10 + study.series.size() * LEGEND_ROW + 10;
    writeLabel(out, LEGEND_LEFT, y, "dashed: the promised order,");
    writeLabel(out, LEGEND_LEFT, y + 16, "through the finest point");
}

}  // namespace

void writeConvergencePlot(std::ostream& out, const std::vector<ConvergenceStudy>& studies) {
    writeSvgStart(out, WIDTH, PANEL_HEIGHT * studies.size(),
                  "Convergence of the suite's integrators and solvers");
    out << "<style>.reference { stroke-dasharray: 6 4; }</style>\n";
    out << "<g font-family=\"sans-serif\">\n";
    for (std::size_t i = 0; i < studies.size(); ++i) writePanel(out, studies[i], i * PANEL_HEIGHT);
    out << "</g>\n";
    writeSvgEnd(out);
}
