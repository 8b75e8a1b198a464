#pragma once
// Reading the surface from a gridded-data file, and the optional rescaling of its values.
#include <istream>
#include <string>

#include "hypoview_data.h"

enum class SurfaceRead { ok, tooLarge, endOfFile, notANumber, noUsableCount };

// Reads the header and the first array of the file into surface; anything behind that array is
// left unread.  A grid of more than NTGRID points in either direction is refused right after the
// header, before any value is read.  On any refusal npoints stays 0.
SurfaceRead readSurfaceGrid(std::istream& in, SurfaceGrid& surface);

// The message for a refused grid (for tooLarge the two lines naming NTGRID; otherwise one line
// naming the file).  Empty for ok.
std::string surfaceReadMessage(SurfaceRead what, const std::string& fileName);

// Multiplies every value of the grid by multiplier.
void scaleGrid(SurfaceGrid& surface, float multiplier);
