#pragma once
// Reading numbers and words from a text stream, free format.
//
// A number: leading white space skipped, optional sign, digits with an optional decimal point,
// optional exponent (e or E, optional sign, digits).  It ends at the first character that cannot
// continue it, which stays unread; at most 19 characters are taken (further characters that would
// continue the number are consumed and ignored).  When no number can be taken the target keeps
// its value and the stream is put into its failed state.
#include <cstddef>
#include <istream>
#include <string>

// A float target is clamped to the single-precision range: beyond it +-3.4028235e38, a non-zero
// magnitude below 1.1754944e-38 becomes +-1.1754944e-38.  A double target likewise with the
// double-precision range.
bool readReal(std::istream& in, float& target);
bool readReal(std::istream& in, double& target);
// Sign and digits only; clamped to the int range.
bool readInt(std::istream& in, int& target);
// The characters up to the next white space.  A word longer than maxLength is cut to maxLength
// and the rest of it is discarded.  False (and failed state) when the stream holds no more word.
bool readWord(std::istream& in, std::string& word, std::size_t maxLength = 79);
// Discards the characters up to (not including) the next white space.
void skipWord(std::istream& in);
