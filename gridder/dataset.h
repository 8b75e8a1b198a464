#pragma once
// The data file: records of three numbers x y z (map position and value), usually one a line.
#include <istream>
#include <string>

enum class DataRead { endOfFile, capacityReached, notANumber };

struct DataReadResult {
    DataRead status = DataRead::endOfFile;
    int record = 0;  // the record (counted from 1) that holds text that is not a number
};

// Reads records into entries n, n + 1, ... of the arrays until the end of the stream, until
// MAX_DATA points are held, or until text that is not a number.  White space and commas separate
// the numbers.  A complete last record counts with or without a line end; a record that the end
// of the stream cuts short is dropped.
DataReadResult readRecords(std::istream& in, float x[], float y[], float z[], int& n);

// Opens the named file and reads the dataset into the arrays (n from 0), printing the reading
// messages.  A file that cannot be opened, is empty, or holds text that is not a number ends the
// program after a message and the pause prompt, with exit status -1.
void readDataset(const std::string& name, float x[], float y[], float z[], int& n);
