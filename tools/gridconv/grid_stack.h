#pragma once
// A suite grid as gridconv holds it between reading one format and writing another: the arrays of
// a gridded-data file (gridder's one, or heater's several over one grid) and the layout they were
// written in, so that a file of the suite comes back byte for byte.  Every value is a finite
// single-precision number, as every grid of the suite holds.
#include <cstddef>
#include <string>
#include <vector>

#include "grid_arrays.h"
#include "tool_files.h"

enum class GridLayout {
    valuePerLine,  // gridder: every value on a line of its own, no caption unless one is held
    heaterRows,    // heater: a row of whole numbers a line, each array followed by its caption
};

struct GridStack {
    std::vector<GridArray> arrays;
    GridLayout layout = GridLayout::valuePerLine;
};

// The most values gridconv converts, in all arrays together: the gridded-data reader's own bound,
// far beyond any grid of the suite (gridder's 61 x 61, heater's 49 x 49), so that a header cannot
// make it allocate without bound.
constexpr std::size_t MAX_GRID_VALUES = 4000000;

// The coordinate of node i of an axis (from 0 at the axis minimum), formed in double as every
// writer of coordinates forms it, so that a reader can recognise them exactly.
inline double nodeCoordinate(const GridAxis& axis, int i) {
    return static_cast<double>(axis.min) + i * static_cast<double>(axis.spacing);
}

// An axis recovered from coordinates in a file: equally spaced within the rounding of single
// precision, strictly increasing or strictly decreasing.  reversed when they decrease (the first
// coordinate is then the axis maximum).  False with the reason in why ("is not equally spaced
// ..."), worded to follow the axis's name.
bool axisFromCoordinates(const std::vector<double>& coordinates, GridAxis& axis, bool& reversed,
                         std::string& why);

// value in general notation with the fewest significant digits, from 6 up to 9, that read back
// as the same float: 50 stays "50" and 0.1f "0.1", while a spacing that needs its nine digits
// keeps them.
std::string exactFloatText(float value);

// What --fill asks for: the number put where a netCDF or ASCII grid holds no value (its fill
// value, its NODATA value or a NaN).  Without it such a grid is refused, since no grid of the
// suite holds a gap.
struct MissingValues {
    bool replace = false;
    float value = 0;
};

// "no value at x = X, y = Y (the file's WHAT); give --fill VALUE to put a number there".
std::string missingValueMessage(const std::string& what, double x, double y);

