#include "library_guard.h"

#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>

#include "tool_files.h"

namespace {

// The refusals are composed before the guard is set: a signal handler may only write and end.
char timeMessage[1024], faultMessage[1024];
std::size_t timeLength = 0, faultLength = 0;

const int FAULT_SIGNALS[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};
struct sigaction earlierProf, earlierFault[std::size(FAULT_SIGNALS)];

extern "C" void endReading(int signal) {
    bool late = signal == SIGPROF;
    ssize_t written = write(STDERR_FILENO, late ? timeMessage : faultMessage,
                            late ? timeLength : faultLength);
    (void)written;
    _exit(1);
}

std::size_t keep(const std::string& text, char (&buffer)[1024]) {
    std::size_t n = std::min(text.size(), sizeof buffer - 1);
    std::memcpy(buffer, text.data(), n);
    if (n > 0) buffer[n - 1] = '\n';  // a cut message still ends its line
    return n;
}

}  // namespace

LibraryGuard::LibraryGuard(const std::string& tool, const std::string& file) {
    const std::string start = tool + ": " + shownInMessage(file) + ": the netCDF library ";
    timeLength = keep(start + "did not finish reading it in " +
                          std::to_string(LIBRARY_CPU_SECONDS) +
                          " s of processor time; the file is damaged (a damaged netCDF-4 "
                          "file can make the library loop)\n",
                      timeMessage);
    faultLength = keep(start + "failed while reading it; the file is damaged\n", faultMessage);
    struct sigaction action {};
    action.sa_handler = endReading;
    sigemptyset(&action.sa_mask);
    sigaction(SIGPROF, &action, &earlierProf);
    for (std::size_t i = 0; i < std::size(FAULT_SIGNALS); ++i)
        sigaction(FAULT_SIGNALS[i], &action, &earlierFault[i]);
    itimerval limit{};
    limit.it_value.tv_sec = LIBRARY_CPU_SECONDS;
    setitimer(ITIMER_PROF, &limit, nullptr);
}

LibraryGuard::~LibraryGuard() {
    itimerval off{};
    setitimer(ITIMER_PROF, &off, nullptr);
    sigaction(SIGPROF, &earlierProf, nullptr);
    for (std::size_t i = 0; i < std::size(FAULT_SIGNALS); ++i)
        sigaction(FAULT_SIGNALS[i], &earlierFault[i], nullptr);
}
