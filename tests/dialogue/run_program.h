#pragma once
// Runs a built program of the suite the way a user with a script would: in a fresh temporary
// folder, without a controlling terminal, answers typed on standard input.  The console output,
// the error stream, the exit status and every file the run leaves can then be compared.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

struct ProgramRun {
    // Exit status 0..255 (a stop with -1 gives 255); -N when killed by signal N; TIMED_OUT when
    // the run had to be killed after its time limit.
    static constexpr int TIMED_OUT = -1000;
    int status = 0;
    std::string out;  // standard output
    std::string err;  // standard error
    std::filesystem::path dir;

    // Contents of a file the run left in its folder ("" when there is none).
    std::string file(const std::string& name) const;
    bool hasFile(const std::string& name) const;

    ProgramRun() = default;
    ProgramRun(ProgramRun&& other) noexcept;
    ProgramRun& operator=(ProgramRun&&) = delete;
    ~ProgramRun();  // removes the folder
};

// program: the target name (looked up in the build's bin folder).  files: name -> contents placed
// in the folder before the run.  arguments: the command line after the program's name (the tools
// take their file names there).
ProgramRun runProgram(const std::string& program, const std::string& input,
                      const std::map<std::string, std::string>& files = {},
                      int timeoutSeconds = 120, const std::vector<std::string>& arguments = {});

// The same for a tool that takes arguments instead of answers (standard input empty).
ProgramRun runTool(const std::string& program, const std::vector<std::string>& arguments,
                   const std::map<std::string, std::string>& files = {});

// Reads a file of the test data folder (tests/data).
std::string testData(const std::string& name);

// A named pipe in a folder of its own, both removed at the end: a program that opened it would
// wait for a reader.
struct NamedPipe {
    NamedPipe();
    ~NamedPipe();
    std::string path() const { return (dir / "pipe").string(); }
    std::filesystem::path dir;
};
