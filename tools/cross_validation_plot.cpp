#include "cross_validation_plot.h"

#include <cmath>

#include "notation.h"

namespace {

// The square plot area inside a 600 x 600 picture, in pixels.
constexpr double LEFT = 90, TOP = 50, SIDE = 470;
constexpr int WANTED_TICKS = 5;

struct Pixels {
    double value;
};
std::ostream& operator<<(std::ostream& os, Pixels p) {
    char text[NOTATION_BUFFER];
    return os.write(text, formatFixed(text, p.value, 2));
}
struct Label {
    double value;
};
std::ostream& operator<<(std::ostream& os, Label l) {
    char text[NOTATION_BUFFER];
    return os.write(text, formatGeneral(text, l.value, 6));
}

// 1, 2 or 5 times a power of ten: the smallest such step that cuts the range into at most
// WANTED_TICKS parts.
double roundStep(double range) {
    double raw = range / WANTED_TICKS;
    double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * decade >= raw) return m * decade;
    return 10 * decade;
}

struct Axis {
    double lo, hi, step;
    double px(double v) const { return LEFT + SIDE * (v - lo) / (hi - lo); }
    double py(double v) const { return TOP + SIDE - SIDE * (v - lo) / (hi - lo); }
};

// One range for both axes: all values, widened to whole steps (a single value by one step).
Axis commonAxis(const float observed[], const HeldOutEstimate estimate[], int n) {
    double lo = INFINITY, hi = -INFINITY;
    for (int i = 0; i < n; ++i)
        for (double v :
             {static_cast<double>(observed[i]), static_cast<double>(estimate[i].estimate)})
            if (std::isfinite(v)) {
                lo = std::fmin(lo, v);
                hi = std::fmax(hi, v);
            }
    if (!(lo <= hi)) lo = 0, hi = 1;
    double spread = hi - lo;
    if (!(spread > 0) || !std::isfinite(spread))
        spread = std::fabs(lo) > 0 && std::isfinite(lo) ? std::fabs(lo) : 1;
    double step = roundStep(spread);
    double first = std::floor(lo / step) * step, last = std::ceil(hi / step) * step;
    if (first == last) first -= step, last += step;
    return {first, last, step};
}

void writeFrame(std::ostream& out, const Axis& a) {
    out << "<rect x=\"" << Pixels{LEFT} << "\" y=\"" << Pixels{TOP} << "\" width=\"" << Pixels{SIDE}
        << "\" height=\"" << Pixels{SIDE}
        << "\" fill=\"none\" stroke=\"black\" stroke-width=\"1\"/>\n"
        << "<g font-family=\"sans-serif\" font-size=\"13\" fill=\"black\">\n";
    int count = static_cast<int>(std::lround((a.hi - a.lo) / a.step));
    for (int k = 0; k <= count; ++k) {
        double v = a.lo + k * a.step;
        if (std::fabs(v) < 1e-9 * a.step) v = 0;  // no "-0" or 1e-17 at the origin
        out << "<text x=\"" << Pixels{a.px(v)} << "\" y=\"" << Pixels{TOP + SIDE + 20}
            << "\" text-anchor=\"middle\">" << Label{v} << "</text>\n"
            << "<text x=\"" << Pixels{LEFT - 8} << "\" y=\"" << Pixels{a.py(v) + 4}
            << "\" text-anchor=\"end\">" << Label{v} << "</text>\n";
    }
    out << "<text x=\"" << Pixels{LEFT + SIDE / 2} << "\" y=\"" << Pixels{TOP + SIDE + 45}
        << "\" text-anchor=\"middle\">estimate from the other data</text>\n"
        << "<text transform=\"translate(" << Pixels{LEFT - 60} << ' ' << Pixels{TOP + SIDE / 2}
        << ") rotate(-90)\" text-anchor=\"middle\">observed</text>\n"
        << "<text x=\"" << Pixels{LEFT} << "\" y=\"" << Pixels{TOP - 15}
        << "\">leave-one-out cross-validation (line: estimate = observed)</text>\n</g>\n";
}

}  // namespace

void writeCrossValidationPlot(std::ostream& out, const float observed[],
                              const HeldOutEstimate estimate[], int n) {
    Axis a = commonAxis(observed, estimate, n);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"600\" height=\"600\" "
           "viewBox=\"0 0 600 600\">\n"
        << "<title>Observed values against their leave-one-out kriging estimates</title>\n"
        << "<rect x=\"0\" y=\"0\" width=\"600\" height=\"600\" fill=\"white\"/>\n";
    writeFrame(out, a);
    out << "<line class=\"one-to-one\" x1=\"" << Pixels{a.px(a.lo)} << "\" y1=\""
        << Pixels{a.py(a.lo)} << "\" x2=\"" << Pixels{a.px(a.hi)} << "\" y2=\""
        << Pixels{a.py(a.hi)} << "\" stroke=\"#c0392b\" stroke-width=\"1.5\"/>\n"
        << "<g fill=\"#1f4e9c\" stroke=\"none\">\n";
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(observed[i]) || !std::isfinite(estimate[i].estimate)) continue;
        out << "<circle class=\"datum\" cx=\"" << Pixels{a.px(estimate[i].estimate)} << "\" cy=\""
            << Pixels{a.py(observed[i])} << "\" r=\"3\"/>\n";
    }
    out << "</g>\n</svg>\n";
}
