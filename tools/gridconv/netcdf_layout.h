#pragma once
// How gridconv lays a grid out in netCDF, shared by its writer and its reader: the attributes of
// its own that a gridded-data file needs to come back byte for byte (the header's six numbers as
// written, the layout of the values, heater's captions), and the coordinates it writes for an
// axis, which the reader recognises to take the header back as it was.
#include <vector>

#include "grid_stack.h"

constexpr const char* HEADER_ATTRIBUTE = "grd_header";
constexpr const char* LAYOUT_ATTRIBUTE = "grd_layout";
constexpr const char* CAPTIONS_ATTRIBUTE = "grd_captions";
constexpr const char* HEATER_ROWS = "heater rows";
constexpr const char* VALUE_PER_LINE = "value per line";

// The n node coordinates of axis, increasing as CF readers expect: an axis with a negative
// spacing (its minimum above its maximum) is stored from its far end.
std::vector<double> increasingCoordinates(const GridAxis& axis, int n);
