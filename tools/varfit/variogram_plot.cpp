#include "variogram_plot.h"

#include <cmath>

#include "plot_axes.h"
#include "svg_writer.h"

namespace {

constexpr double WIDTH = 800, HEIGHT = 560;
constexpr PlotArea AREA{90, 50, 680, 440};
constexpr int CURVE_STEPS = 100;

double modelAt(const VariogramFit& fit, double r, double half) {
    double t = r / half;
    const double* c = fit.curve;
    return fit.vMax * (c[0] + t * (c[1] + t * (c[2] + t * c[3])));
}

}  // namespace

void writeVariogramPlot(std::ostream& out, const std::vector<VariogramBin>& bins, double rMax,
                        const VariogramFit& fit) {
    double half = 0.5 * rMax;
    PlotFrame frame{AREA, {}, {}};
    frame.x = linearAxis(0, rMax > 0 ? rMax : 1, "distance r", 6);
    frame.y = linearAxis(0, 0, "variance");
    std::vector<PlotPoint> binned, model;
    for (const VariogramBin& bin : bins) {
        double r = 0.5 * (bin.minR + bin.maxR);
        if (bin.pairs <= 0 || !std::isfinite(bin.variance) || r > frame.x.hi) continue;
        binned.push_back({r, bin.variance});
        frame.y.hi = std::fmax(frame.y.hi, bin.variance);
    }
    for (int i = 0; i <= CURVE_STEPS; ++i) {
        double r = half * i / CURVE_STEPS, v = modelAt(fit, r, half);
        model.push_back({r, v});
        if (std::isfinite(v)) frame.y.hi = std::fmax(frame.y.hi, v);
    }
    if (!(frame.y.hi > 0)) frame.y.hi = 1;
    roundOut(frame.x);
    roundOut(frame.y);

    writeSvgStart(out, WIDTH, HEIGHT, "Variogram: binned variances and the fitted model");
    out << "<g font-family=\"sans-serif\">\n";
    writeAxes(out, frame);
    writeTitle(out, frame,
               "Variogram: binned variances (points), fitted model up to rMax/2 (curve)");
    out << "</g>\n";
    writeMarkers(out, frame, binned, "bin", "#1f4e9c");
    writeCurve(out, frame, model, "model", "#c0392b");
    writeSvgEnd(out);
}
