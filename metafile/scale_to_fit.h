#pragma once
// Rewrites a finished, closed metafile in place (through the scratch file "temporary.tmp") so that
// its drawing fills the 9.9 x 7.5 plot rectangle with one scale for both axes, centred.
// Real is float (the single-precision pass) or double (the double-precision pass).
// A drawing that cannot be fitted, a number that cannot be read and a file that cannot be opened
// stop the program (exit status -1) with a message; the metafile then keeps its content.
#include <string>

template <class Real>
void scaleToFit(const std::string& metafileName);

// The same pass without the console lines and without stopping: false, with the reason that
// completes " because ...", when the metafile cannot be fitted (it then keeps its content).
template <class Real>
bool fitMetafile(const std::string& metafileName, std::string& reason);

// Why a metafile of this name could not be written and then fitted in place, as one line (with
// its line end) that a dialogue prints before asking for the name again; "" when the name will
// do.  Refused: the pass's own scratch file, and anything that exists but is not a plain file (a
// folder, a device such as /dev/zero, a pipe), which is told from the file system's entry alone,
// so that a pipe is never opened (that would wait for a reader).
std::string metafileNameRefusal(const std::string& metafileName);

extern template void scaleToFit<float>(const std::string&);
extern template void scaleToFit<double>(const std::string&);
extern template bool fitMetafile<float>(const std::string&, std::string&);
extern template bool fitMetafile<double>(const std::string&, std::string&);
