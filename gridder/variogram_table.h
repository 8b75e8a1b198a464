#pragma once
// The variogram table: one line per distance bin, shown on the screen in pages and written whole
// into the variogram file that the curve-fitting program reads.
#include <ostream>

#include "binning.h"

constexpr int BINS_PER_PAGE = 22;
extern const char* const VARIOGRAM_HEADING;

// The lines of bins first..last (counted from 0).
void writeVariogramLines(std::ostream& os, const VariogramBins& bins, int first, int last);

// On standard output, BINS_PER_PAGE bins a page, each page followed by the pause prompt.
void showVariogramPages(const VariogramBins& bins);

// The whole table under one title and heading.
void writeVariogramFile(std::ostream& os, const VariogramBins& bins);
