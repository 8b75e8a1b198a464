#pragma once
// The capacities of factor and the fixed arrays sized by them.  The program owns every array for
// its whole run; the routines take them as arguments and use the leading nVar or nSample entries.
#include <array>

constexpr int MAXVAR = 100;     // variables per sample
constexpr int MAXSAMPLE = 300;  // samples
constexpr int MAXLINE = 1000;   // characters of a line buffer: a line is read as at most 999

// Characters kept of a typed file name (the buffers hold 79 and the terminator).
constexpr int FILE_NAME_LENGTH = 79;

// The console is taken as 79 usable columns.
constexpr int SCREEN_WIDTH = 79;

using VarVector = std::array<float, MAXVAR>;
using VarMatrix = std::array<VarVector, MAXVAR>;        // [variable][variable]
using SampleMatrix = std::array<VarVector, MAXSAMPLE>;  // [sample][variable or factor]
using SampleIds = std::array<int, MAXSAMPLE>;
