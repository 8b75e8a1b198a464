#pragma once
// An SVG picture of a graphics metafile: the 9.9 x 7.5 plot rectangle with a margin, its line
// segments, point markers and text lines.  SVG user units are plot units, with y turned to point
// down: a metafile point (x, y) stands at (x, 7.5 - y).
#include <istream>
#include <ostream>
#include <string>

#include "svg_writer.h"

constexpr double PICTURE_WIDTH = 9.9;
constexpr double PICTURE_HEIGHT = 7.5;
constexpr double PICTURE_MARGIN = 0.5;

// Converts the metafile read from in into an SVG document on out, whose <title> is title (the
// metafile's name).  On a malformed metafile it returns false with a message naming the line in
// error (nothing useful is then on out).
bool metafileToSvg(std::istream& in, std::ostream& out, const std::string& title,
                   std::string& error);
