#include "run_program.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeAll(const fs::path& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary);
    out << contents;
}

fs::path makeTempDir() {
    std::string pattern = (fs::temp_directory_path() / "dialogue-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

}  // namespace

std::string ProgramRun::file(const std::string& name) const { return readAll(dir / "work" / name); }

bool ProgramRun::hasFile(const std::string& name) const { return fs::exists(dir / "work" / name); }

ProgramRun::ProgramRun(ProgramRun&& other) noexcept
    : status(other.status),
      out(std::move(other.out)),
      err(std::move(other.err)),
      dir(std::move(other.dir)) {
    other.dir.clear();
}

ProgramRun::~ProgramRun() {
    if (!dir.empty()) {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
}

namespace {

ProgramRun runInFolder(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& input, const std::map<std::string, std::string>& files,
                       int timeoutSeconds) {
    ProgramRun run;
    run.dir = makeTempDir();
    fs::path work = run.dir / "work";
    fs::create_directory(work);
    for (const auto& [name, contents] : files) writeAll(work / name, contents);
    writeAll(run.dir / "stdin", input);
    std::string executable = std::string(PROGRAM_DIR) + "/" + program;
    std::vector<char*> argv{executable.data()};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        setsid();  // no controlling terminal: the pause must not wait for a key
        if (chdir(work.c_str()) != 0) _exit(126);
        int in = open((run.dir / "stdin").c_str(), O_RDONLY);
        int out = open((run.dir / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open((run.dir / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0) _exit(126);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        execv(executable.c_str(), argv.data());
        _exit(127);
    }

    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    int waitStatus = 0;
    for (;;) {
        pid_t done = waitpid(pid, &waitStatus, WNOHANG);
        if (done == pid) break;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &waitStatus, 0);
            run.status = ProgramRun::TIMED_OUT;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (run.status != ProgramRun::TIMED_OUT) {
        if (WIFEXITED(waitStatus))
            run.status = WEXITSTATUS(waitStatus);
        else if (WIFSIGNALED(waitStatus))
            run.status = -WTERMSIG(waitStatus);
    }
    run.out = readAll(run.dir / "stdout");
    run.err = readAll(run.dir / "stderr");
    return run;
}

}  // namespace

ProgramRun runProgram(const std::string& program, const std::string& input,
                      const std::map<std::string, std::string>& files, int timeoutSeconds) {
    return runInFolder(program, {}, input, files, timeoutSeconds);
}

ProgramRun runProgramWithArguments(const std::string& program,
                                   const std::vector<std::string>& arguments,
                                   const std::string& input) {
    return runInFolder(program, arguments, input, {}, 120);
}

std::string testData(const std::string& name) { return readAll(fs::path(TEST_DATA_DIR) / name); }
