#pragma once
// The fuzz targets of the replay program, each under its own name (the fuzzing build gives each
// a program of its own, where it is LLVMFuzzerTestOneInput).
#include <cstddef>
#include <cstdint>

struct FuzzTarget {
    const char* name;
    int (*run)(const std::uint8_t* data, std::size_t size);
};

// Ends with a row of null pointers.
extern const FuzzTarget FUZZ_TARGETS[];
