#pragma once
// Suite grids in and out of netCDF, through the netCDF C library, entirely in memory: a file is
// read whole and opened from memory, and written to memory first, so that the output reaches its
// name only through writeWholeFile.
//
// Written: the classic format, CF-1.8, node registered: coordinate variables x and y (increasing,
// with the standard axis attributes) and one float variable (y, x) with _FillValue and
// actual_range; several arrays go along a record dimension time, (time, y, x).  Attributes of
// gridconv's own keep what a gridded-data file needs to come back byte for byte: grd_header (the
// six numbers of the header), grd_layout ("heater rows" or "value per line") and grd_captions.
//
// Read: the named variable, or the first of 2 or 3 dimensions that is not a coordinate, of any
// numeric type (packed values unpacked with scale_factor and add_offset).  Its last two
// dimensions are y and x, each with an equally spaced coordinate variable, increasing or
// decreasing; a first dimension of three gives one array per step.
#include <string>

#include "grid_stack.h"

struct NetcdfNames {
    std::string variable = "z";
    bool variableGiven = false;  // --name: the variable to read, too
    std::string units, longName, coordinateUnits;
};

// False with "FILE: what" (naming the variable where one is at fault) in fault.
bool readNetcdfStack(const std::string& bytes, const std::string& fileName,
                     const NetcdfNames& names, const MissingValues& missing, GridStack& stack,
                     std::string& fault);

// The bytes of the netCDF file; false with "SOURCE: what" in fault when the stack cannot be held
// (arrays on different grids) or the library fails.
bool netcdfBytes(const GridStack& stack, const std::string& sourceName, const NetcdfNames& names,
                 std::string& bytes, std::string& fault);
