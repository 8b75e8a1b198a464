#pragma once
// Rewrites a finished, closed metafile in place (through the scratch file "temporary.tmp") so that
// its drawing fills the 9.9 x 7.5 plot rectangle with one scale for both axes, centred.
// Real is float (the single-precision pass) or double (the double-precision pass).
// A drawing that cannot be fitted, a number that cannot be read and a file that cannot be opened
// stop the program (exit status -1) with a message; the metafile then keeps its content.
#include <string>

template <class Real>
void scaleToFit(const std::string& metafileName);

extern template void scaleToFit<float>(const std::string&);
extern template void scaleToFit<double>(const std::string&);
