#pragma once
// A guard around the netCDF library's reading of a file.  Under netCDF-4 files lies the HDF5
// library, which a damaged file can send into a loop that never ends (an 8 kB file was seen to
// spin for minutes) or, in principle, into a memory fault; neither is gridconv's code to mend.
// While a guard lives, the process has LIBRARY_CPU_SECONDS of processor time, and a fault is
// caught: either ends the program at once with one refusal line naming the file and status 1.
// Nothing is written by then (the output is written only after the whole input is read), so
// ending there loses nothing.  One guard at a time; it costs two system calls to set and clear.
#include <string>

// Far beyond what the library needs for the largest grid gridconv reads (4,000,000 values take
// well under a second), even in a build with sanitizers.
constexpr int LIBRARY_CPU_SECONDS = 5;

class LibraryGuard {
  public:
    LibraryGuard(const std::string& tool, const std::string& file);
    ~LibraryGuard();
    LibraryGuard(const LibraryGuard&) = delete;
    LibraryGuard& operator=(const LibraryGuard&) = delete;
};
