#pragma once
// Positions to draw on a map, from a text file: every data file gridder reads, its hypocentre
// cousins, krigcv's residuals and plain x y lists.  Blanks, tabs, line ends and commas separate
// numbers, as gridder reads them; blank lines and lines starting with '#' are skipped.
//
// A file of numbers only is read as gridder reads its data, in records of three (x y z) across
// lines, a last record cut short dropped; unless every line holds the same count of them, 2, 3,
// 4, 5, 7, ... (not 6, 9, ...: two or more records to a line), when it is a table.  A file with
// text after the numbers of a line is a table too.  In a table x and y are the first two numbers
// of each line and the rest of the line (a value, a residual, "nan") is not read.  Cost: two
// passes over the text; memory one point a position.
#include <istream>
#include <string>
#include <vector>

#include "plot_axes.h"

// More positions than this are refused: no map shows them one by one.
constexpr std::size_t MAX_POINTS = 100000;

// False with error naming the line ("line 4: x and y cannot be read"), when the file holds no
// position or more than MAX_POINTS.
bool readPointFile(std::istream& in, std::vector<PlotPoint>& points, std::string& error);
