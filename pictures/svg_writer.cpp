#include "svg_writer.h"

#include "notation.h"

namespace {

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

}  // namespace

std::ostream& operator<<(std::ostream& os, SvgNumber n) {
    char text[NOTATION_BUFFER];
    int length = formatFixed(text, n.value, n.decimals);
    // A coordinate that rounds to zero is written "0", never "-0".
    if (text[0] == '-' &&
        std::string(text + 1, length - 1).find_first_not_of("0.") == std::string::npos)
        return os.write(text + 1, length - 1);
    return os.write(text, length);
}

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

void writeSvgStart(std::ostream& out, double width, double height, const std::string& title) {
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << SvgNumber{width, 0}
        << "\" height=\"" << SvgNumber{height, 0} << "\" viewBox=\"0 0 " << SvgNumber{width, 0}
        << ' ' << SvgNumber{height, 0} << "\">\n<title>";
    writeEscaped(out, title);
    out << "</title>\n<rect x=\"0\" y=\"0\" width=\"" << SvgNumber{width, 0} << "\" height=\""
        << SvgNumber{height, 0} << "\" fill=\"white\"/>\n";
}

void writeSvgEnd(std::ostream& out) {
    out << "</svg>\n";
}
