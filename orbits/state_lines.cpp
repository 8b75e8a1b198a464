#include "state_lines.h"

#include <iomanip>

#include "fixed_width.h"
#include "metafile.h"

namespace {

constexpr int ECHO_WIDTH = 9;
constexpr int TABLE_WIDTH = 12;
constexpr int SCREEN_WIDTH = 9;
constexpr int LOG_WIDTH = 13;

// Body numbers count from 1 on screen, right-aligned in 2 columns.
void writeBodyLabel(std::ostream& os, const char* prefix, int body) {
    os << prefix << std::setw(2) << body + 1;
}

void writeTableRow(std::ostream& os, int body, double mass, const char* const labels[3],
                   const BodyVectors vectors) {
    writeBodyLabel(os, "Body ", body);
    os << " mass: ";
    writeFixedWidth(os, TABLE_WIDTH, mass);
    for (int k = 0; k < 3; ++k) {
        os << labels[k];
        writeFixedWidth(os, TABLE_WIDTH, vectors[k][body]);
    }
    os << '\n';
}

// Position and velocity of one body, each number after one blank.
void writeStateNumbers(std::ostream& os, int width, int body, const BodyVectors position,
                       const BodyVectors velocity) {
    for (int k = 0; k < 3; ++k) {
        os << ' ';
        writeFixedWidth(os, width, position[k][body]);
    }
    for (int k = 0; k < 3; ++k) {
        os << ' ';
        writeFixedWidth(os, width, velocity[k][body]);
    }
}

void writeStateLine(std::ostream& os, int width, int body, const BodyVectors position,
                    const BodyVectors velocity) {
    writeBodyLabel(os, "      Body ", body);
    writeStateNumbers(os, width, body, position, velocity);
    os << '\n';
}

}  // namespace

void writeBodyEcho(std::ostream& os, int body, const double mass[], const BodyVectors position,
                   const BodyVectors velocity) {
    writeFixedWidth(os, ECHO_WIDTH, mass[body]);
    writeStateNumbers(os, ECHO_WIDTH, body, position, velocity);
    os << '\n';
}

void writeInitialPositions(std::ostream& os, const double mass[], int n,
                           const BodyVectors position) {
    static const char* const LABELS[3] = {"  x: ", "  y: ", "  z: "};
    for (int i = 0; i < n; ++i) writeTableRow(os, i, mass[i], LABELS, position);
}

void writeInitialVelocities(std::ostream& os, const double mass[], int n,
                            const BodyVectors velocity) {
    static const char* const LABELS[3] = {" Vx: ", " Vy: ", " Vz: "};
    for (int i = 0; i < n; ++i) writeTableRow(os, i, mass[i], LABELS, velocity);
}

void writeScreenBodyLine(std::ostream& os, int body, const BodyVectors position,
                         const BodyVectors velocity) {
    writeStateLine(os, SCREEN_WIDTH, body, position, velocity);
}

void writeLogBodyLine(std::ostream& os, int body, const BodyVectors position,
                      const BodyVectors velocity) {
    writeStateLine(os, LOG_WIDTH, body, position, velocity);
}

void writeBodyPath(std::ostream& metafile, int body, const BodyVectors previous,
                   const BodyVectors position) {
    writeLineCommand(metafile, previous[0][body], previous[1][body], position[0][body],
                     position[1][body]);
    writePointCommand(metafile, position[0][body], position[1][body]);
}
