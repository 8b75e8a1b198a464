#pragma once
// Reading the hypocentre file: free-format triples x y z (Alpha, Beta, Gamma), any white space
// between the numbers; the line structure carries no meaning.
#include <istream>

#include "hypoview_data.h"

// Reads triples until MAX_HYPOCENTERS are held or a number cannot be read (end of file or text
// that is not a number); an incomplete last triple is not counted.  Returns nh.  A stream that is
// not open yields 0.
int readHypocenters(std::istream& in, Hypocenters& hypocenters);
