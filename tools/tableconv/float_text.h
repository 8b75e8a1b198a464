#pragma once
// Numbers for the suite's single-precision programs, written so that they read back exactly.
#include <string>

// The shortest text in general notation that reads back (as the programs read numbers) as the
// very float nearest to value: at most 9 significant digits, which single precision always
// needs at most.  Whole numbers below 10^9 keep their digits ("500000", not "5e+005").
std::string floatText(double value);
