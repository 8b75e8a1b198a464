#include "output_files.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

// Every OutputFile alive, so that a fatal stop can flush and close them all.  The list is linked
// through a small fixed table: a program holds only a handful of output files at a time.
constexpr int MAX_OPEN_OUTPUTS = 16;
OutputFile* openOutputs[MAX_OPEN_OUTPUTS];

void enlist(OutputFile* file) {
    for (auto& slot : openOutputs)
        if (slot == nullptr) {
            slot = file;
            return;
        }
}

void delist(OutputFile* file) {
    for (auto& slot : openOutputs)
        if (slot == file) slot = nullptr;
}

// The absolute path a name leads to, links and "." and ".." resolved as far as the path exists.
// (A relative name is made absolute first: where nothing of it exists yet, it would otherwise
// come back as typed.)
std::filesystem::path placeOf(const std::string& name, std::error_code& error) {
    std::error_code local;
    std::filesystem::path absolute = std::filesystem::absolute(name, local);
    std::filesystem::path place;
    if (!local) place = std::filesystem::weakly_canonical(absolute, local);
    if (local) error = local;
    return place;
}

}  // namespace

OutputFile::OutputFile() { enlist(this); }

OutputFile::OutputFile(const std::string& name) : OutputFile() { create(name); }

OutputFile::~OutputFile() { delist(this); }

bool OutputFile::create(const std::string& name, bool reportFailure) {
    if (is_open()) close();
    clear();
    open(name, std::ios::out | std::ios::trunc);
    if (is_open()) return true;
    if (reportFailure) {
        std::cout.flush();
        std::cerr << "Could not create output file " << name << "\n" << std::flush;
    }
    return false;
}

bool namesOneFile(const std::string& a, const std::string& b) {
    std::error_code ignored;  // a name that exists as no file names no existing file
    if (a == b || std::filesystem::equivalent(a, b, ignored)) return true;
    // A file not created yet has no identity to compare, only its place: "./x" and "x" are one
    // file once either is created.
    std::error_code error;
    std::filesystem::path placeA = placeOf(a, error);
    std::filesystem::path placeB = placeOf(b, error);
    return !error && placeA == placeB;
}

void stopProgram(int status) {
    std::cout.flush();
    std::cerr.flush();
    for (OutputFile* file : openOutputs)
        if (file != nullptr && file->is_open()) file->close();
    std::exit(status);
}

void stopAtEndOfInput() {
    std::cout.flush();
    std::cerr << "Input ended.\n";
    stopProgram(1);
}
