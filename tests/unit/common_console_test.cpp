#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "console.h"

namespace {

TEST(StringsEqual, ExactAndBounded) {
    EXPECT_TRUE(stringsEqual("yes", "yes"));
    EXPECT_FALSE(stringsEqual("yes", "Yes"));
    EXPECT_FALSE(stringsEqual("y", "yes"));
    EXPECT_FALSE(stringsEqual("yes", "y"));
    EXPECT_TRUE(stringsEqual("", ""));
    std::string a(1023, 'a');
    EXPECT_TRUE(stringsEqual(a.c_str(), a.c_str()));
    std::string b(1024, 'b');
    EXPECT_FALSE(stringsEqual(b.c_str(), b.c_str()));
}

TEST(StringsEqual, YesWordLists) {
    EXPECT_TRUE(isOneOf("T", {"Y", "y", "T"}));
    EXPECT_FALSE(isOneOf("YEs", {"Y", "YES", "yes"}));
    EXPECT_FALSE(isOneOf("", {"Y"}));
}

TEST(MinMax, TwoAndThree) {
    EXPECT_EQ(1.0f, minOf3(3.0f, 1.0f, 2.0f));
    EXPECT_EQ(-5.0f, maxOf3(-5.0f, -7.0f, -6.0f));
    EXPECT_EQ(1.0, minOf3(3.0, 1.0, 2.0));
    EXPECT_EQ(-5.0, maxOf3(-5.0, -7.0, -6.0));
    EXPECT_EQ(2.0f, minOf(2.0f, 2.5f));
    EXPECT_EQ(2.5, maxOf(2.0, 2.5));
    EXPECT_EQ(-3, minOfInt(4, -3));
    EXPECT_EQ(4, maxOfInt(4, -3));
}

// Without a terminal on standard input the pause writes its prompt and line end and returns.
TEST(PauseForKey, ReturnsAtOnceWithoutATerminal) {
    std::ostringstream captured;
    auto* old = std::cout.rdbuf(captured.rdbuf());
    pauseForKey();
    std::cout.rdbuf(old);
    EXPECT_EQ("Press any key to continue...\n", captured.str());
}

// A pseudo-terminal whose far end plays the user at the keyboard.
class KeyboardTerminal {
  public:
    KeyboardTerminal() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            slaveName_ = ptsname(master_);
    }
    ~KeyboardTerminal() {
        if (child_ > 0) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
        if (master_ >= 0) close(master_);
    }
    bool ready() const { return !slaveName_.empty(); }
    void type(const char* keys) { ASSERT_GT(write(master_, keys, std::strlen(keys)), 0); }

    // Runs pauseForKey in a child whose controlling terminal and standard input and output are
    // the terminal.  Once the terminal's settings are taken, typing goes to the line discipline.
    void startPause() {
        std::cout.flush();
        std::fflush(nullptr);
        child_ = fork();
        if (child_ == 0) {
            setsid();
            int slave = open(slaveName_.c_str(), O_RDWR);
            if (slave < 0 || ioctl(slave, TIOCSCTTY, 0) != 0) _exit(2);
            dup2(slave, STDIN_FILENO);
            dup2(slave, STDOUT_FILENO);
            pauseForKey();
            std::cout.flush();
            _exit(0);
        }
    }
    // Whether the child has returned from the pause within the time given.
    bool pauseEndsWithin(std::chrono::milliseconds limit) {
        auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (waitpid(child_, &status, WNOHANG) == child_) {
                child_ = -1;
                return WIFEXITED(status) && WEXITSTATUS(status) == 0;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    // Whether the terminal has been switched to reading single keys without echo.
    bool rawModeWithin(std::chrono::milliseconds limit) {
        auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            termios mode;
            if (tcgetattr(master_, &mode) == 0 && !(mode.c_lflag & (ECHO | ICANON))) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    // Everything the terminal has shown so far.
    std::string screen() {
        std::string text;
        char chunk[256];
        pollfd wait{master_, POLLIN, 0};
        while (poll(&wait, 1, 100) > 0 && (wait.revents & POLLIN)) {
            ssize_t n = read(master_, chunk, sizeof chunk);
            if (n <= 0) break;
            text.append(chunk, static_cast<std::size_t>(n));
        }
        return text;
    }

  private:
    int master_ = -1;
    std::string slaveName_;
    pid_t child_ = -1;
};

// On a terminal the pause waits for one key, without Enter, and does not echo it.
TEST(PauseForKey, WaitsForOneKeyOnATerminal) {
    KeyboardTerminal terminal;
    ASSERT_TRUE(terminal.ready());
    terminal.startPause();
    ASSERT_TRUE(terminal.rawModeWithin(std::chrono::seconds(5)));
    EXPECT_FALSE(terminal.pauseEndsWithin(std::chrono::milliseconds(200)));
    terminal.type("q");
    EXPECT_TRUE(terminal.pauseEndsWithin(std::chrono::seconds(5)));
    std::string shown = terminal.screen();
    EXPECT_NE(std::string::npos, shown.find("Press any key to continue..."));
    EXPECT_EQ(std::string::npos, shown.find('q'));
}

// A key pressed before the pause began is pending on the console: the pause takes it and ends.
TEST(PauseForKey, TakesAKeyAlreadyPending) {
    KeyboardTerminal terminal;
    ASSERT_TRUE(terminal.ready());
    terminal.type("k");
    terminal.startPause();
    EXPECT_TRUE(terminal.pauseEndsWithin(std::chrono::seconds(5)));
}

}  // namespace
