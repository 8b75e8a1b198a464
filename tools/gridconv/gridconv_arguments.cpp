#include "gridconv_arguments.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <sstream>
#include <vector>

#include "read_number.h"

const char* const GRIDCONV_USAGE =
    "Usage: gridconv INPUT OUTPUT [--array N] [--name NAME] [--units U] [--long-name TEXT] "
    "[--xy-units U] [--fill VALUE]";

bool gridFormatOf(const std::string& name, GridFormat& format) {
    const auto dot = name.rfind('.');
    const auto slash = name.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
    std::string extension = name.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "grd")
        format = GridFormat::grd;
    else if (extension == "nc")
        format = GridFormat::netcdf;
    else if (extension == "asc")
        format = GridFormat::asciiGrid;
    else if (extension == "xyz" || extension == "txt")
        format = GridFormat::xyz;
    else
        return false;
    return true;
}

namespace {

bool takesValue(const std::string& word) {
    for (const char* option :
         {"--array", "--name", "--units", "--long-name", "--xy-units", "--fill"})
        if (word == option) return true;
    return false;
}

// A netCDF name as CF asks for: a letter, then letters, digits and underscores.
bool isPlainName(const std::string& name) {
    if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0]))) return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

bool readOption(const std::string& word, const std::string& value, GridconvArguments& args,
                std::string& message) {
    std::istringstream in(value);
    if (word == "--array") {
        if (!readInt(in, args.array) || in.peek() != EOF || args.array < 1)
            message = "--array needs a whole number from 1, not " + value;
    } else if (word == "--fill") {
        double number = 0;
        if (!readReal(in, number) || in.peek() != EOF || !(std::fabs(number) <= FLT_MAX))
            message = "--fill needs a number within single precision, not " + value;
        args.missing = {true, static_cast<float>(number)};
    } else if (word == "--name") {
        if (!isPlainName(value))
            message = "--name needs a letter followed by letters, digits or _, not " + value;
        args.names.variable = value;
        args.names.variableGiven = true;
    } else if (word == "--units") {
        args.names.units = value;
    } else if (word == "--long-name") {
        args.names.longName = value;
    } else {
        args.names.coordinateUnits = value;
    }
    return message.empty();
}

}  // namespace

bool readGridconvArguments(int argc, const char* const argv[], GridconvArguments& args,
                           std::string& message) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (takesValue(word)) {
            if (i + 1 >= argc) {
                message = word + " needs a value";
                return false;
            }
            if (!readOption(word, argv[++i], args, message)) return false;
        } else if (word.size() > 1 && word[0] == '-') {
            message = "unknown option " + word + " (gridconv --help lists them)";
            return false;
        } else {
            positional.push_back(word);
        }
    }
    if (positional.size() != 2) {
        message = GRIDCONV_USAGE;
        return false;
    }
    args.input = positional[0];
    args.output = positional[1];
    for (auto [name, format] : {std::pair{&args.input, &args.inputFormat},
                                std::pair{&args.output, &args.outputFormat}})
        if (!gridFormatOf(*name, *format)) {
            message = *name +
                      ": unknown format; known are .grd (gridded-data file), .nc (netCDF), .asc "
                      "(ESRI ASCII grid), .xyz and .txt (x y z text)";
            return false;
        }
    return true;
}
