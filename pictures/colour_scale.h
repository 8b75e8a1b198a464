#pragma once
// The suite's colour scale for maps: a perceptually uniform scale from dark blue-violet through
// teal and green to yellow, whose lightness grows steadily so that the picture also reads in
// grey.  Fixed stops from the published table, interpolated linearly between them.
#include <ostream>

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb&) const = default;
};

// The colour at t in [0, 1] (clamped; NaN gives the bottom colour).  colourAt(1) is the top
// stop exactly.
Rgb colourAt(double t);

// "#rrggbb".
std::ostream& operator<<(std::ostream& os, Rgb colour);
