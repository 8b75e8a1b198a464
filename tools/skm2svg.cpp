// skm2svg: renders a graphics metafile as an SVG picture of the plot rectangle.
// Usage: skm2svg FILE.skm [FILE.svg]   (the picture is FILE.svg beside FILE.skm by default)
#include <iostream>
#include <sstream>
#include <string>

#include "svg_picture.h"
#include "tool_files.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "Usage: skm2svg FILE.skm [FILE.svg]\n";
        return 2;
    }
    std::string metafile = argv[1];
    std::string picture = argc == 3 ? argv[2] : pictureNameFor(metafile);
    std::string text, error;
    if (!readWholeFile(metafile, text, error)) return refuse("skm2svg", error);
    std::istringstream in(text);
    std::ostringstream svg;
    if (!metafileToSvg(in, svg, error)) return refuse("skm2svg", metafile + ", " + error);
    if (!writeWholeFile(picture, svg.str(), {metafile}, error)) return refuse("skm2svg", error);
    std::cout << "Wrote " << picture << "\n";
    return 0;
}
