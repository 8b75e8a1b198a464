// skm2svg: renders a graphics metafile as an SVG picture of the plot rectangle.
// Usage: skm2svg FILE.skm [FILE.svg]   (the picture is FILE.svg beside FILE.skm by default)
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "command_line.h"
#include "svg_picture.h"

namespace {

std::string pictureNameFor(const std::string& metafile) {
    std::string stem = metafile;
    auto dot = stem.rfind('.');
    auto slash = stem.rfind('/');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) stem.resize(dot);
    return stem + ".svg";
}

}  // namespace

// What --help prints.
constexpr std::string_view HELP = R"help(Usage: skm2svg FILE.skm [FILE.svg]
       skm2svg --help | --version
Renders a graphics metafile (L, P and T commands, as hypoview and orbits
write them) as an SVG picture of the 9.9 x 7.5 plot rectangle.  Without a
second argument the picture is FILE.svg beside the metafile.  A malformed
metafile is refused with the line at fault, and nothing is written.
)help";

int main(int argc, char** argv) {
    if (auto status = answerToolArguments(argc, argv, "skm2svg", HELP)) return *status;
    if (argc < 2 || argc > 3) {
        std::cerr << "Usage: skm2svg FILE.skm [FILE.svg]\n";
        return 2;
    }
    std::string metafile = argv[1];
    std::string picture = argc == 3 ? argv[2] : pictureNameFor(metafile);
    std::ifstream in(metafile);
    if (!in) {
        std::cerr << "skm2svg: cannot open " << metafile << "\n";
        return 1;
    }
    std::string svg;
    {
        std::ofstream out(picture);
        if (!out) {
            std::cerr << "skm2svg: cannot create " << picture << "\n";
            return 1;
        }
        std::string error;
        if (!metafileToSvg(in, out, error)) {
            out.close();
            std::remove(picture.c_str());
            std::cerr << "skm2svg: " << metafile << ", " << error << "\n";
            return 1;
        }
        out.close();
        if (!out) {
            std::cerr << "skm2svg: cannot write " << picture << "\n";
            return 1;
        }
    }
    std::cout << "Wrote " << picture << "\n";
    return 0;
}
