#pragma once
// ESRI ASCII grids (.asc): a header of keywords (ncols, nrows, xllcorner or xllcenter, yllcorner or
// yllcenter, cellsize, optionally NODATA_value), then nrows rows of ncols values, the northern row
// first.  The suite's grids are node registered: a value stands at its node, so they are written
// with xllcenter and yllcenter, and a grid given by its corners is read with its nodes at the cell
// centres.  One cell size serves both axes, so only a grid with equal x and y spacing can be
// written; a file holds one array.
#include <string>

#include "grid_stack.h"

// False with "FILE:LINE: what" (or "FILE: what") in fault.
bool readAsciiGrid(const std::string& text, const std::string& fileName,
                   const MissingValues& missing, GridStack& stack, std::string& fault);

// The file for one array; false with "SOURCE: what" in fault when its spacings differ.
bool asciiGridText(const GridArray& array, const std::string& sourceName, std::string& text,
                   std::string& fault);
