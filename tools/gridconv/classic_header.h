#pragma once
// Whether the header of a classic-format netCDF file (CDF-1, CDF-2 or CDF-5) holds together
// within the file's bytes: every count of dimensions, attributes, variables and values, and every
// name's length, fits in what remains of the file.  The netCDF library allocates what a header's
// counts ask for before it compares them with the file's size, so a file of a few hundred bytes
// could make it allocate gigabytes; gridconv checks the header first.  Cost: one pass over the
// header, nothing allocated.
#include <string>

bool classicHeaderFits(const std::string& bytes);
