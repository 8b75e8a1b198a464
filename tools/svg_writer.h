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

// Writes text with the characters that XML reserves escaped.  Control characters become blanks
// and bytes that do not form valid UTF-8 become '?', so that any file name can be shown.
void writeEscaped(std::ostream& out, const std::string& text);

// The XML declaration, the <svg> element of width x height user units (pixels), its <title>
// and a white background.  writeSvgEnd closes the element.
void writeSvgStart(std::ostream& out, double width, double height, const std::string& title);
void writeSvgEnd(std::ostream& out);
