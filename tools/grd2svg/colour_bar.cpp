#include "colour_bar.h"

#include <algorithm>
#include <cmath>

#include "colour_scale.h"
#include "map_fill.h"
#include "notation.h"
#include "number_text.h"
#include "round_ticks.h"
#include "svg_writer.h"
#include "text_width.h"

namespace {

constexpr int FONT_SIZE = 13;
constexpr double LABEL_ROOM = FONT_SIZE + 3;  // the least distance between two labels' baselines
constexpr double PIXELS_PER_BAR_TICK = 40;    // of the smooth scale
constexpr double TICK = 5, LABEL_GAP = 8;

std::string everywhere(double value) {
    char text[NOTATION_BUFFER];
    int length = formatGeneral(text, value, 6);
    return std::string(text, length) + " everywhere";
}

double yOf(const PlotArea& bar, const BarScale& s, double v) {
    return bar.top + bar.height * (1 - colourShare(v, s.lo, s.hi));
}

}  // namespace

std::vector<std::pair<double, std::string>> barLabels(const BarScale& s, double height) {
    std::vector<std::pair<double, std::string>> labels;
    if (!(s.hi > s.lo)) return {{s.lo, everywhere(s.lo)}};
    if (!s.stepped) {
        int wanted = std::max(2, int(height / PIXELS_PER_BAR_TICK));
        RoundStep step = roundStep(s.hi - s.lo, wanted);
        for (double v : roundMultiples(s.lo, s.hi, step)) labels.push_back({v, tickLabel(v, step)});
        return labels;
    }
    // Every level while they stand far enough apart, else every 2nd, 5th, 10th, ... of them.
    double spacing = height * s.interval / (s.hi - s.lo);
    long stride = 1;
    for (int k = 0; spacing * stride < LABEL_ROOM && stride < 1000000000; ++k)
        stride = (k % 3 == 1 ? 5 : 2) * stride / (k % 3 == 1 ? 2 : 1);
    for (double level : s.levels)
        if (std::fmod(std::round(level / s.interval), double(stride)) == 0)
            labels.push_back({level, levelText(level, s.interval)});
    return labels;
}

double barLabelWidth(const BarScale& s, double height) {
    double widest = textWidth(s.unit, FONT_SIZE) - TICK - LABEL_GAP;
    for (const auto& [value, text] : barLabels(s, height))
        widest = std::max(widest, textWidth(text, FONT_SIZE));
    return TICK + LABEL_GAP + widest;
}

void writeColourBar(std::ostream& out, const PlotArea& bar, const BarScale& s) {
    double right = bar.left + bar.width;
    out << "<g class=\"colour-bar\" font-family=\"sans-serif\">\n";
    if (!(s.hi > s.lo)) {
        out << "<rect x=\"" << SvgNumber{bar.left, 1} << "\" y=\"" << SvgNumber{bar.top, 1}
            << "\" width=\"" << SvgNumber{bar.width, 1} << "\" height=\""
            << SvgNumber{bar.height, 1} << "\" fill=\"" << colourAt(0.5)
            << "\" stroke=\"black\" stroke-width=\"1\"/>\n";
        writeLabel(out, right + LABEL_GAP, bar.top + bar.height / 2 + 4, everywhere(s.lo));
    } else if (s.stepped) {
        for (std::size_t k = 0; k <= s.levels.size(); ++k) {
            double from = k == 0 ? s.lo : s.levels[k - 1],
                   to = k < s.levels.size() ? s.levels[k] : s.hi;
            double top = yOf(bar, s, to), bottom = yOf(bar, s, from);
            out << "<rect x=\"" << SvgNumber{bar.left, 1} << "\" y=\"" << SvgNumber{top, 2}
                << "\" width=\"" << SvgNumber{bar.width, 1} << "\" height=\""
                << SvgNumber{bottom - top, 2} << "\" fill=\""
                << colourAt(colourShare(bandMiddle(s.levels, k, s.lo, s.hi), s.lo, s.hi))
                << "\"/>\n";
        }
        out << "<rect x=\"" << SvgNumber{bar.left, 1} << "\" y=\"" << SvgNumber{bar.top, 1}
            << "\" width=\"" << SvgNumber{bar.width, 1} << "\" height=\""
            << SvgNumber{bar.height, 1}
            << "\" fill=\"none\" stroke=\"black\" stroke-width=\"1\"/>\n";
    } else {
        out << "<defs><linearGradient id=\"colour-scale\" x1=\"0\" y1=\"1\" x2=\"0\" y2=\"0\">\n";
        for (int i = 0; i <= 10; ++i)
            out << "<stop offset=\"" << SvgNumber{i / 10.0, 2} << "\" stop-color=\""
                << colourAt(i / 10.0) << "\"/>\n";
        out << "</linearGradient></defs>\n<rect x=\"" << SvgNumber{bar.left, 1} << "\" y=\""
            << SvgNumber{bar.top, 1} << "\" width=\"" << SvgNumber{bar.width, 1} << "\" height=\""
            << SvgNumber{bar.height, 1}
            << "\" fill=\"url(#colour-scale)\" stroke=\"black\" stroke-width=\"1\"/>\n";
    }
    if (s.hi > s.lo)
        for (const auto& [value, text] : barLabels(s, bar.height)) {
            double y = yOf(bar, s, value);
            out << "<line x1=\"" << SvgNumber{right, 1} << "\" y1=\"" << SvgNumber{y, 1}
                << "\" x2=\"" << SvgNumber{right + TICK, 1} << "\" y2=\"" << SvgNumber{y, 1}
                << "\" stroke=\"black\"/>\n";
            writeLabel(out, right + LABEL_GAP, y + 4, text);
        }
    if (!s.unit.empty()) writeLabel(out, bar.left, bar.top - 10, s.unit);
    out << "</g>\n";
}
