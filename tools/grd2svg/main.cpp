// grd2svg: draws an array of a gridded-data file as a map: filled contours with labelled lines
// (or one cell per node), a colour bar, and positions from a text file on top.
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
const char* const USAGE =
    "Usage: grd2svg FILE.grd [OUT.svg] [--array N] [--interval V] [--points FILE]";
const char* const HELP =
    "Usage: grd2svg FILE.grd [OUT.svg] [--array N] [--interval V] [--points FILE]\n"
    "               [--mask-distance D|auto] [--cells] [--exaggeration E]\n"
    "               [--title T] [--unit U] [--xlabel X] [--ylabel Y]\n"
    "Draws an array of a gridded-data file (gridder's estimates or deviations,\n"
    "heater's temperatures, or a grid made by hand) as a map: filled contours\n"
    "between round levels with labelled lines, a colour bar stepped at the same\n"
    "levels, and axes at equal scale.  Without OUT.svg the picture is FILE.svg\n"
    "beside the grid.\n"
    "  --array N      the Nth array of a file that holds several (default: the\n"
    "                 last, the one heater starts from)\n"
    "  --interval V   contour lines at the multiples of V (default: a round\n"
    "                 interval giving about ten lines)\n"
    "  --points FILE  positions drawn on top: gridder's data file (blanks, tabs,\n"
    "                 line ends or commas between the numbers), or a table whose\n"
    "                 first two columns are x and y\n"
    "  --mask-distance D|auto\n"
    "                 grey out the map farther than D from every position of\n"
    "                 --points; auto: 3 times the median distance from a datum to\n"
    "                 its nearest neighbour\n"
    "  --cells        one coloured cell per node instead of filled contours\n"
    "  --exaggeration E\n"
    "                 the vertical scale E times the horizontal (for sections)\n"
    "  --title T, --unit U, --xlabel X, --ylabel Y\n"
    "                 the picture's title, the unit shown on the colour bar, the\n"
    "                 axes' labels\n"
    "  --help, --version\n";

struct Arguments {
    std::string grid, picture, points, title, unit, xLabel, yLabel;
    bool titleGiven = false, cells = false, maskAuto = false;
    int array = 0;  // 0: the last
    double interval = 0, exaggeration = 1, maskDistance = 0;
};

bool wholeNumber(const std::string& text, int& value) {
    std::istringstream in(text);
    return readInt(in, value) && in.peek() == EOF;
}

bool positiveNumber(const std::string& text, double& value) {
    std::istringstream in(text);
    return readReal(in, value) && in.peek() == EOF && value > 0 && value < LARGEST_AXIS_VALUE;
}

bool takesValue(const std::string& word) {
    for (const char* option : {"--array", "--interval", "--points", "--mask-distance",
                               "--exaggeration", "--title", "--unit", "--xlabel", "--ylabel"})
        if (word == option) return true;
    return false;
}

// Reads an option's value into args; returns the exit status of a refusal, or -1.
int optionValue(const std::string& word, const std::string& value, Arguments& args) {
    auto positive = [&](double& target) {
        return positiveNumber(value, target)
                   ? -1
                   : refuse(TOOL, word + " needs a positive number, not " + value, 2);
    };
    if (word == "--array")
        return wholeNumber(value, args.array) && args.array >= 1
                   ? -1
                   : refuse(TOOL, "--array needs a whole number from 1, not " + value, 2);
    if (word == "--interval") return positive(args.interval);
    if (word == "--exaggeration") return positive(args.exaggeration);
    if (word == "--mask-distance") {
        if (value == "auto") return args.maskAuto = true, -1;
        return positiveNumber(value, args.maskDistance)
                   ? -1
                   : refuse(TOOL, "--mask-distance needs a positive number or auto, not " + value,
                            2);
    }
    if (word == "--points") args.points = value;
    if (word == "--title") args.title = value, args.titleGiven = true;
    if (word == "--unit") args.unit = value;
    if (word == "--xlabel") args.xLabel = value;
    if (word == "--ylabel") args.yLabel = value;
    return -1;
}

// Returns -1 when the arguments are usable, else the exit status.
int parse(int argc, char** argv, Arguments& args) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (takesValue(word)) {
            if (i + 1 == argc) return refuse(TOOL, word + " needs a value", 2);
            if (int status = optionValue(word, argv[++i], args); status >= 0) return status;
        } else if (word == "--cells") {
            args.cells = true;
        } else if (word.size() > 1 && word[0] == '-') {
            return refuse(TOOL, "unknown option " + word + " (grd2svg --help lists them)", 2);
        } else {
            positional.push_back(word);
        }
    }
    if (positional.empty() || positional.size() > 2) return refuse(TOOL, USAGE, 2);
    if ((args.maskAuto || args.maskDistance > 0) && args.points.empty())
        return refuse(TOOL, "--mask-distance needs --points, the data it measures from", 2);
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
    if (args.titleGiven) options.title = args.title, options.ownTitle = true;
    options.interval = args.interval;
    options.section = isHeaterCaption(array.caption);
    options.cells = args.cells;
    options.exaggeration = args.exaggeration;
    options.unit = args.unit;
    options.xLabel = args.xLabel;
    options.yLabel = args.yLabel;
    options.maskDistance = args.maskDistance;
    options.maskAuto = args.maskAuto;
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
    MapNotes notes;
    if (!writeGridMap(svg, array, options, error, &notes)) return refuse(TOOL, error);
    if (!writeWholeFile(args.picture, svg.str(), inputs, error)) return refuse(TOOL, error);
    // A note, not a refusal: the picture is written and says the same in its caption.
    if (notes.outside > 0)
        refuse(TOOL,
               std::to_string(notes.outside) + " of the " + std::to_string(options.points.size()) +
                   " positions in " + args.points +
                   " lie outside the grid and are not drawn; the caption says so",
               0);
    std::cout << "Wrote " << args.picture << "\n";
    return 0;
}
