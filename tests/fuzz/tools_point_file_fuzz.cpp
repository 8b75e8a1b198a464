// grd2svg's points reader on arbitrary text, and what a map then does with the positions it took:
// the reader ends, takes between 1 and MAX_POINTS finite positions or names a line of the file,
// and a masked map of a few of them is whole XML-free of broken numbers.
#include <cmath>
#include <sstream>

#include "data_mask.h"
#include "fuzz_support.h"
#include "grid_map.h"
#include "point_file.h"

namespace {

// Maps cost a pass over every position for the mask: only small sets are drawn.
constexpr std::size_t MAX_DRAWN = 40;

void checkRefusal(const std::string& error, const std::string& text) {
    require(error.rfind("line ", 0) == 0);
    std::size_t lines = 1;
    for (char c : text) lines += c == '\n';
    require(std::stoul(error.substr(5)) <= lines);
}

void drawMap(const std::vector<PlotPoint>& points) {
    GridArray grid;
    grid.header.x = {0, 1, 2};
    grid.header.y = {0, 1, 2};
    grid.header.nx = grid.header.ny = 3;
    grid.values = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    MapOptions options;
    options.points = points;
    options.pointsName = "p.txt";
    options.maskAuto = true;
    std::ostringstream out;
    std::string error;
    if (!writeGridMap(out, grid, options, error)) {
        require(error.find("--mask-distance auto") == 0);
        return;
    }
    std::string svg = out.str();
    require(svg.find("nan") == std::string::npos && svg.find("inf") == std::string::npos);
    require(svg.rfind("</svg>\n") == svg.size() - 7);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text = inputText(data, size);
    std::istringstream in(text);
    std::vector<PlotPoint> points;
    std::string error;
    if (!readPointFile(in, points, error)) {
        checkRefusal(error, text);
        return 0;
    }
    require(!points.empty() && points.size() <= MAX_POINTS);
    for (const PlotPoint& p : points) require(std::isfinite(p.x) && std::isfinite(p.y));
    double median = DataMask(points).medianNeighbourDistance();
    // Infinite only when two positions lie farther apart than a double holds; never NaN.
    require(median >= 0);
    if (points.size() <= MAX_DRAWN) drawMap(points);
    return 0;
}
