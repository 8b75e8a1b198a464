#include "metafile.h"

#include "fixed_width.h"

namespace {

// Every coordinate takes exactly 10 characters, so that every L line is 45 characters long and
// every P line 23, whatever the values.
constexpr int COORDINATE_WIDTH = 10;

template <class Real>
void writeCoordinates(std::ostream& os, Real x, Real y) {
    writeFixedWidth(os, COORDINATE_WIDTH, x);
    os << ' ';
    writeFixedWidth(os, COORDINATE_WIDTH, y);
}

template <class Real>
void writeLine(std::ostream& os, Real x1, Real y1, Real x2, Real y2) {
    os << "L ";
    writeCoordinates(os, x1, y1);
    os << ' ';
    writeCoordinates(os, x2, y2);
    os << '\n';
}

template <class Real>
void writePoint(std::ostream& os, Real x, Real y) {
    os << "P ";
    writeCoordinates(os, x, y);
    os << '\n';
}

}  // namespace

void writeLineCommand(std::ostream& os, float x1, float y1, float x2, float y2) {
    writeLine(os, x1, y1, x2, y2);
}
void writeLineCommand(std::ostream& os, double x1, double y1, double x2, double y2) {
    writeLine(os, x1, y1, x2, y2);
}
void writePointCommand(std::ostream& os, float x, float y) {
    writePoint(os, x, y);
}
void writePointCommand(std::ostream& os, double x, double y) {
    writePoint(os, x, y);
}
