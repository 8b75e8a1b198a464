// skm2svg: renders a graphics metafile as an SVG picture of the plot rectangle.
// Usage: skm2svg FILE.skm [FILE.svg]   (the picture is FILE.svg beside FILE.skm by default)
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "output_files.h"
#include "svg_picture.h"

namespace {

std::string pictureNameFor(const std::string& metafile) {
    std::string stem = metafile;
    auto dot = stem.rfind('.');
    auto slash = stem.rfind('/');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) stem.resize(dot);
    return stem + ".svg";
}

// Every refusal: one line on the error stream, status 1.
int refuse(const std::string& message) {
    std::cerr << "skm2svg: " << message << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "Usage: skm2svg FILE.skm [FILE.svg]\n";
        return 2;
    }
    std::string metafile = argv[1];
    std::string picture = argc == 3 ? argv[2] : pictureNameFor(metafile);
    std::ifstream in(metafile);
    if (!in) return refuse("cannot open " + metafile);
    // Creating the picture would empty the metafile before a line of it is read.
    if (namesOneFile(picture, metafile))
        return refuse("the picture " + picture + " would overwrite the metafile " + metafile +
                      "; name another picture: skm2svg " + metafile + " PICTURE.svg");
    {
        std::ofstream out(picture);
        if (!out) return refuse("cannot create " + picture);
        std::string error;
        if (!metafileToSvg(in, out, error)) {
            out.close();
            std::remove(picture.c_str());
            return refuse(metafile + ", " + error);
        }
        out.close();
        if (!out) return refuse("cannot write " + picture);
    }
    std::cout << "Wrote " << picture << "\n";
    return 0;
}
