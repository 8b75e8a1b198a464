#include "console.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iostream>

namespace {

// The terminal mode in force before the key was read, restored also when Ctrl-C interrupts.
int ttyFd = -1;
termios savedMode;

void restoreMode() {
    if (ttyFd >= 0) tcsetattr(ttyFd, TCSANOW, &savedMode);
}

extern "C" void restoreOnInterrupt(int signal) {
    restoreMode();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Reads one key from the controlling terminal without echo and without waiting for Enter.
void readOneKey() {
    ttyFd = open("/dev/tty", O_RDONLY | O_NOCTTY);
    if (ttyFd < 0) return;
    if (tcgetattr(ttyFd, &savedMode) == 0) {
        termios raw = savedMode;
        raw.c_lflag &= ~(ICANON | ECHO);
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        auto previous = std::signal(SIGINT, restoreOnInterrupt);
        // A key typed before the pause began is pending and ends the pause at once, as on any
        // console; so nothing typed ahead is flushed.  Only an interrupted read is tried again:
        // a terminal that has gone away must not keep the program spinning.
        if (tcsetattr(ttyFd, TCSANOW, &raw) == 0) {
            char key;
            while (read(ttyFd, &key, 1) < 0 && errno == EINTR) {
            }
            restoreMode();
        }
        std::signal(SIGINT, previous);
    }
    close(ttyFd);
    ttyFd = -1;
}

}  // namespace

void pauseForKey() {
    std::cout << "Press any key to continue..." << std::flush;
    if (isatty(STDIN_FILENO)) readOneKey();
    std::cout << "\n";
}

bool stringsEqual(const char* lhs, const char* rhs) {
    for (int i = 0; i < 1024; ++i) {
        if (lhs[i] != rhs[i]) return false;
        if (lhs[i] == '\0') return true;
    }
    return false;
}

bool isOneOf(const char* word, std::initializer_list<const char*> words) {
    for (const char* candidate : words)
        if (stringsEqual(word, candidate)) return true;
    return false;
}
