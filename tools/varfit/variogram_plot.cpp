#include "variogram_plot.h"

#include <cmath>
#include <string>

#include "notation.h"
#include "plot_axes.h"
#include "svg_writer.h"

namespace {

constexpr double WIDTH = 800, HEIGHT = 720;
constexpr PlotArea MODEL_AREA{90, 50, 680, 400};
constexpr PlotArea PAIRS_AREA{90, 520, 680, 120};
constexpr int CURVE_STEPS = 200;
const char* const FITTED = "#1f4e9c";
const char* const BEYOND = "#9a9a9a";
const char* const MODEL = "#c0392b";

double modelAt(const VariogramFit& fit, double r, double half) {
    double t = r / half;
    const double* c = fit.curve;
    return fit.vMax * (c[0] + t * (c[1] + t * (c[2] + t * c[3])));
}

std::vector<PlotPoint> modelCurve(const VariogramFit& fit, double from, double to, double half) {
    std::vector<PlotPoint> curve;
    for (int i = 0; i <= CURVE_STEPS; ++i) {
        double r = from + (to - from) * i / CURVE_STEPS;
        curve.push_back({r, modelAt(fit, r, half)});
    }
    return curve;
}

double binCentre(const VariogramBin& bin) {
    return 0.5 * (bin.minR + bin.maxR);
}

std::string general4(double value) {
    char text[NOTATION_BUFFER];
    formatGeneral(text, value, 4);
    return text;
}

// The upper panel's frame: every bin with pairs and the whole model fit in it.
PlotFrame modelFrame(const std::vector<VariogramBin>& bins, double rMax, const VariogramFit& fit) {
    PlotFrame frame{MODEL_AREA, linearAxis(0, rMax > 0 ? rMax : 1, "", 8),
                    linearAxis(0, 0, "mean squared difference 2\u03b3(r)")};
    for (const VariogramBin& bin : bins)
        if (bin.pairs > 0) frame.y.hi = std::fmax(frame.y.hi, bin.variance);
    for (const PlotPoint& p : modelCurve(fit, 0, frame.x.hi, 0.5 * rMax))
        if (std::isfinite(p.y)) frame.y.hi = std::fmax(frame.y.hi, p.y);
    if (!(frame.y.hi > 0)) frame.y.hi = 1;
    roundOut(frame.x);
    roundOut(frame.y);
    return frame;
}

}  // namespace

void writeVariogramPlot(std::ostream& out, const std::vector<VariogramBin>& bins, double rMax,
                        const VariogramFit& fit) {
    double half = 0.5 * rMax;
    PlotFrame upper = modelFrame(bins, rMax, fit);
    PlotFrame lower{PAIRS_AREA, upper.x, linearAxis(0, 0, "pairs", 3)};
    lower.x.label = "distance r";
    std::vector<PlotPoint> fitted, beyond;
    for (const VariogramBin& bin : bins) {
        if (bin.pairs <= 0) continue;
        lower.y.hi = std::fmax(lower.y.hi, static_cast<double>(bin.pairs));
        (binCentre(bin) <= fit.fitTo ? fitted : beyond).push_back({binCentre(bin), bin.variance});
    }
    if (!(lower.y.hi > 0)) lower.y.hi = 1;
    roundOut(lower.y);

    writeSvgStart(out, WIDTH, HEIGHT,
                  "Variogram: binned mean squared differences, fitted model "
                  "and pairs per bin");
    out << "<g font-family=\"sans-serif\">\n";
    writeAxes(out, upper);
    writeAxes(out, lower);
    writeTitle(out, upper, "Variogram 2\u03b3(r): bins (points) and the fitted model (curve)");
    writeLabel(out, MODEL_AREA.left + 10, MODEL_AREA.top + 20,
               "model solid where fitted (r \u2264 " + general4(fit.fitTo) +
                   "), dashed beyond; grey bins not fitted");
    writeLabel(out, PAIRS_AREA.left + 10, PAIRS_AREA.top + 18, "pairs per bin");
    out << "</g>\n";

    double barWidth = 1;
    if (!bins.empty()) barWidth = std::fmax(1, 0.7 * (upper.px(bins[0].maxR) - upper.px(0)));
    for (const VariogramBin& bin : bins)
        if (bin.pairs > 0)
            writeCurve(out, lower,
                       {{binCentre(bin), 0}, {binCentre(bin), static_cast<double>(bin.pairs)}},
                       "pairs", binCentre(bin) <= fit.fitTo ? FITTED : BEYOND, barWidth);
    double fitEnd = std::fmin(fit.fitTo, upper.x.hi);
    writeCurve(out, upper, modelCurve(fit, 0, fitEnd, half), "model", MODEL);
    out << "<g stroke-dasharray=\"8 5\">\n";
    writeCurve(out, upper, modelCurve(fit, fitEnd, rMax, half), "model-beyond-fit", MODEL);
    out << "</g>\n";
    writeMarkers(out, upper, fitted, "bin", FITTED, 4);
    writeMarkers(out, upper, beyond, "bin-beyond-fit", BEYOND, 4);
    writeSvgEnd(out);
}
