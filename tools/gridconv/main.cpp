// gridconv: converts grids between the suite's gridded-data files, netCDF, ESRI ASCII grids and
// x y z text, each told by its file name's extension.
#include <iostream>
#include <optional>
#include <string>

#include "ascii_grid.h"
#include "command_line.h"
#include "grd_text.h"
#include "gridconv_arguments.h"
#include "library_guard.h"
#include "netcdf_grid.h"
#include "tool_files.h"
#include "xyz_text.h"

namespace {

const char* const TOOL = "gridconv";
const char* const HELP =
    "Usage: gridconv INPUT OUTPUT [--array N] [--name NAME] [--units U]\n"
    "                [--long-name TEXT] [--xy-units U] [--fill VALUE]\n"
    "Converts a grid between the suite's gridded-data files (.grd: gridder's\n"
    "grids and heater's temperature arrays), netCDF (.nc, CF-1.8), ESRI ASCII\n"
    "grids (.asc) and x y z text (.xyz or .txt, a node a line), each format told\n"
    "by its extension.  A file of the suite comes back byte for byte from netCDF,\n"
    "and from .asc when its x and y spacings are equal.\n"
    "  --array N        only the Nth array of a file that holds several (heater's\n"
    "                   steps); without it netCDF gets them all along time\n"
    "  --name NAME      the netCDF variable written, and the one read (default:\n"
    "                   z; when reading, the first grid variable)\n"
    "  --units U        its units attribute\n"
    "  --long-name TEXT its long_name attribute (default: NAME from INPUT)\n"
    "  --xy-units U     the units of the x and y coordinates\n"
    "  --fill VALUE     put VALUE where a netCDF or ASCII grid holds no value\n"
    "                   (fill value, NODATA or NaN); without it such a grid is\n"
    "                   refused, since the suite's grids hold no gaps\n"
    "  --help, --version\n"
    "Exit status: 0 converted; 1 an input refused or the output not written;\n"
    "2 a wrong command line.\n";

const char* formatName(GridFormat format) {
    switch (format) {
        case GridFormat::grd: return "a gridded-data file";
        case GridFormat::netcdf: return "a netCDF file";
        case GridFormat::asciiGrid: return "an ESRI ASCII grid";
        case GridFormat::xyz: return "x y z text";
    }
    return "";
}

bool readStack(const GridconvArguments& args, const std::string& text, GridStack& stack,
               std::string& fault) {
    switch (args.inputFormat) {
        case GridFormat::grd: return readGrdStack(text, args.input, stack, fault);
        case GridFormat::netcdf:
            return readNetcdfStack(text, args.input, args.names, args.missing, stack, fault);
        case GridFormat::asciiGrid:
            return readAsciiGrid(text, args.input, args.missing, stack, fault);
        case GridFormat::xyz: return readXyzText(text, args.input, args.missing, stack, fault);
    }
    return false;
}

bool writeStack(const GridconvArguments& args, const GridStack& stack, std::string& bytes,
                std::string& fault) {
    const bool single = stack.arrays.size() == 1;
    if (!single && (args.outputFormat == GridFormat::asciiGrid || args.outputFormat == GridFormat::xyz)) {
        fault = args.input + ": holds " + std::to_string(stack.arrays.size()) + " arrays, and " +
                formatName(args.outputFormat) + " holds one; choose it with --array N";
        return false;
    }
    switch (args.outputFormat) {
        case GridFormat::grd: bytes = grdText(stack); return true;
        case GridFormat::netcdf: return netcdfBytes(stack, args.input, args.names, bytes, fault);
        case GridFormat::asciiGrid: return asciiGridText(stack.arrays[0], args.input, bytes, fault);
        case GridFormat::xyz: bytes = xyzText(stack.arrays[0]); return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (auto status = answerToolArguments(argc, argv, TOOL, HELP)) return *status;
    GridconvArguments args;
    std::string message;
    if (!readGridconvArguments(argc, argv, args, message)) return refuse(TOOL, message, 2);
    std::string text;
    if (!readWholeFile(args.input, text, message)) return refuse(TOOL, message);
    GridStack stack;
    {
        std::optional<LibraryGuard> guard;
        if (args.inputFormat == GridFormat::netcdf) guard.emplace(TOOL, args.input);
        if (!readStack(args, text, stack, message)) return refuse(TOOL, message);
    }
    if (args.array > 0) {
        const std::size_t count = stack.arrays.size();
        if (static_cast<std::size_t>(args.array) > count)
            return refuse(TOOL, args.input + ": holds " + std::to_string(count) +
                                    (count == 1 ? " array" : " arrays") + "; --array " +
                                    std::to_string(args.array) + " is not one of them");
        GridArray chosen = std::move(stack.arrays[static_cast<std::size_t>(args.array) - 1]);
        stack.arrays = {std::move(chosen)};
    }
    std::string bytes;
    if (!writeStack(args, stack, bytes, message)) return refuse(TOOL, message);
    if (!writeWholeFile(args.output, bytes, {args.input}, message)) return refuse(TOOL, message);
    std::cout << "Wrote " << args.output << '\n';
    return 0;
}
