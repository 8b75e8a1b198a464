#pragma once
// gridconv's command line: INPUT OUTPUT and the options, the formats told by the names'
// extensions.
#include <string>

#include "grid_stack.h"
#include "netcdf_grid.h"

enum class GridFormat { grd, netcdf, asciiGrid, xyz };

// The format a file name's extension names (case ignored); false for any other.
bool gridFormatOf(const std::string& name, GridFormat& format);

struct GridconvArguments {
    std::string input, output;
    GridFormat inputFormat = GridFormat::grd, outputFormat = GridFormat::grd;
    int array = 0;  // 0: every array
    NetcdfNames names;
    MissingValues missing;
};

extern const char* const GRIDCONV_USAGE;

// False with the message (without "gridconv: ") when the command line is wrong.
bool readGridconvArguments(int argc, const char* const argv[], GridconvArguments& args,
                           std::string& message);
