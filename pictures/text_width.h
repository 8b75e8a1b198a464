#pragma once
// How wide a text comes out in the pictures' sans-serif font, so that labels can be kept off one
// another before any browser lays them out.  The widths are the advances of the widest common
// sans-serif face (DejaVu Sans) with a small allowance on top: a narrower face only leaves more
// room.  Cost: one pass over the text.
#include <string>

// The width in pixels of text at fontSize; UTF-8 characters outside ASCII count as a digit.
double textWidth(const std::string& text, double fontSize);

// A text fitted into a width: the font made smaller down to smallestSize, then the text cut in
// the middle, at character boundaries, with an ellipsis.
struct FittedText {
    std::string text;
    int fontSize;
};
FittedText fitText(const std::string& text, double width, int fontSize, int smallestSize);
