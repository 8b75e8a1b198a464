#include "old_file.h"

#include <fstream>

#include "console.h"
#include "output_array.h"
#include "read_number.h"

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
    if (skipBlankRun(in)) return HeaderStart::read;
    if (in.eof()) return HeaderStart::fileEnded;
    failure = GridRead::notANumber;
    return HeaderStart::refused;
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

std::string longLineMessage(const std::string& name) {
    return "Gridded-data file " + name + " has a line of more than " + std::to_string(MAX_SKIP) +
           " characters.\n";
}

// The rest of the line that held the last value is dropped; the next line, cut to 79 characters,
// is the caption.  False when either line never ends.
bool readCaption(std::istream& in, std::string& caption) {
    std::string rest;
    if (!readRestOfLine(in, rest, 0) && !in.eof()) return false;
    in.clear(in.rdstate() & ~std::ios::failbit);  // a file that ends here has an empty caption
    if (!readRestOfLine(in, caption, CAPTION_LENGTH + 1) && !in.eof()) return false;
    if (!caption.empty() && caption.back() == '\r') caption.pop_back();
    if (caption.size() > CAPTION_LENGTH) caption.resize(CAPTION_LENGTH);
    return true;
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
        std::string caption;
        if (!readCaption(in, caption)) return {0, longLineMessage(name)};
        screen << caption << '\n';
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
