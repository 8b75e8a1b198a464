#include "factor_plot.h"

#include <algorithm>
#include <cmath>

#include "plot_axes.h"
#include "svg_writer.h"

namespace {

constexpr double WIDTH = 1120, HEIGHT = 560;
constexpr PlotArea SCREE{90, 70, 380, 400};
constexpr PlotArea LOADINGS{640, 70, 400, 400};
constexpr double LOG_SPAN = 1000;  // eigenvalues spanning more than this get a logarithmic axis
const char* const EIGEN_COLOUR = "#1f4e9c";
const char* const SHARE_COLOUR = "#c0392b";

PlotFrame screeFrame(const FactorReport& r) {
    auto [low, high] = std::minmax_element(r.eigenvalues.begin(), r.eigenvalues.end());
    int n = static_cast<int>(r.eigenvalues.size());
    PlotFrame f{SCREE, linearAxis(0.5, n + 0.5, "eigenvalue number", std::min(n, 10)), {}};
    if (*low > 0 && *high / *low > LOG_SPAN)
        f.y = logAxis(*low, *high, "eigenvalue (logarithmic)");
    else
        f.y = linearAxis(std::min(0.0, *low), *high, "eigenvalue");
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
    PlotFrame f = screeFrame(r);
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
    out << "</g>\n<g class=\"variable-names\" font-family=\"sans-serif\" fill=\"black\">\n";
    for (std::size_t j = 0; j < first.size(); ++j) {
        // The name sits beyond the arrow's tip, on the side away from the origin.
        double dx = f.px(first[j]) - f.px(0), dy = f.py(second[j]) - f.py(0);
        double length = std::hypot(dx, dy);
        double ux = length > 0 ? dx / length : 1, uy = length > 0 ? dy / length : 0;
        writeLabel(out, f.px(first[j]) + 12 * ux, f.py(second[j]) + 12 * uy + 4, r.labels[j],
                   ux < -0.3  ? "end"
                   : ux > 0.3 ? "start"
                              : "middle");
    }
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
