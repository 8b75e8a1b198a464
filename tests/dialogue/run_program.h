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
// in the folder before the run.
ProgramRun runProgram(const std::string& program, const std::string& input,
                      const std::map<std::string, std::string>& files = {},
                      int timeoutSeconds = 120);

// The same with arguments on the command line after the program's name.
ProgramRun runProgramWithArguments(const std::string& program,
                                   const std::vector<std::string>& arguments,
                                   const std::string& input = "");

// Reads a file of the test data folder (tests/data).
std::string testData(const std::string& name);
