#include "title_lines.h"

#include "notation.h"

namespace {

void writePadded(std::ostream& os, const char* text, int length, int width) {
    for (int i = length; i < width; ++i) os.put(' ');
    os.write(text, length);
}

// A text position or height: fixed notation with 3 decimals in 10 characters.
void writeTextNumber(std::ostream& os, double value) {
    char text[NOTATION_BUFFER];
    writePadded(os, text, formatFixed(text, value, 3), 10);
}

}  // namespace

void writeScientific(std::ostream& os, float value, int decimals, int width) {
    char text[NOTATION_BUFFER];
    writePadded(os, text, formatScientific(text, value, decimals), width);
}

void writeViewpointTitle(std::ostream& os, const Vec3& eye) {
    os << "T ";
    writeTextNumber(os, 2.0);
    writeTextNumber(os, -1.2 * TEXT_HEIGHT);
    os << "       0.0 ";
    writeTextNumber(os, TEXT_HEIGHT);
    os << " 45\n";
    os << "Viewpoint: (";
    writeScientific(os, eye.x, 2, 9);
    os << ",";
    writeScientific(os, eye.y, 2, 9);
    os << ",";
    writeScientific(os, eye.z, 2, 9);
    os << ")\n";
}

void writeMultiplierTitle(std::ostream& os, float multiplier) {
    os << "T ";
    writeTextNumber(os, 2.0);
    os << " ";
    writeTextNumber(os, 7.5 + 0.2 * TEXT_HEIGHT);
    os << " ";
    os << "       0.0 ";
    writeTextNumber(os, TEXT_HEIGHT);
    os << " 44\n";
    os << "Gridded data were multiplied by ";
    char text[NOTATION_BUFFER];
    os.write(text, formatScientific(text, multiplier, 3));
    os << "\n";
}
