#include "xyz_text.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <sstream>

#include "text_tokens.h"

namespace {

struct Node {
    double x, y, z;
    int line;
    bool gap;
};

std::vector<double> distinct(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

int indexOf(const std::vector<double>& sorted, double value) {
    return static_cast<int>(std::lower_bound(sorted.begin(), sorted.end(), value) - sorted.begin());
}

}  // namespace

bool readXyzText(const std::string& text, const std::string& fileName,
                 const MissingValues& missing, GridStack& stack, std::string& fault) {
    stack = GridStack{};
    auto refuseAt = [&](int line, const std::string& what) {
        fault = fileName + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + what;
        return false;
    };
    TextTokens words(text);
    std::vector<Node> nodes;
    std::string_view word;
    while (words.next(word)) {
        const int line = words.line();
        if (word[0] == '#') {
            while (words.nextOnLine(word)) {
            }
            continue;
        }
        Node node{0, 0, 0, line, false};
        double* fields[3] = {&node.x, &node.y, &node.z};
        for (int f = 0; f < 3; ++f) {
            if (f > 0 && !words.nextOnLine(word))
                return refuseAt(line, "needs three numbers, x y z, on each line");
            if (f == 2 && isNotANumberWord(word)) {
                node.gap = true;
            } else if (!wordNumber(word, *fields[f])) {
                return refuseAt(line, "\"" + shownInMessage(word) + "\" is not a number");
            } else if (!(std::fabs(*fields[f]) <= FLT_MAX)) {
                return refuseAt(line, "\"" + shownInMessage(word) +
                                          "\" is beyond single precision, which the suite's "
                                          "grids hold");
            }
        }
        if (words.nextOnLine(word)) return refuseAt(line, "holds more than x y z");
        if (nodes.size() == MAX_GRID_VALUES)
            return refuseAt(line, "holds more than the " + std::to_string(MAX_GRID_VALUES) +
                                      " values gridconv converts");
        nodes.push_back(node);
    }
    if (nodes.empty()) return refuseAt(0, "holds no x y z line");
    std::vector<double> xs, ys;
    for (const Node& n : nodes) xs.push_back(n.x), ys.push_back(n.y);
    xs = distinct(std::move(xs));
    ys = distinct(std::move(ys));
    if (xs.size() * ys.size() != nodes.size())
        return refuseAt(0, "its " + std::to_string(nodes.size()) +
                               " lines are no whole grid of one value at each of its " +
                               std::to_string(xs.size()) + " x and " + std::to_string(ys.size()) +
                               " y positions");
    GridArray array;
    bool reversed = false;
    std::string why;
    if (!axisFromCoordinates(xs, array.header.x, reversed, why))
        return refuseAt(0, "its x positions " + why);
    if (!axisFromCoordinates(ys, array.header.y, reversed, why))
        return refuseAt(0, "its y positions " + why);
    const int nx = static_cast<int>(xs.size()), ny = static_cast<int>(ys.size());
    array.header.nx = nx;
    array.header.ny = ny;
    array.values.assign(nodes.size(), 0.0f);
    std::vector<char> filled(nodes.size(), 0);
    for (const Node& n : nodes) {
        const std::size_t at =
            static_cast<std::size_t>(ny - 1 - indexOf(ys, n.y)) * nx + indexOf(xs, n.x);
        if (filled[at]) return refuseAt(n.line, "repeats a node of an earlier line");
        filled[at] = 1;
        if (n.gap && !missing.replace)
            return refuseAt(n.line, missingValueMessage("NaN", n.x, n.y));
        array.values[at] = n.gap ? missing.value : static_cast<float>(n.z);
    }
    stack.arrays.push_back(std::move(array));
    return true;
}

std::string xyzText(const GridArray& array) {
    const GridHeader& h = array.header;
    std::ostringstream os;
    for (int row = 0; row < h.ny; ++row) {
        const std::string y = exactFloatText(static_cast<float>(nodeCoordinate(h.y, h.ny - 1 - row)));
        for (int column = 0; column < h.nx; ++column)
            os << exactFloatText(static_cast<float>(nodeCoordinate(h.x, column))) << ' ' << y << ' '
               << exactFloatText(array.at(column, row)) << '\n';
    }
    return os.str();
}
