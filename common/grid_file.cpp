#include "grid_file.h"

#include <cmath>
#include <cstdlib>

#include "notation.h"
#include "read_number.h"

int gridCount(const GridAxis& axis) {
    if (!std::isfinite(axis.min) || !std::isfinite(axis.spacing) || !std::isfinite(axis.max))
        return -1;
    if (axis.spacing == 0) return -1;
    // Formed in double and truncated without being stored as a float: a float sum could round a
    // quotient just below n + 0.5 up to the next integer (0.49999997 + 1.5 would give 2), and a
    // float range could overflow for limits of opposite sign near the float range.
    double range = static_cast<double>(axis.max) - axis.min;
    if ((range > 0 && axis.spacing < 0) || (range < 0 && axis.spacing > 0)) return -1;
    // The +1.5 turns a range that is not a whole multiple of the spacing into the nearest count
    // and absorbs a spacing that was rounded when it was written.
    double count = range / axis.spacing + 1.5;
    if (!(count < GRID_COUNT_LIMIT + 1.0)) return -1;
    return static_cast<int>(count);
}

namespace {

GridRead readNumber(std::istream& in, float& value) {
    if (readReal(in, value)) return GridRead::ok;
    return in.eof() ? GridRead::endOfFile : GridRead::notANumber;
}

}  // namespace

GridRead readGridHeader(std::istream& in, GridHeader& header) {
    float* fields[6] = {&header.x.min, &header.x.spacing, &header.x.max,
                        &header.y.min, &header.y.spacing, &header.y.max};
    for (float* field : fields) {
        GridRead r = readNumber(in, *field);
        if (r != GridRead::ok) return r;
    }
    header.nx = gridCount(header.x);
    header.ny = gridCount(header.y);
    if (header.nx < 1 || header.ny < 1) return GridRead::noUsableCount;
    return GridRead::ok;
}

GridRead readGridValue(std::istream& in, float& value) {
    return readNumber(in, value);
}

std::string gridFileNamed(const std::string& fileName, int line) {
    std::string subject = "Gridded-data file " + fileName;
    return line > 0 ? subject + ", line " + std::to_string(line) + "," : subject;
}

std::string gridReadMessage(GridRead what, const std::string& fileName, int line) {
    const std::string file = gridFileNamed(fileName, line);
    switch (what) {
        case GridRead::ok:
            return "";
        case GridRead::endOfFile:
            return file + " ends before all its values are read.\n";
        case GridRead::notANumber:
            return file + " holds text that is not a number.\n";
        case GridRead::noUsableCount:
            return file + " has a header that gives no usable grid size.\n";
    }
    return "";
}

namespace {

constexpr int HEADER_DIGITS = 6;
// Enough significant digits to give back every float exactly.
constexpr int EXACT_FLOAT_DIGITS = 9;

void writeGeneral(std::ostream& os, float value, int digits) {
    char text[NOTATION_BUFFER];
    int len = formatGeneral(text, value, digits);
    os.write(text, len);
}

float asWritten(float value, int digits) {
    char text[NOTATION_BUFFER];
    formatGeneral(text, value, digits);
    return std::strtof(text, nullptr);
}

// Six digits, as every header is written, unless a reader would then derive another count: limits
// that need more digits than six (map coordinates of seven digits with a spacing of a few units)
// would lose or gain whole rows, and every value after them would land in the wrong place.  Such
// an axis is written with the digits that give back its floats exactly.
int axisDigits(const GridAxis& axis) {
    int count = gridCount(axis);
    if (count < 1) return HEADER_DIGITS;
    GridAxis written{asWritten(axis.min, HEADER_DIGITS), asWritten(axis.spacing, HEADER_DIGITS),
                     asWritten(axis.max, HEADER_DIGITS)};
    return gridCount(written) == count ? HEADER_DIGITS : EXACT_FLOAT_DIGITS;
}

}  // namespace

void writeGridHeader(std::ostream& os, const GridAxis& x, const GridAxis& y) {
    for (const GridAxis* axis : {&x, &y}) {
        int digits = axisDigits(*axis);
        writeGeneral(os, axis->min, digits);
        os.put(' ');
        writeGeneral(os, axis->spacing, digits);
        os.put(' ');
        writeGeneral(os, axis->max, digits);
        os.put('\n');
    }
}

void writeGridValue(std::ostream& os, float value) {
    writeGeneral(os, value, HEADER_DIGITS);
}
