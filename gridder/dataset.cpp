#include "dataset.h"

#include <fstream>
#include <iostream>

#include "capacities.h"
#include "console.h"
#include "output_files.h"
#include "read_number.h"

namespace {

// The introduction promises that commas may separate the values, so a comma counts as white space.
// A run of more than MAX_SKIP separators fails the stream, as the number reader does with blanks,
// so that an endless run of them cannot hold the reader.
void skipSeparators(std::istream& in) {
    std::streambuf* buf = in.rdbuf();
    long run = 0;
    for (int c = buf->sgetc();; c = buf->snextc(), ++run) {
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            return;
        }
        if (c != ',' && c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f')
            return;
        if (run == MAX_SKIP) {
            in.setstate(std::ios::failbit);
            return;
        }
    }
}

[[noreturn]] void refuse(const std::string& message) {
    std::cout << message;
    pauseForKey();
    stopProgram(-1);
}

}  // namespace

DataReadResult readRecords(std::istream& in, float x[], float y[], float z[], int& n) {
    DataReadResult result;
    while (n < MAX_DATA) {
        float value[3];
        for (int c = 0; c < 3; ++c) {
            skipSeparators(in);
            if (in.eof()) return result;  // a record cut short (or none begun) at the end
            if (!readReal(in, value[c])) {
                result.status = DataRead::notANumber;
                result.record = n + 1;
                return result;
            }
        }
        x[n] = value[0];
        y[n] = value[1];
        z[n] = value[2];
        ++n;
    }
    result.status = DataRead::capacityReached;
    return result;
}

void readDataset(const std::string& name, float x[], float y[], float z[], int& n) {
    n = 0;
    std::ifstream file(name);
    if (!file.is_open() || file.peek() == std::char_traits<char>::eof())
        refuse("ERROR: Could not find " + name + "\n");
    std::cout << "Reading " << name << " ...\n";
    DataReadResult result = readRecords(file, x, y, z, n);
    if (result.status == DataRead::notANumber)
        refuse("ERROR: Record " + std::to_string(result.record) + " of " + name +
               " holds text that is not a number.\n");
    if (result.status == DataRead::capacityReached)
        std::cout << "DATASET CONTAINED MORE THAN " << MAX_DATA << " DATA; FIRST " << MAX_DATA
                  << " WERE READ.\n";
    std::cout << "Reading of data completed: " << n << " data points.\n";
}
