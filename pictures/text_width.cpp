#include "text_width.h"

namespace {

// Advance widths in thousandths of an em, for the printable ASCII characters from the blank.
constexpr int ADVANCE[95] = {
    318,  401, 460, 838, 636, 950, 780, 275, 390, 390, 500, 838, 318, 361, 318, 337,  //  !"#...
    636,  636, 636, 636, 636, 636, 636, 636, 636, 636, 337, 337, 838, 838, 838, 531,  // 0-9 :;<=>?
    1000, 684, 686, 698, 770, 632, 575, 775, 752, 295, 295, 656, 557, 863, 748, 787,  // @A-O
    603,  787, 695, 635, 611, 732, 684, 989, 685, 611, 685, 390, 337, 390, 838, 500,  // P-Z[\\]^_
    500,  613, 635, 550, 635, 615, 352, 635, 634, 278, 278, 579, 278, 974, 634, 612,  // `a-o
    635,  635, 411, 521, 392, 634, 592, 818, 592, 592, 525, 636, 337, 636, 838};      // p-z{|}~
constexpr double OTHER_ADVANCE = 636;  // a superscript, a degree sign, a letter with a mark
constexpr double ALLOWANCE = 1.04;
const char* const ELLIPSIS = "\u2026";

bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

}  // namespace

double textWidth(const std::string& text, double fontSize) {
    double thousandths = 0;
    for (char byte : text) {
        auto code = static_cast<unsigned char>(byte);
        if (code >= 32 && code < 127)
            thousandths += ADVANCE[code - 32];
        else if (startsCharacter(byte))
            thousandths += OTHER_ADVANCE;
    }
    return thousandths / 1000 * fontSize * ALLOWANCE;
}

FittedText fitText(const std::string& text, double width, int fontSize, int smallestSize) {
    for (int size = fontSize; size >= smallestSize; --size)
        if (textWidth(text, size) <= width) return {text, size};
    // Cut characters from the middle until the rest, with the ellipsis, fits.
    std::string head = text.substr(0, text.size() / 2), tail = text.substr(text.size() / 2);
    while (!tail.empty() && !startsCharacter(tail[0])) head += tail[0], tail.erase(0, 1);
    for (bool fromHead = true; !head.empty() || !tail.empty(); fromHead = !fromHead) {
        std::string candidate = head + ELLIPSIS + tail;
        if (textWidth(candidate, smallestSize) <= width) return {candidate, smallestSize};
        if ((fromHead && !head.empty()) || tail.empty()) {
            // The last character: its continuation bytes, then its first byte.
            while (!head.empty()) {
                char byte = head.back();
                head.pop_back();
                if (startsCharacter(byte)) break;
            }
        } else {
            do tail.erase(0, 1);
            while (!tail.empty() && !startsCharacter(tail[0]));
        }
    }
    return {ELLIPSIS, smallestSize};
}
