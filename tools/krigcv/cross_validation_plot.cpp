#include "cross_validation_plot.h"

#include <cmath>
#include <vector>

#include "plot_axes.h"
#include "svg_writer.h"

namespace {

constexpr double SIDE = 600;
constexpr PlotArea AREA{90, 50, 470, 470};  // square, so that the 1:1 line is the diagonal

// One axis for both values: everything finite, widened to round ticks.  Nearly equal values are
// spread over at least a thousandth of their size, so that the tick labels still differ.
PlotAxis commonAxis(const float observed[], const HeldOutEstimate estimate[], int n) {
    double lo = INFINITY, hi = -INFINITY;
    for (int i = 0; i < n; ++i)
        for (double v : {double(observed[i]), double(estimate[i].estimate)})
            if (std::isfinite(v)) {
                lo = std::fmin(lo, v);
                hi = std::fmax(hi, v);
            }
    if (!(lo <= hi)) {  // nothing finite to show
        lo = 0;
        hi = 1;
    }
    double size = std::fmax(std::fabs(lo), std::fabs(hi));
    double middle = 0.5 * (lo + hi), half = 0.5 * std::fmax(hi - lo, size > 0 ? 1e-3 * size : 1);
    PlotAxis axis = linearAxis(middle - half, middle + half);
    roundOut(axis);
    return axis;
}

}  // namespace

void writeCrossValidationPlot(std::ostream& out, const float observed[],
                              const HeldOutEstimate estimate[], int n) {
    PlotFrame frame{AREA, commonAxis(observed, estimate, n), {}};
    frame.y = frame.x;
    frame.x.label = "estimate from the other data";
    frame.y.label = "observed";
    std::vector<PlotPoint> data;
    for (int i = 0; i < n; ++i) data.push_back({estimate[i].estimate, observed[i]});
    std::vector<PlotPoint> diagonal{{frame.x.lo, frame.x.lo}, {frame.x.hi, frame.x.hi}};

    writeSvgStart(out, SIDE, SIDE, "Observed values against their leave-one-out kriging estimates");
    out << "<g font-family=\"sans-serif\">\n";
    writeAxes(out, frame);
    writeTitle(out, frame, "Leave-one-out cross-validation (line: estimate = observed)");
    out << "</g>\n";
    writeCurve(out, frame, diagonal, "one-to-one", "#c0392b", 1.5);
    writeMarkers(out, frame, data, "datum", "#1f4e9c");
    writeSvgEnd(out);
}
