#pragma once
// The text commands that head the metafile: the viewpoint below the plot rectangle and, when the
// grid was rescaled, the multiplier above it.  Positions are in plot-rectangle units, which the
// scale-to-fit pass leaves alone.
#include <ostream>

#include "vector3.h"

// The character height of the title lines: the single-precision value nearest 7/36.
constexpr float TEXT_HEIGHT = 0.1944444f;

void writeViewpointTitle(std::ostream& metafile, const Vec3& eye);
void writeMultiplierTitle(std::ostream& metafile, float multiplier);

// A real in scientific notation with the given decimals, right-aligned in width characters
// (never cut: a negative viewpoint coordinate takes one more).
void writeScientific(std::ostream& os, float value, int decimals, int width);
