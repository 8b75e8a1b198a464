#pragma once
// Reading numbers and words from a text stream, free format.
//
// A number: leading white space skipped, optional sign, digits with an optional decimal point,
// optional exponent (e or E, optional sign, digits).  It ends at the first character that cannot
// continue it, which stays unread, and the whole item is converted, however many digits it has:
// files written with 18 decimals put their exponent well past the 19th character.  When no
// number can be taken the target keeps its value and the stream is put into its failed state.
//
// Each read is bounded, so that a stream that never ends (a device, an endless run of blanks or
// digits) cannot hold a reader for ever: more than MAX_SKIP white-space characters before
// an item, or an item longer than MAX_NUMBER_LENGTH, fail the read like text that is not a
// number (the stream failed, not at its end); a line is likewise passed over only up to MAX_SKIP
// characters.  Cost: linear in the characters taken.
#include <cstddef>
#include <istream>
#include <string>

// Far beyond any file of the suite; a million blanks in a row, or a line of a million
// characters, are no layout but a broken file.
constexpr long MAX_SKIP = 1L << 20;
// Room for every digit that a correctly rounded conversion can depend on (up to 768 significant
// digits for a double), with leading zeros and the exponent besides.
constexpr int MAX_NUMBER_LENGTH = 4096;

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
// Passes over white space as a number read does, MAX_SKIP characters at most.  False, with the
// stream failed, at the end of the stream (which is then also at its end) or after MAX_SKIP.
bool skipBlankRun(std::istream& in);
// The rest of the current line, its line end consumed: the first maxLength characters are kept in
// line, the others passed over.  False, with the stream failed, when the stream has ended before
// any character, or when MAX_SKIP characters pass without a line end (the stream not at its end).
bool readRestOfLine(std::istream& in, std::string& line, std::size_t maxLength);
