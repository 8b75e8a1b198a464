#include "ascii_grid.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <sstream>

#include "text_tokens.h"

namespace {

std::string lowered(std::string_view word) {
    std::string text(word);
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

struct AsciiHeader {
    double ncols = -1, nrows = -1, x = 0, y = 0, cellsize = 0, nodata = 0;
    bool xCorner = false, yCorner = false, hasX = false, hasY = false, hasNodata = false;
};

}  // namespace

bool readAsciiGrid(const std::string& text, const std::string& fileName,
                   const MissingValues& missing, GridStack& stack, std::string& fault) {
    stack = GridStack{};
    TextTokens words(text);
    auto refuseAt = [&](int line, const std::string& what) {
        fault = fileName + ":" + std::to_string(line) + ": " + what;
        return false;
    };
    AsciiHeader h;
    std::string_view word;
    bool haveWord = words.next(word);
    std::string seen;
    // Header lines start with a keyword; the first line that starts otherwise holds values.
    while (haveWord && std::isalpha(static_cast<unsigned char>(word[0])) &&
           !isNotANumberWord(word)) {
        const std::string key = lowered(word);
        const int line = words.line();
        std::string_view valueWord;
        double value = 0;
        if (!words.nextOnLine(valueWord) || !wordNumber(valueWord, value) || !std::isfinite(value))
            return refuseAt(line, shownInMessage(key) + " needs a number on its line");
        if (seen.find(" " + key + " ") != std::string::npos)
            return refuseAt(line, shownInMessage(key) + " is given twice");
        seen += " " + key + " ";
        if (key == "ncols") {
            h.ncols = value;
        } else if (key == "nrows") {
            h.nrows = value;
        } else if (key == "xllcorner" || key == "xllcenter") {
            if (h.hasX) return refuseAt(line, "xllcorner and xllcenter are both given");
            h.x = value, h.hasX = true, h.xCorner = key == "xllcorner";
        } else if (key == "yllcorner" || key == "yllcenter") {
            if (h.hasY) return refuseAt(line, "yllcorner and yllcenter are both given");
            h.y = value, h.hasY = true, h.yCorner = key == "yllcorner";
        } else if (key == "cellsize") {
            h.cellsize = value;
        } else if (key == "nodata_value") {
            h.nodata = value, h.hasNodata = true;
        } else {
            return refuseAt(line, "\"" + shownInMessage(word) +
                                      "\" is no keyword of an ESRI ASCII grid header");
        }
        std::string_view extra;
        if (words.nextOnLine(extra)) return refuseAt(line, shownInMessage(key) + " takes one number");
        haveWord = words.next(word);
    }
    const int valuesLine = words.line();
    auto wholeCount = [](double n) { return n >= 1 && n == std::floor(n); };
    if (!wholeCount(h.ncols) || !wholeCount(h.nrows) || !h.hasX || !h.hasY ||
        !(h.cellsize > 0))
        return refuseAt(valuesLine,
                        "the header needs ncols and nrows (whole numbers from 1), xllcorner or "
                        "xllcenter, yllcorner or yllcenter, and a positive cellsize before the "
                        "values");
    if (h.ncols > double(MAX_GRID_VALUES) || h.nrows > double(MAX_GRID_VALUES) / h.ncols)
        return refuseAt(valuesLine, "holds more than the " + std::to_string(MAX_GRID_VALUES) +
                                        " values gridconv converts");
    const int nx = static_cast<int>(h.ncols), ny = static_cast<int>(h.nrows);
    // Nodes at the cell centres: a corner lies half a cell before the first node.
    const double x0 = h.xCorner ? h.x + h.cellsize / 2 : h.x;
    const double y0 = h.yCorner ? h.y + h.cellsize / 2 : h.y;
    GridArray array;
    GridAxis* axes[2] = {&array.header.x, &array.header.y};
    const double origins[2] = {x0, y0};
    const int counts[2] = {nx, ny};
    for (int a = 0; a < 2; ++a) {
        GridAxis& axis = *axes[a];
        axis.min = static_cast<float>(origins[a]);
        axis.spacing = static_cast<float>(h.cellsize);
        axis.max = static_cast<float>(nodeCoordinate(axis, counts[a] - 1));
        if (!(std::fabs(origins[a]) <= FLT_MAX) || !std::isfinite(axis.max) ||
            gridCount(axis) != counts[a])
            return refuseAt(valuesLine, "the header gives a grid that single precision cannot "
                                        "hold (a cell size too small for its coordinates, or "
                                        "coordinates beyond its range)");
    }
    array.header.nx = nx;
    array.header.ny = ny;
    array.values.resize(static_cast<std::size_t>(nx) * ny);
    for (std::size_t k = 0; k < array.values.size(); ++k) {
        if (k > 0) haveWord = words.next(word);
        if (!haveWord)
            return refuseAt(words.line(), "ends after " + std::to_string(k) + " of its " +
                                              std::to_string(array.values.size()) + " values");
        double value = 0;
        const bool gap = isNotANumberWord(word);
        if (!gap && !wordNumber(word, value))
            return refuseAt(words.line(), "\"" + shownInMessage(word) + "\" is not a number");
        const int column = static_cast<int>(k % std::size_t(nx));
        const int row = static_cast<int>(k / std::size_t(nx));
        if (gap || (h.hasNodata && value == h.nodata)) {
            if (!missing.replace)
                return refuseAt(words.line(),
                                missingValueMessage(gap ? "NaN" : "NODATA_value",
                                                    nodeCoordinate(array.header.x, column),
                                                    nodeCoordinate(array.header.y, ny - 1 - row)));
            value = missing.value;
        } else if (!(std::fabs(value) <= FLT_MAX)) {
            return refuseAt(words.line(), "\"" + shownInMessage(word) +
                                              "\" is beyond single precision, which the suite's "
                                              "grids hold");
        }
        array.values[k] = static_cast<float>(value);
    }
    if (words.next(word))
        return refuseAt(words.line(), "holds more than the " +
                                          std::to_string(array.values.size()) +
                                          " values its header gives");
    stack.arrays.push_back(std::move(array));
    return true;
}

bool asciiGridText(const GridArray& array, const std::string& sourceName, std::string& text,
                   std::string& fault) {
    const GridHeader& h = array.header;
    const float cell = std::fabs(h.x.spacing);
    if (cell != std::fabs(h.y.spacing)) {
        fault = sourceName + ": its x spacing " + exactFloatText(h.x.spacing) +
                " and y spacing " + exactFloatText(h.y.spacing) +
                " differ, and an ESRI ASCII grid has one cell size for both";
        return false;
    }
    // The lower left node: the axis minimum, or its far end where the spacing is negative.
    const int lastX = h.nx - 1, lastY = h.ny - 1;
    const float left = h.x.spacing > 0 ? h.x.min : static_cast<float>(nodeCoordinate(h.x, lastX));
    const float bottom = h.y.spacing > 0 ? h.y.min : static_cast<float>(nodeCoordinate(h.y, lastY));
    std::ostringstream os;
    os << "ncols " << h.nx << "\nnrows " << h.ny << "\nxllcenter " << exactFloatText(left)
       << "\nyllcenter " << exactFloatText(bottom) << "\ncellsize " << exactFloatText(cell) << '\n';
    for (int northToSouth = 0; northToSouth < h.ny; ++northToSouth) {
        // The file's rows run from the header's y maximum, which is the north unless the
        // spacing is negative.
        const int row = h.y.spacing > 0 ? northToSouth : lastY - northToSouth;
        for (int westToEast = 0; westToEast < h.nx; ++westToEast) {
            const int column = h.x.spacing > 0 ? westToEast : lastX - westToEast;
            if (westToEast > 0) os.put(' ');
            os << exactFloatText(array.at(column, row));
        }
        os.put('\n');
    }
    text = os.str();
    return true;
}
