#pragma once
// Every array of a gridded-data file, read through the suite's gridded-data reader: gridder's
// single array, heater's arrays one after another each followed by its caption line, or a grid
// made by hand.  After the values of an array, the rest of their line is dropped and the next
// line is the array's caption, as heater reads its files back; a file that ends there has an
// empty caption.  Cost: the file is held in memory once, plus a float per value.
#include <istream>
#include <string>
#include <vector>

#include "grid_file.h"

struct GridArray {
    GridHeader header;
    // Row-major as in the file: the first row is the one at y maximum.
    std::vector<float> values;
    std::string caption;
    float at(int column, int rowFromTop) const {
        return values[static_cast<std::size_t>(rowFromTop) * header.nx + column];
    }
};

// Reads all arrays of the file fileName.  On a file that cannot be read returns false with the
// grid reader's own message, naming the line at fault, in error (one line without its line end:
// "Gridded-data file a.grd, line 7, holds text that is not a number."); arrays then holds those
// read before it.  More than maxValues values in all are refused, so that a header cannot ask
// for gigabytes.
bool readGridArrays(std::istream& in, const std::string& fileName, std::vector<GridArray>& arrays,
                    std::string& error, std::size_t maxValues = 4000000);

// Whether an array carries one of heater's captions ("^ at end of time step #...").
bool isHeaterCaption(const std::string& caption);
