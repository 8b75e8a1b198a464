#pragma once
// Positions to draw on a map: a text file of one position a line, x and y first and anything
// after them (a value, a residual) ignored.  This reads gridder's data files, hypocentre files
// and other x y z tables alike.  Blank lines and lines starting with '#' are skipped.
#include <istream>
#include <string>
#include <vector>

#include "plot_axes.h"

// False with error naming the line ("line 4: x and y cannot be read") on a line that does not
// start with two numbers.
bool readPointFile(std::istream& in, std::vector<PlotPoint>& points, std::string& error);
