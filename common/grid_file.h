#pragma once
// Gridded-data files (".grd"): a header of two lines (x minimum, spacing, maximum; the same for
// y), then the values, northern row (largest y) first, each row from west to east.  The counts
// are not stored: every reader derives them from the header with the +1.5 rule.
#include <istream>
#include <ostream>
#include <string>

struct GridAxis {
    float min = 0, spacing = 0, max = 0;
};

struct GridHeader {
    GridAxis x, y;
    int nx = 0, ny = 0;
};

// (max - min) / spacing + 1.5, truncated toward zero.  Returns -1 when the axis gives no usable
// count: a zero or non-finite spacing, a range and spacing of opposite signs, or a count beyond
// GRID_COUNT_LIMIT.
constexpr int GRID_COUNT_LIMIT = 1000000;
int gridCount(const GridAxis& axis);

enum class GridRead { ok, endOfFile, notANumber, noUsableCount };

// Reads the six header numbers and derives the counts.  endOfFile when the file ends first.
GridRead readGridHeader(std::istream& in, GridHeader& header);
// Reads one value (any white space separates values).
GridRead readGridValue(std::istream& in, float& value);

// "Gridded-data file NAME", or "Gridded-data file NAME, line N," when line > 0: how every
// message about a gridded-data file names it.
std::string gridFileNamed(const std::string& fileName, int line = 0);

// The message for a failed read, naming the file (and the line, when line > 0): one line ending
// in "\n".
std::string gridReadMessage(GridRead what, const std::string& fileName, int line = 0);

// The writers' header: the three numbers of each axis in general notation with 6 significant
// digits, one blank between them, one line per axis.  An axis whose count would read back
// differently from 6 digits is written with 9, which give back its floats exactly.
void writeGridHeader(std::ostream& os, const GridAxis& x, const GridAxis& y);
// One value in general notation with 6 significant digits (no separator).
void writeGridValue(std::ostream& os, float value);
