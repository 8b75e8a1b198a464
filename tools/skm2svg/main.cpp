// skm2svg: renders a graphics metafile as an SVG picture of the plot rectangle.
// Usage: skm2svg FILE.skm [FILE.svg]   (the picture is FILE.svg beside FILE.skm by default)
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "command_line.h"
#include "svg_picture.h"
#include "tool_files.h"

// What --help prints.
constexpr std::string_view HELP = R"help(Usage: skm2svg FILE.skm [FILE.svg]
       skm2svg --help | --version
Renders a graphics metafile (L, P and T commands, as hypoview and orbits
write them) as an SVG picture of the 9.9 x 7.5 plot rectangle.  Without a
second argument the picture is FILE.svg beside the metafile.  A malformed
metafile is refused with the line at fault, and nothing is written.
)help";

namespace {

const char* const TOOL = "skm2svg";

}  // namespace

int main(int argc, char** argv) {
    if (auto status = answerToolArguments(argc, argv, TOOL, HELP)) return *status;
    if (auto option = unknownOption(argc, argv))
        return refuse(TOOL, "unknown option " + *option + " (skm2svg --help lists them)", 2);
    if (argc < 2 || argc > 3) return refuse(TOOL, "Usage: skm2svg FILE.skm [FILE.svg]", 2);
    std::string metafile = argv[1];
    std::string picture = argc == 3 ? argv[2] : pictureNameFor(metafile);
    std::string text, error;
    if (!readWholeFile(metafile, text, error)) return refuse(TOOL, error);
    std::istringstream in(text);
    std::ostringstream svg;
    if (!metafileToSvg(in, svg, metafile, error)) return refuse(TOOL, metafile + ", " + error);
    if (!writeWholeFile(picture, svg.str(), {metafile}, error)) return refuse(TOOL, error);
    std::cout << "Wrote " << picture << "\n";
    return 0;
}
