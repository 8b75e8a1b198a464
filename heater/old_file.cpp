#include "old_file.h"

#include <fstream>
#include <limits>

#include "console.h"
#include "output_array.h"

namespace {

enum class HeaderStart { read, fileEnded, refused };

OldFileResult refused(GridRead what, const std::string& name) {
    return {0, gridReadMessage(what, name)};
}

// The first header line.  A file that ends anywhere in it, or right after it, holds no further
// array: the arrays read so far stand.
HeaderStart readFirstHeaderLine(std::istream& in, GridAxis& x, GridRead& failure) {
    for (float* field : {&x.min, &x.spacing, &x.max}) {
        failure = readGridValue(in, *field);
        if (failure == GridRead::endOfFile) return HeaderStart::fileEnded;
        if (failure != GridRead::ok) return HeaderStart::refused;
    }
    in >> std::ws;
    return in.eof() ? HeaderStart::fileEnded : HeaderStart::read;
}

GridRead readSecondHeaderLine(std::istream& in, GridAxis& z) {
    for (float* field : {&z.min, &z.spacing, &z.max}) {
        GridRead r = readGridValue(in, *field);
        if (r != GridRead::ok) return r;
    }
    return GridRead::ok;
}

std::string oversizedMessage(const std::string& name, int nx, int nz) {
    return "Gridded-data file " + name + " holds an array of " + std::to_string(nx) + " x " +
           std::to_string(nz) + " points; at most " + std::to_string(MAX_POINTS) + " x " +
           std::to_string(MAX_POINTS) + " fit.\n";
}

// The rest of the line that held the last value is dropped; the next line, cut to 79 characters,
// is the caption.
std::string readCaption(std::istream& in) {
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > CAPTION_LENGTH) line.resize(CAPTION_LENGTH);
    return line;
}

}  // namespace

OldFileResult readOldFile(std::istream& in, const std::string& name, std::ostream& screen,
                          TemperatureField& T, HeaterGrid& grid) {
    OldFileResult result;
    for (;;) {
        HeaterGrid next;
        GridRead failure = GridRead::ok;
        HeaderStart start = readFirstHeaderLine(in, next.x, failure);
        if (start == HeaderStart::fileEnded) return result;
        if (start == HeaderStart::refused) return refused(failure, name);
        if (GridRead r = readSecondHeaderLine(in, next.z); r != GridRead::ok)
            return refused(r, name);
        next.nx = gridCount(next.x);
        next.nz = gridCount(next.z);
        if (next.nx < 1 || next.nz < 1) return refused(GridRead::noUsableCount, name);
        if (next.nx > MAX_POINTS || next.nz > MAX_POINTS)
            return {0, oversizedMessage(name, next.nx, next.nz)};
        for (int i = 1; i <= next.nz; ++i) {
            for (int j = 1; j <= next.nx; ++j)
                if (GridRead r = readGridValue(in, T[i][j]); r != GridRead::ok)
                    return refused(r, name);
            writeRoundedRow(screen, T[i], minOfInt(next.nx, ECHO_COLUMNS));
        }
        screen << readCaption(in) << '\n';
        grid = next;
        ++result.arrays;
    }
}

OldFileResult readOldFile(const std::string& name, std::ostream& screen, TemperatureField& T,
                          HeaterGrid& grid) {
    std::ifstream in(name);
    if (!in.is_open()) return {};
    return readOldFile(in, name, screen, T, grid);
}
