#pragma once
// tableconv's command line: TARGET TABLE OUTPUT and the options of that target.
#include <string>
#include <vector>

#include "table_reader.h"

// Named in this order in tableconv_arguments.cpp.
enum class Target { gridder, factor, hypoview };

struct TableconvArguments {
    Target target = Target::gridder;
    std::string table;
    std::string output;
    std::string x, y, z, depth;        // gridder and hypoview
    std::string id;                    // factor
    std::vector<std::string> columns;  // factor: the variables, in this order
    bool log = false;                  // gridder
    bool standardize = false;          // factor
    Separator separator = Separator::detect;
};

// False with the message (without the "tableconv: " in front) when the command line is wrong:
// not three words besides the options, an unknown option or target, an option of another
// target, an option given twice or without its value, a target without the columns it needs.
bool readTableconvArguments(int argc, const char* const argv[], TableconvArguments& args,
                            std::string& message);

extern const char* const TABLECONV_USAGE;
