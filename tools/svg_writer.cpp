#include "svg_writer.h"

#include "notation.h"

namespace {

// Length of the valid UTF-8 sequence that starts at text[at], or 0 when it is not one
// (overlong forms, surrogates and code points beyond U+10FFFF included).
std::size_t utf8Length(const std::string& text, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at);
    std::size_t length;
    unsigned lowest, code;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, lowest = 0x80, code = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, lowest = 0x800, code = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, lowest = 0x10000, code = lead & 0x07;
    else return 0;
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

std::ostream& operator<<(std::ostream& os, SvgNumber n) {
    char text[NOTATION_BUFFER];
    int length = formatFixed(text, n.value, n.decimals);
    // A coordinate that rounds to zero is written "0", never "-0".
    if (text[0] == '-' && std::string(text + 1, length - 1).find_first_not_of("0.") == std::string::npos)
        return os.write(text + 1, length - 1);
    return os.write(text, length);
}

void writeEscaped(std::ostream& out, const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        char ch = text[at];
        std::size_t length = utf8Length(text, at);
        if (length == 0) {
            out << '?';
            ++at;
            continue;
        }
        if (length > 1) {
            out.write(text.data() + at, static_cast<std::streamsize>(length));
            at += length;
            continue;
        }
        switch (ch) {
            case '&': out << "&amp;"; break;
            case '<': out << "&lt;"; break;
            case '>': out << "&gt;"; break;
            case '"': out << "&quot;"; break;
            default:
                // Control characters have no place in XML text.
                out << (static_cast<unsigned char>(ch) < 0x20 ? ' ' : ch);
        }
        ++at;
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

void writeSvgEnd(std::ostream& out) { out << "</svg>\n"; }
