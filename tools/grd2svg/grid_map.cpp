#include "grid_map.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "colour_bar.h"
#include "contour_labels.h"
#include "data_mask.h"
#include "map_fill.h"
#include "map_geometry.h"
#include "notation.h"
#include "number_text.h"
#include "svg_writer.h"
#include "text_width.h"

namespace {

constexpr double TOP = 70, TITLE_BASELINE = 32, SIDE_MARGIN = 16, MIN_WIDTH = 440;
constexpr double BAR_GAP = 30, BAR_WIDTH = 22;
constexpr double AXIS_ROOM = 66;  // below the map: tick labels and the axis label
constexpr int CAPTION_SIZE = 12, SMALLEST_CAPTION_SIZE = 9;
constexpr double CAPTION_ROW = 17;
constexpr int WANTED_LEVELS = 10;
constexpr int LABEL_EVERY_LEVEL_UP_TO = 5;  // more levels than this: every other one labelled
constexpr double SIMPLIFY_PIXELS = 0.25;    // how far a drawn line may stray from the traced one
constexpr double DOT_RADIUS = 3.5;
const char* const MASK_GREY = "#d9d9d9";

std::string general(double value, int digits) {
    char text[NOTATION_BUFFER];
    int length = formatGeneral(text, value, digits);
    return std::string(text, length);
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

// Room left of the map for the y axis's numbers and its label (whose letters reach about a font
// size left of where it stands).
double leftMargin(const PlotFrame& frame) {
    return yLabelOffset(frame.y) + 18;
}

std::vector<std::string> levelTexts(const std::vector<double>& levels, double interval,
                                    bool degrees) {
    std::vector<std::string> texts;
    bool everyOther = levels.size() > LABEL_EVERY_LEVEL_UP_TO;
    for (double level : levels) {
        bool labelled = !everyOther || std::fmod(std::round(level / interval), 2.0) == 0;
        texts.push_back(labelled ? levelText(level, interval) + (degrees ? "\u00b0" : "") : "");
    }
    return texts;
}

// Each level's lines in grid coordinates, simplified to within SIMPLIFY_PIXELS of the traced
// ones; the same lines bound the filled bands.
std::vector<std::vector<ContourLine>> tracedLines(const NodeGrid& grid,
                                                  const std::vector<double>& levels,
                                                  const MapGeometry& g) {
    double tolerance = SIMPLIFY_PIXELS / std::max(g.xScale(), g.yScale());
    std::vector<std::vector<ContourLine>> lines;
    for (double level : levels) {
        lines.emplace_back();
        for (ContourLine& line : traceContours(grid, level)) {
            if (line.closed) line.points.push_back(line.points.front());
            line.points = simplifiedLine(line.points, tolerance);
            if (line.closed) line.points.pop_back();
            lines.back().push_back(std::move(line));
        }
    }
    return lines;
}

struct Caption {
    std::vector<std::string> lines;
};

void writeMask(std::ostream& out, const MapGeometry& g, const std::vector<PlotPoint>& points,
               double distance) {
    const PlotArea& a = g.frame.area;
    // A disc wider than any picture greys nothing more; a datum that far off the map cannot reach
    // it with such a disc.
    constexpr double WIDEST = 1e5, FARTHEST = 1e6;
    double rx = std::min(WIDEST, distance * g.xScale()),
           ry = std::min(WIDEST, distance * g.yScale());
    out << "<defs><mask id=\"data-mask\" maskUnits=\"userSpaceOnUse\" x=\"" << SvgNumber{a.left, 2}
        << "\" y=\"" << SvgNumber{a.top, 2} << "\" width=\"" << SvgNumber{a.width, 2}
        << "\" height=\"" << SvgNumber{a.height, 2} << "\">\n<rect x=\"" << SvgNumber{a.left, 2}
        << "\" y=\"" << SvgNumber{a.top, 2} << "\" width=\"" << SvgNumber{a.width, 2}
        << "\" height=\"" << SvgNumber{a.height, 2} << "\" fill=\"white\"/>\n<g fill=\"black\">\n";
    for (const PlotPoint& p : points) {
        if (!(std::fabs(g.px(p.x)) < FARTHEST) || !(std::fabs(g.py(p.y)) < FARTHEST)) continue;
        out << "<ellipse cx=\"" << SvgNumber{g.px(p.x), 1} << "\" cy=\"" << SvgNumber{g.py(p.y), 1}
            << "\" rx=\"" << SvgNumber{rx, 1} << "\" ry=\"" << SvgNumber{ry, 1} << "\"/>\n";
    }
    out << "</g>\n</mask></defs>\n<rect class=\"mask\" x=\"" << SvgNumber{a.left, 2} << "\" y=\""
        << SvgNumber{a.top, 2} << "\" width=\"" << SvgNumber{a.width, 2} << "\" height=\""
        << SvgNumber{a.height, 2} << "\" fill=\"" << MASK_GREY << "\" mask=\"url(#data-mask)\"/>\n";
}

bool insideArea(const PlotArea& a, double x, double y) {
    constexpr double SLACK = 0.5;
    return x >= a.left - SLACK && x <= a.left + a.width + SLACK && y >= a.top - SLACK &&
           y <= a.top + a.height + SLACK;
}

void writePoints(std::ostream& out, const MapGeometry& g, const std::vector<PlotPoint>& points) {
    std::vector<PlotPoint> shown;
    for (const PlotPoint& p : points) shown.push_back({p.x, g.section ? -p.y : p.y});
    writeMarkers(out, g.frame, shown, "points", "black", DOT_RADIUS);
    writeMarkers(out, g.frame, shown, "points-inner", "white", 2);
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
                  std::string& error, MapNotes* notes) {
    MapNotes noted;
    const GridHeader& h = array.header;
    NodeGrid nodes = nodesOf(array);
    auto [low, high] = std::minmax_element(array.values.begin(), array.values.end());
    double lo = *low, hi = *high;
    std::vector<double> levels;
    if (!mapLevels(lo, hi, options.interval, levels, error)) return false;
    double interval =
        options.interval > 0 ? options.interval : roundStep(hi - lo, WANTED_LEVELS).value();
    bool cells = options.cells || h.nx < 2 || h.ny < 2;

    std::unique_ptr<DataMask> mask;
    if (options.maskAuto || options.maskDistance > 0) {
        mask = std::make_unique<DataMask>(options.points, options.maskDistance);
        if (options.maskAuto) {
            double median = mask->medianNeighbourDistance();
            if (!(median > 0)) {
                error = "--mask-distance auto needs data at two different positions at least; " +
                        options.pointsName + " has none";
                return false;
            }
            mask->setDistance(AUTO_MASK_FACTOR * median);
        }
        // Data spread beyond what doubles measure leave nothing farther away than that.
        if (!std::isfinite(mask->distance())) mask.reset();
        if (mask) noted.maskDistance = mask->distance();
    }

    MapGeometry g = mapGeometry(h, options.section, cells, options.exaggeration, 0, TOP);
    if (!options.xLabel.empty()) g.frame.x.label = options.xLabel;
    if (!options.yLabel.empty()) g.frame.y.label = options.yLabel;
    g.frame.area.left = leftMargin(g.frame);
    const PlotArea& a = g.frame.area;

    bool reduced = false;
    NodeGrid grid = drawnGrid(nodes, levels, a.width, a.height, reduced);
    if (reduced) noted.drawnAcross = grid.nx, noted.drawnUp = grid.ny;
    std::vector<std::vector<ContourLine>> lines = tracedLines(grid, levels, g);
    std::vector<PictureLine> pictureLines;
    for (std::size_t k = 0; k < lines.size(); ++k)
        for (const ContourLine& line : lines[k]) {
            PictureLine shown{{}, line.closed, k};
            for (const PlotPoint& p : line.points) shown.points.push_back(g.picture(p));
            pictureLines.push_back(std::move(shown));
        }

    LabelSpace space{a, {}, {}};
    for (const PlotPoint& p : options.points) {
        double x = g.px(p.x), y = g.py(p.y);
        if (insideArea(a, x, y))
            space.dots.push_back(dotBox(x, y, DOT_RADIUS + 0.5));
        else
            ++noted.outside;
    }
    if (mask)
        space.visible = [&](double x, double y) {
            PlotPoint p = g.grid(x, y);
            return mask->near(p.x, p.y);
        };
    std::vector<std::string> texts = levelTexts(levels, interval, options.section);
    std::vector<ContourLabel> labels = placeContourLabels(pictureLines, texts, space);

    BarScale scale{lo,     hi,
                   levels, interval,
                   !cells, options.unit.empty() && options.section ? "degrees" : options.unit};
    PlotArea bar{a.left + a.width + BAR_GAP, TOP, BAR_WIDTH, std::max(a.height, MIN_BAR_HEIGHT)};
    double width =
        std::max(MIN_WIDTH, bar.left + bar.width + barLabelWidth(scale, bar.height) + SIDE_MARGIN);

    std::vector<std::string> captions;
    if (!options.points.empty()) {
        std::string dots = "dots: the " + std::to_string(options.points.size()) + " positions of " +
                           options.pointsName;
        if (noted.outside > 0)
            dots += " (" + std::to_string(noted.outside) + " of them outside the grid, not drawn)";
        captions.push_back(dots);
    }
    if (mask) {
        std::string grey =
            "grey: farther than " + general(mask->distance(), 4) + " from every datum";
        if (options.maskAuto)
            grey += " (" + general(AUTO_MASK_FACTOR, 3) +
                    " times the median distance from a datum to its nearest neighbour)";
        captions.push_back(grey);
    }
    if (options.section || options.exaggeration != 1)
        captions.push_back("vertical exaggeration " + general(options.exaggeration, 4) + ":1" +
                           (options.exaggeration == 1 ? " (true scale)" : ""));
    if (reduced)
        captions.push_back("colours and lines from the grid averaged to " +
                           std::to_string(grid.nx) + " x " + std::to_string(grid.ny) +
                           " nodes (it has " + std::to_string(h.nx) + " x " + std::to_string(h.ny) +
                           ", finer than the picture shows)");
    double captionTop = std::max(a.top + a.height + AXIS_ROOM, bar.top + bar.height + 30);
    double height = captionTop + CAPTION_ROW * captions.size() + 4;

    std::string title = options.title;
    if (!options.ownTitle && !array.caption.empty()) title += ": " + tidyCaption(array.caption);
    writeSvgStart(out, std::ceil(width), std::ceil(height), title);
    out << "<defs><clipPath id=\"map-area\"><rect x=\"" << SvgNumber{a.left, 2} << "\" y=\""
        << SvgNumber{a.top, 2} << "\" width=\"" << SvgNumber{a.width, 2} << "\" height=\""
        << SvgNumber{a.height, 2} << "\"/></clipPath></defs>\n<g clip-path=\"url(#map-area)\">\n";
    if (cells)
        writeCells(out, g, nodes, lo, hi);
    else
        writeBands(out, g, grid, levels, lines, lo, hi);
    out << "<g class=\"contours\" fill=\"none\" stroke=\"black\" stroke-opacity=\"0.75\" "
           "stroke-width=\"0.7\" stroke-linejoin=\"round\">\n";
    std::vector<std::string> levelNames;
    for (double level : levels) levelNames.push_back(levelText(level, interval));
    writeContourLines(out, pictureLines, labels, texts, levelNames);
    out << "</g>\n</g>\n";
    if (mask) writeMask(out, g, options.points, mask->distance());
    out << "<g class=\"contour-labels\" font-family=\"sans-serif\" font-size=\"" << LABEL_FONT_SIZE
        << "\" text-anchor=\"middle\" fill=\"black\" stroke=\"white\" stroke-width=\"2.5\" "
           "stroke-opacity=\"0.7\" paint-order=\"stroke\">\n";
    writeContourLabels(out, labels);
    out << "</g>\n<g font-family=\"sans-serif\">\n";
    writeAxes(out, g.frame);
    writeFittedTitle(out, SIDE_MARGIN, width - 2 * SIDE_MARGIN, TITLE_BASELINE, title);
    out << "</g>\n";
    writeColourBar(out, bar, scale);
    if (!options.points.empty()) writePoints(out, g, options.points);
    if (!captions.empty()) {
        out << "<g class=\"caption\" font-family=\"sans-serif\" fill=\"black\">\n";
        for (std::size_t i = 0; i < captions.size(); ++i) {
            FittedText fitted = fitText(captions[i], width - a.left - SIDE_MARGIN, CAPTION_SIZE,
                                        SMALLEST_CAPTION_SIZE);
            writeLabel(out, a.left, captionTop + i * CAPTION_ROW, fitted.text, "start",
                       fitted.fontSize);
        }
        out << "</g>\n";
    }
    writeSvgEnd(out);
    if (notes) *notes = noted;
    return true;
}
