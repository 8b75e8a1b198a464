// grd2svg: draws an array of a gridded-data file as a map: colours, labelled contours, a colour
// bar, and positions from a text file on top.
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"
#include "grid_arrays.h"
#include "grid_map.h"
#include "point_file.h"
#include "read_number.h"
#include "tool_files.h"

namespace {

const char* const TOOL = "grd2svg";
const char* const HELP =
    "Usage: grd2svg FILE.grd [OUT.svg] [--array N] [--interval V] [--points FILE]\n"
    "Draws an array of a gridded-data file (gridder's estimates or deviations,\n"
    "heater's temperatures, or a grid made by hand) as a map: one coloured cell per\n"
    "node, contour lines at round levels, a colour bar, and axes at equal scale.\n"
    "Without OUT.svg the picture is FILE.svg beside the grid.\n"
    "  --array N      the Nth array of a file that holds several (default: the\n"
    "                 last, the one heater starts from)\n"
    "  --interval V   contour lines at the multiples of V (default: a round\n"
    "                 interval giving about ten lines)\n"
    "  --points FILE  positions (x and y first on each line) drawn on top\n"
    "  --help, --version\n";

struct Arguments {
    std::string grid, picture, points;
    int array = 0;  // 0: the last
    double interval = 0;
};

bool wholeNumber(const std::string& text, int& value) {
    std::istringstream in(text);
    return readInt(in, value) && in.peek() == EOF;
}

bool positiveNumber(const std::string& text, double& value) {
    std::istringstream in(text);
    return readReal(in, value) && in.peek() == EOF && value > 0;
}

// Returns -1 when the arguments are usable, else the exit status.
int parse(int argc, char** argv, Arguments& args) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        bool takesValue = word == "--array" || word == "--interval" || word == "--points";
        if (takesValue && i + 1 == argc) return refuse(TOOL, word + " needs a value", 2);
        if (word == "--array") {
            if (!wholeNumber(argv[++i], args.array) || args.array < 1)
                return refuse(
                    TOOL, "--array needs a whole number from 1, not " + std::string(argv[i]), 2);
        } else if (word == "--interval") {
            if (!positiveNumber(argv[++i], args.interval))
                return refuse(TOOL,
                              "--interval needs a positive number, not " + std::string(argv[i]), 2);
        } else if (word == "--points") {
            args.points = argv[++i];
        } else if (word.size() > 1 && word[0] == '-') {
            return refuse(TOOL, "unknown option " + word + " (grd2svg --help lists them)", 2);
        } else {
            positional.push_back(word);
        }
    }
    if (positional.empty() || positional.size() > 2)
        return refuse(
            TOOL, "Usage: grd2svg FILE.grd [OUT.svg] [--array N] [--interval V] [--points FILE]",
            2);
    args.grid = positional[0];
    args.picture = positional.size() == 2 ? positional[1] : pictureNameFor(args.grid);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (auto status = answerToolArguments(argc, argv, TOOL, HELP)) return *status;
    Arguments args;
    if (int status = parse(argc, argv, args); status >= 0) return status;
    std::string text, error;
    std::vector<GridArray> arrays;
    if (!readWholeFile(args.grid, text, error)) return refuse(TOOL, error);
    std::istringstream gridText(text);
    if (!readGridArrays(gridText, args.grid, arrays, error)) return refuse(TOOL, error);
    int count = static_cast<int>(arrays.size());
    int chosen = args.array == 0 ? count : args.array;
    if (chosen > count)
        return refuse(TOOL, args.grid + " holds " + std::to_string(count) +
                                (count == 1 ? " array" : " arrays") + "; --array " +
                                std::to_string(chosen) + " is not one of them");
    const GridArray& array = arrays[chosen - 1];

    MapOptions options;
    options.title = args.grid;
    if (count > 1)
        options.title += ", array " + std::to_string(chosen) + " of " + std::to_string(count);
    options.interval = args.interval;
    options.section = isHeaterCaption(array.caption);
    std::vector<std::string> inputs{args.grid};
    if (!args.points.empty()) {
        std::string pointText;
        if (!readWholeFile(args.points, pointText, error)) return refuse(TOOL, error);
        std::istringstream in(pointText);
        if (!readPointFile(in, options.points, error))
            return refuse(TOOL, args.points + ", " + error);
        options.pointsName = args.points;
        inputs.push_back(args.points);
    }
    std::ostringstream svg;
    if (!writeGridMap(svg, array, options, error)) return refuse(TOOL, error);
    if (!writeWholeFile(args.picture, svg.str(), inputs, error)) return refuse(TOOL, error);
    std::cout << "Wrote " << args.picture << "\n";
    return 0;
}
