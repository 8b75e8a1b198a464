#include "svg_picture.h"

#include <sstream>

#include "metafile_reader.h"
#include "notation.h"
#include "read_number.h"

namespace {

constexpr double STROKE_WIDTH = 0.012;
constexpr double POINT_RADIUS = 0.035;
constexpr double PIXELS_PER_UNIT = 100;

// A coordinate in SVG user units: fixed notation with 4 decimals.
struct Coordinate {
    double value;
};
std::ostream& operator<<(std::ostream& os, Coordinate c) {
    char text[NOTATION_BUFFER];
    int len = formatFixed(text, c.value, 4);
    return os.write(text, len);
}
Coordinate svgX(double x) { return {x}; }
Coordinate svgY(double y) { return {PICTURE_HEIGHT - y}; }

void writeHeader(std::ostream& out) {
    double left = -PICTURE_MARGIN;
    double width = PICTURE_WIDTH + 2 * PICTURE_MARGIN;
    double height = PICTURE_HEIGHT + 2 * PICTURE_MARGIN;
    char pixels[2][NOTATION_BUFFER];
    formatFixed(pixels[0], width * PIXELS_PER_UNIT, 0);
    formatFixed(pixels[1], height * PIXELS_PER_UNIT, 0);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << pixels[0] << "\" height=\""
        << pixels[1] << "\" viewBox=\"" << Coordinate{left} << ' '
        << Coordinate{left} << ' ' << Coordinate{width} << ' ' << Coordinate{height} << "\">\n"
        << "<rect x=\"" << Coordinate{left} << "\" y=\"" << Coordinate{left} << "\" width=\""
        << Coordinate{width} << "\" height=\"" << Coordinate{height} << "\" fill=\"white\"/>\n"
        << "<rect class=\"plot-rectangle\" x=\"0.0000\" y=\"0.0000\" width=\""
        << Coordinate{PICTURE_WIDTH} << "\" height=\"" << Coordinate{PICTURE_HEIGHT}
        << "\" fill=\"none\" stroke=\"#c8c8c8\" stroke-width=\"" << Coordinate{STROKE_WIDTH}
        << "\"/>\n"
        << "<g stroke=\"black\" stroke-width=\"" << Coordinate{STROKE_WIDTH}
        << "\" stroke-linecap=\"round\" fill=\"black\">\n";
}

void writeLine(std::ostream& out, const MetafileCommand<double>& c) {
    out << "<line x1=\"" << svgX(c.x1) << "\" y1=\"" << svgY(c.y1) << "\" x2=\"" << svgX(c.x2)
        << "\" y2=\"" << svgY(c.y2) << "\"/>\n";
}

void writePoint(std::ostream& out, const MetafileCommand<double>& c) {
    out << "<circle cx=\"" << svgX(c.x1) << "\" cy=\"" << svgY(c.y1) << "\" r=\""
        << Coordinate{POINT_RADIUS} << "\" stroke=\"none\"/>\n";
}

// The T line holds x, y, an unused value, the character height and a code for the renderer.
bool writeText(std::ostream& out, const MetafileCommand<double>& c) {
    std::istringstream numbers(c.textLine);
    double x, y, unused, height;
    if (!(readReal(numbers, x) && readReal(numbers, y) && readReal(numbers, unused) &&
          readReal(numbers, height)))
        return false;
    out << "<text x=\"" << svgX(x) << "\" y=\"" << svgY(y) << "\" font-size=\""
        << Coordinate{height}
        << "\" font-family=\"monospace\" stroke=\"none\" xml:space=\"preserve\">";
    writeEscaped(out, c.text);
    out << "</text>\n";
    return true;
}

// Metafile text is bytes as the writer had them; XML text must be UTF-8 of characters XML
// allows.  A byte sequence that is not such a character is replaced by U+FFFD, one for each
// maximal broken part (the longest start of a sequence that could still have become valid), as
// Unicode recommends.  Cost: one pass over the text.
constexpr const char* REPLACEMENT_CHARACTER = "\xEF\xBF\xBD";

bool isContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return byte >= low && byte <= high;
}

// The well-formed sequences a byte can lead: their length, and the range their second byte must
// lie in (UTF-8 allows no overlong forms, no surrogates and nothing beyond U+10FFFF).  Length 0:
// the byte leads none.
struct SequenceShape {
    std::size_t length;
    unsigned char secondLow, secondHigh;
};
SequenceShape shapeOf(unsigned char lead) {
    if (lead < 0x80) return {1, 0, 0};
    if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

// How many bytes from at agree with the shape, the lead included, before one does not or the text
// ends.
std::size_t wellFormedPrefix(const std::string& text, std::size_t at, const SequenceShape& shape) {
    std::size_t n = 1;
    while (n < shape.length && at + n < text.size()) {
        auto byte = static_cast<unsigned char>(text[at + n]);
        bool fits =
            n == 1 ? isContinuation(byte, shape.secondLow, shape.secondHigh) : isContinuation(byte);
        if (!fits) break;
        ++n;
    }
    return n;
}

// The length of the character at at, or 0 when the bytes there are not one XML allows in UTF-8.
std::size_t validSequenceLength(const std::string& text, std::size_t at) {
    SequenceShape shape = shapeOf(static_cast<unsigned char>(text[at]));
    if (shape.length == 0 || wellFormedPrefix(text, at, shape) < shape.length) return 0;
    // U+FFFE and U+FFFF are not characters in XML.
    if (shape.length == 3 && text.compare(at, 2, "\xEF\xBF") == 0 &&
        static_cast<unsigned char>(text[at + 2]) >= 0xBE)
        return 0;
    return shape.length;
}

// The bytes one U+FFFD stands for: the broken start of a sequence, or the lone byte.
std::size_t brokenSequenceLength(const std::string& text, std::size_t at) {
    SequenceShape shape = shapeOf(static_cast<unsigned char>(text[at]));
    return shape.length == 0 ? 1 : wellFormedPrefix(text, at, shape);
}

std::string lineMessage(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}

}  // namespace

void writeEscaped(std::ostream& out, const std::string& text) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t length = validSequenceLength(text, at);
        if (length == 0) {
            out << REPLACEMENT_CHARACTER;
            at += brokenSequenceLength(text, at);
            continue;
        }
        char ch = text[at];
        switch (ch) {
            case '&': out << "&amp;"; break;
            case '<': out << "&lt;"; break;
            case '>': out << "&gt;"; break;
            case '"': out << "&quot;"; break;
            default:
                if (length > 1)
                    out.write(text.data() + at, static_cast<std::streamsize>(length));
                else  // control characters have no place in XML text
                    out << (static_cast<unsigned char>(ch) < 0x20 ? ' ' : ch);
        }
        at += length;
    }
}

bool metafileToSvg(std::istream& in, std::ostream& out, std::string& error) {
    writeHeader(out);
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
