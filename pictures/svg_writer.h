#pragma once
// SVG writing shared by every picture of the suite: numbers in fixed notation through the
// notations module, text escaped for XML and kept valid UTF-8, and the document's frame with its
// one <title>.
#include <ostream>
#include <string>

// `out << SvgNumber{x, 2}` writes x in fixed notation with that many decimals.
struct SvgNumber {
    double value;
    int decimals = 2;
};
std::ostream& operator<<(std::ostream& os, SvgNumber n);

// Writes text as XML character data: the characters that XML reserves escaped, control
// characters as blanks, and each broken or non-XML UTF-8 sequence as one U+FFFD, so that any
// file name or metafile text can be shown.
void writeEscaped(std::ostream& out, const std::string& text);

// The XML declaration, the <svg> element of width x height user units (pixels), its <title>
// and a white background.  writeSvgEnd closes the element.
void writeSvgStart(std::ostream& out, double width, double height, const std::string& title);
void writeSvgEnd(std::ostream& out);
