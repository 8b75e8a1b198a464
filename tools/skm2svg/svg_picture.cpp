#include "svg_picture.h"

#include <sstream>

#include "metafile_reader.h"
#include "notation.h"
#include "read_number.h"
#include "svg_writer.h"

namespace {

constexpr double STROKE_WIDTH = 0.012;
constexpr double POINT_RADIUS = 0.035;
constexpr double PIXELS_PER_UNIT = 100;

// A coordinate in SVG user units: fixed notation with 4 decimals.
SvgNumber coordinate(double value) { return {value, 4}; }
SvgNumber svgX(double x) { return coordinate(x); }
SvgNumber svgY(double y) { return coordinate(PICTURE_HEIGHT - y); }

void writeHeader(std::ostream& out, const std::string& title) {
    double left = -PICTURE_MARGIN;
    double width = PICTURE_WIDTH + 2 * PICTURE_MARGIN;
    double height = PICTURE_HEIGHT + 2 * PICTURE_MARGIN;
    char pixels[2][NOTATION_BUFFER];
    formatFixed(pixels[0], width * PIXELS_PER_UNIT, 0);
    formatFixed(pixels[1], height * PIXELS_PER_UNIT, 0);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << pixels[0] << "\" height=\""
        << pixels[1] << "\" viewBox=\"" << coordinate(left) << ' '
        << coordinate(left) << ' ' << coordinate(width) << ' ' << coordinate(height) << "\">\n"
        << "<title>";
    writeEscaped(out, title);
    out << "</title>\n"
        << "<rect x=\"" << coordinate(left) << "\" y=\"" << coordinate(left) << "\" width=\""
        << coordinate(width) << "\" height=\"" << coordinate(height) << "\" fill=\"white\"/>\n"
        << "<rect class=\"plot-rectangle\" x=\"0.0000\" y=\"0.0000\" width=\""
        << coordinate(PICTURE_WIDTH) << "\" height=\"" << coordinate(PICTURE_HEIGHT)
        << "\" fill=\"none\" stroke=\"#c8c8c8\" stroke-width=\"" << coordinate(STROKE_WIDTH)
        << "\"/>\n"
        << "<g stroke=\"black\" stroke-width=\"" << coordinate(STROKE_WIDTH)
        << "\" stroke-linecap=\"round\" fill=\"black\">\n";
}

void writeLine(std::ostream& out, const MetafileCommand<double>& c) {
    out << "<line x1=\"" << svgX(c.x1) << "\" y1=\"" << svgY(c.y1) << "\" x2=\"" << svgX(c.x2)
        << "\" y2=\"" << svgY(c.y2) << "\"/>\n";
}

void writePoint(std::ostream& out, const MetafileCommand<double>& c) {
    out << "<circle cx=\"" << svgX(c.x1) << "\" cy=\"" << svgY(c.y1) << "\" r=\""
        << coordinate(POINT_RADIUS) << "\" stroke=\"none\"/>\n";
}

// The T line holds x, y, an unused value, the character height and a code for the renderer.
bool writeText(std::ostream& out, const MetafileCommand<double>& c) {
    std::istringstream numbers(c.textLine);
    double x, y, unused, height;
    if (!(readReal(numbers, x) && readReal(numbers, y) && readReal(numbers, unused) &&
          readReal(numbers, height)))
        return false;
    out << "<text x=\"" << svgX(x) << "\" y=\"" << svgY(y) << "\" font-size=\""
        << coordinate(height)
        << "\" font-family=\"monospace\" stroke=\"none\" xml:space=\"preserve\">";
    writeEscaped(out, c.text);
    out << "</text>\n";
    return true;
}

std::string lineMessage(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}

}  // namespace

bool metafileToSvg(std::istream& in, std::ostream& out, const std::string& title,
                   std::string& error) {
    writeHeader(out, title);
    MetafileReader<double> reader(in);
    MetafileCommand<double> command;
    for (;;) {
        MetafileStatus status = reader.next(command);
        if (status == MetafileStatus::end) break;
        std::string letter(1, command.letter);
        if (status == MetafileStatus::cutShort) {
            error = lineMessage(command.line, "the " + letter + " command is cut short by the end of the file");
            return false;
        }
        if (status == MetafileStatus::unreadable) {
            error = lineMessage(command.line, "a number of the " + letter +
                                                  " command cannot be read: " +
                                                  reader.unreadableWord());
            return false;
        }
        if (command.letter == 'L') {
            writeLine(out, command);
        } else if (command.letter == 'P') {
            writePoint(out, command);
        } else if (!writeText(out, command)) {
            error = lineMessage(command.line, "the T command's position and height cannot be read");
            return false;
        }
    }
    out << "</g>\n</svg>\n";
    return true;
}
