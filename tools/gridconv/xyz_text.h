#pragma once
// x y z text (.xyz, .txt): one node a line, its x, its y and its value, in the order of the
// gridded-data file (the row at y maximum first, each row from x minimum).  Read in any order, as
// long as the nodes make up a whole grid of equal spacing in each direction, each node once.
// Blank lines and lines starting with # are passed over.  A file holds one array.
#include <string>

#include "grid_stack.h"

// False with "FILE:LINE: what" (or "FILE: what") in fault.
bool readXyzText(const std::string& text, const std::string& fileName,
                 const MissingValues& missing, GridStack& stack, std::string& fault);

std::string xyzText(const GridArray& array);
