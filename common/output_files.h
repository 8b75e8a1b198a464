#pragma once
// Output files that survive a fatal stop, and the one routine that stops a program.
#include <fstream>
#include <string>

// An output file stream that the fatal stop flushes and closes.  create() opens it by the name
// typed (replacing any earlier content); a file that cannot be created is named in one line on
// the error stream, and writes to it are then lost (the dialogue goes on).
class OutputFile : public std::ofstream {
  public:
    OutputFile();
    explicit OutputFile(const std::string& name);
    ~OutputFile() override;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Returns whether the file could be created; reportFailure=false leaves the message to the
    // caller.
    bool create(const std::string& name, bool reportFailure = true);
};

// Whether two names typed at the console name one file: the same text, two paths to one
// existing file, or two paths to one place where no file is yet.  A program must neither open one output file twice (the two streams would
// overwrite each other) nor create an output file over an input it still has to read.
bool namesOneFile(const std::string& a, const std::string& b);

// Flushes the console streams and every OutputFile, then ends the program with this status
// (-1 ends with status 255).
[[noreturn]] void stopProgram(int status);

// "Input ended." on the error stream, then stopProgram(1).
[[noreturn]] void stopAtEndOfInput();
