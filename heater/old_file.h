#pragma once
// Reading the temperatures of an earlier run back from a gridded-data file.
//
// Arrays are read one after another into the same field until the file ends, so the last one
// stays, with its grid.  Each array's rows are echoed on the screen as they are read (the first
// 15 rounded values of each), then the rest of the line that held the last value is dropped and
// the next line is taken as the array's caption and echoed.  A gridder file, one value per line
// and no caption, counts as one array with an empty caption.
#include <istream>
#include <ostream>
#include <string>

#include "field.h"
#include "heater_grid.h"

constexpr int CAPTION_LENGTH = 79;

struct OldFileResult {
    // Arrays read.  0 when the file is empty, cannot be opened, or ends within the first header
    // line.
    int arrays = 0;
    // Not empty when the whole file is refused: one line naming the file and what is wrong with
    // it (text that is not a number, an array that ends with the file, a header that gives no
    // usable size, more than MAX_POINTS points in either direction, or a line that never ends).
    std::string refusal;
};

// On success T and grid hold the last array; on a refusal T may hold part of the file and grid is
// that of the last complete array.
OldFileResult readOldFile(std::istream& in, const std::string& name, std::ostream& screen,
                          TemperatureField& T, HeaterGrid& grid);

// Opens the file by name first; a file that cannot be opened reads as an empty one.
OldFileResult readOldFile(const std::string& name, std::ostream& screen, TemperatureField& T,
                          HeaterGrid& grid);
