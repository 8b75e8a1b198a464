#include "variogram_plot.h"

#include <cmath>

#include "notation.h"
#include "svg_picture.h"

namespace {

// Plot area in pixels inside a 800 x 560 picture.
constexpr double LEFT = 90, RIGHT = 770, TOP = 40, BOTTOM = 500;
constexpr int CURVE_STEPS = 100;
constexpr int TICKS = 5;

struct Fixed {
    double value;
    int decimals;
};
std::ostream& operator<<(std::ostream& os, Fixed f) {
    char text[NOTATION_BUFFER];
    return os.write(text, formatFixed(text, f.value, f.decimals));
}
struct General {
    double value;
};
std::ostream& operator<<(std::ostream& os, General g) {
    char text[NOTATION_BUFFER];
    return os.write(text, formatGeneral(text, g.value, 4));
}

struct Axes {
    double rTop, vTop;
    double px(double r) const { return LEFT + (RIGHT - LEFT) * r / rTop; }
    double py(double v) const { return BOTTOM - (BOTTOM - TOP) * v / vTop; }
};

double modelAt(const VariogramFit& fit, double r, double half) {
    double t = r / half;
    const double* c = fit.curve;
    return fit.vMax * (c[0] + t * (c[1] + t * (c[2] + t * c[3])));
}

void writeAxes(std::ostream& out, const Axes& a) {
    out << "<g stroke=\"black\" stroke-width=\"1\">\n"
        << "<line x1=\"" << Fixed{LEFT, 1} << "\" y1=\"" << Fixed{BOTTOM, 1} << "\" x2=\""
        << Fixed{RIGHT, 1} << "\" y2=\"" << Fixed{BOTTOM, 1} << "\"/>\n"
        << "<line x1=\"" << Fixed{LEFT, 1} << "\" y1=\"" << Fixed{BOTTOM, 1} << "\" x2=\""
        << Fixed{LEFT, 1} << "\" y2=\"" << Fixed{TOP, 1} << "\"/>\n</g>\n"
        << "<g font-family=\"sans-serif\" font-size=\"13\" fill=\"black\">\n";
    for (int i = 0; i <= TICKS; ++i) {
        double r = a.rTop * i / TICKS, v = a.vTop * i / TICKS;
        out << "<text x=\"" << Fixed{a.px(r), 1} << "\" y=\"" << Fixed{BOTTOM + 20, 1}
            << "\" text-anchor=\"middle\">" << General{r} << "</text>\n"
            << "<text x=\"" << Fixed{LEFT - 8, 1} << "\" y=\"" << Fixed{a.py(v) + 4, 1}
            << "\" text-anchor=\"end\">" << General{v} << "</text>\n";
    }
    out << "<text x=\"" << Fixed{(LEFT + RIGHT) / 2, 1} << "\" y=\"" << Fixed{BOTTOM + 45, 1}
        << "\" text-anchor=\"middle\">distance r</text>\n"
        << "<text x=\"" << Fixed{LEFT, 1} << "\" y=\"" << Fixed{TOP - 15, 1}
        << "\">variance (points: bins; curve: fitted model up to rMax/2)</text>\n</g>\n";
}

}  // namespace

void writeVariogramPlot(std::ostream& out, const std::vector<VariogramBin>& bins, double rMax,
                        const VariogramFit& fit) {
    double half = 0.5 * rMax;
    Axes a{rMax > 0 ? rMax : 1, 0};
    for (const VariogramBin& bin : bins)
        if (bin.pairs > 0 && std::isfinite(bin.variance)) a.vTop = std::fmax(a.vTop, bin.variance);
    for (int i = 0; i <= CURVE_STEPS; ++i) {
        double v = modelAt(fit, half * i / CURVE_STEPS, half);
        if (std::isfinite(v)) a.vTop = std::fmax(a.vTop, v);
    }
    a.vTop = a.vTop > 0 ? a.vTop * 1.1 : 1;

    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"800\" height=\"560\" "
           "viewBox=\"0 0 800 560\">\n"
        << "<rect x=\"0\" y=\"0\" width=\"800\" height=\"560\" fill=\"white\"/>\n";
    writeAxes(out, a);
    out << "<g fill=\"#1f4e9c\" stroke=\"none\">\n";
    for (const VariogramBin& bin : bins) {
        double r = 0.5 * (bin.minR + bin.maxR);
        if (bin.pairs <= 0 || !std::isfinite(bin.variance) || r > a.rTop) continue;
        out << "<circle class=\"bin\" cx=\"" << Fixed{a.px(r), 2} << "\" cy=\""
            << Fixed{a.py(bin.variance), 2} << "\" r=\"3\"/>\n";
    }
    out << "</g>\n<polyline class=\"model\" fill=\"none\" stroke=\"#c0392b\" stroke-width=\"2\" "
           "points=\"";
    for (int i = 0; i <= CURVE_STEPS; ++i) {
        double r = half * i / CURVE_STEPS;
        out << (i ? " " : "") << Fixed{a.px(r), 2} << ',' << Fixed{a.py(modelAt(fit, r, half)), 2};
    }
    out << "\"/>\n</svg>\n";
}
