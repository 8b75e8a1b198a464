#pragma once
// What krigcv reads: its command line, the data file (as gridder reads it) and the polynomial
// files (the five numbers varfit prints).  Every refusal is one message naming the file and line
// (or the argument) at fault; nothing is written before all inputs have been read.  Cost: one
// pass over each file; the data file is held whole in memory while it is read, so that the line
// of a refused record can be named.
#include <istream>
#include <string>
#include <vector>

#include "extent.h"

// Refusals and notes all take this shape: "krigcv: FILE:LINE: what" ("krigcv: FILE: what" when
// no line is at fault, "krigcv: what" when no file is).
std::string krigcvMessage(const std::string& file, int line, const std::string& what);

struct KrigcvArguments {
    std::string dataFile;
    float cutoff = 0;  // as gridder's second run reads the typed number
    std::vector<std::string> polynomialFiles;
    std::string residualsFile;  // empty: none asked for
    std::string plotFile;
    bool help = false, version = false;
};

enum class ArgumentsStatus { run, answered, refused };

// Reads argv.  --help and --version are answered at once (answered); an unknown option, a missing
// option value, too few arguments or a CUTOFF that is not a number give a message (refused).
// Options may stand anywhere; "--" ends them.
ArgumentsStatus readKrigcvArguments(int argc, const char* const argv[], KrigcvArguments& args,
                                    std::string& message);

// An output named like an input or like the other output; "" when there is none.
std::string outputOverInput(const KrigcvArguments& args);

// The model as varfit prints it: curve0..curve3, then vMax, read as gridder reads the typed
// numbers.
struct PolynomialModel {
    float curve0 = 0, curve1 = 0, curve2 = 0, curve3 = 0;
    float vMax = 0;
};

// Five numbers, any white space between them.  Refused, with the line: text that is not a number,
// fewer or more than five numbers, a polynomial that gridder refuses (a negative intercept, a
// negative slope from a zero intercept, a sample from t = 0 to 1 below zero, a model that leaves
// every kriging system singular), and a vMax that gridder refuses (not positive, or beyond the
// single-precision range).
bool readPolynomialFile(std::istream& in, const std::string& name, PolynomialModel& model,
                        std::string& message);

// The data as gridder's second run reads and checks them, into arrays of MAX_DATA.  Refused: text
// that is not a number (its line named), fewer than MIN_NEIGHBORS + 1 data (one is left out and
// the rest must still make a system), all data at one position, a diagonal beyond the float
// range.  More than MAX_DATA records: the first MAX_DATA are kept, as gridder keeps them, and
// note (for the error stream) says so.
bool readDataFile(std::istream& in, const std::string& name, float x[], float y[], float z[],
                  int& n, DataExtent& extent, std::string& note, std::string& message);
