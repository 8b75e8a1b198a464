#pragma once
// Reading the variogram file of gridder's first run: its title, its heading, and one line per
// distance bin (number, Min. r, Max. r, pair count, variance), 20 to 200 bins of equal width
// from 0 to the data's diagonal.  Anything that gridder cannot have written is refused with the
// line at fault, so that no fit is ever made of a table that is not a variogram: a negative or
// non-finite variance, a pair count that is not a whole number, extra or missing columns, bins
// out of order or of unequal width, a bin without pairs whose variance is not 0.  Cost: one pass
// over the text.
#include <istream>
#include <string>
#include <vector>

struct VariogramBin {
    double minR = 0, maxR = 0;
    long pairs = 0;
    double variance = 0;  // the mean squared difference of the pairs' values
};

struct VariogramFile {
    std::vector<VariogramBin> bins;
    double rMax = 0;  // the last bin's Max. r: the diagonal of the data, as gridder binned them
};

// Why a file was refused: the line at fault (0: the file as a whole) and what is wrong there.
struct VariogramFileFault {
    int line = 0;
    std::string what;
};

// gridder writes its diagonal with 6 significant digits on the console and the bin limits with 7
// in the file, from float arithmetic: a typed diagonal or a bin limit within this share of the
// file's diagonal agrees with it.
constexpr double DISTANCE_AGREEMENT = 1e-5;

bool readVariogramFile(const std::string& text, VariogramFile& file, VariogramFileFault& fault);

// The same for a stream, with the fault as one text ("line N: what", or "what" for the file as a
// whole), for callers that want only the bins.
bool readVariogramFile(std::istream& in, std::vector<VariogramBin>& bins, std::string& error);
