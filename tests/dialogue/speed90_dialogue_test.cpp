#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "run_program.h"

namespace speed90_dialogue {

const std::string STARTING =
    " Demonstration of speed of Fortran 90 execution\n"
    " Press [Enter] to begin timing! \n"
    " 1000000000 (10**9.00) floating-point operations starting NOW!\n";
const std::string COMPLETED = " 1000000000 (10**9.00) floating-point operations COMPLETED!\n";
const std::string ENDING = "\n Press [Enter] to exit... \nStop - Program terminated.\n";

// The 100 progress records, each the percentage in 3 characters and "% complete...", with what
// comes before and after each.
std::string progressRecords(const char* before, const char* after) {
    std::string records;
    for (int percent = 1; percent <= 100; ++percent) {
        char record[32];
        std::snprintf(record, sizeof record, "%s%3d%% complete...%s", before, percent, after);
        records += record;
    }
    return records;
}

// A field of F10.3: blanks, then digits, a point and three decimals, ten characters in all.
bool isFixedField(const std::string& field) {
    std::size_t first = field.find_first_not_of(' ');
    if (field.size() != 10 || first == std::string::npos || field.size() - first < 5) return false;
    for (std::size_t i = first; i < field.size(); ++i)
        if (i == field.size() - 4 ? field[i] != '.'
                                  : !std::isdigit(static_cast<unsigned char>(field[i])))
            return false;
    return true;
}

// The elapsed-time and rate records, each record starting with `start` and ending with `end`:
// the rate must be 1000 / t within the rounding of t to three decimals.
void expectTimingRecords(const std::string& text, const std::string& start,
                         const std::string& end) {
    const std::string elapsed = start + "Elapsed time was ";
    const std::string rate = " seconds." + end + start + "This computer calculates at ";
    std::string seconds = text.substr(elapsed.size(), 10);
    std::string mfpo = text.substr(elapsed.size() + 10 + rate.size(), 10);
    ASSERT_EQ(elapsed + seconds + rate + mfpo + " MFPO/s." + end, text);
    ASSERT_TRUE(isFixedField(seconds)) << seconds;
    ASSERT_TRUE(isFixedField(mfpo)) << mfpo;
    double t = std::atof(seconds.c_str());
    ASSERT_GT(t, 0.0);
    EXPECT_NEAR(1000.0, std::atof(mfpo.c_str()) * t, 1000.0 * 0.0006 / t + 0.001);
}

TEST(Speed90Dialogue, RecordsUnchangedWhenOutputIsNotAConsole) {
    ProgramRun run = runProgram("speed90", "\n\n");
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    std::string head = STARTING + progressRecords("+", "\n") + COMPLETED;
    ASSERT_EQ(head, run.out.substr(0, head.size()));
    ASSERT_GT(run.out.size(), head.size() + ENDING.size());
    EXPECT_EQ(ENDING, run.out.substr(run.out.size() - ENDING.size()));
    expectTimingRecords(run.out.substr(head.size(), run.out.size() - head.size() - ENDING.size()),
                        " ", "\n");
}

TEST(Speed90Dialogue, WhatIsTypedAtThePromptsIsIgnored) {
    ProgramRun run = runProgram("speed90", "go " + std::string(100000, 'x') + "\nquit\n");
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ(ENDING, run.out.substr(run.out.size() - ENDING.size()));
}

TEST(Speed90Dialogue, InputEndingBeforeTheStartStopsWithoutRunning) {
    ProgramRun run = runProgram("speed90", "");
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(
        " Demonstration of speed of Fortran 90 execution\n"
        " Press [Enter] to begin timing! \n",
        run.out);
    EXPECT_EQ("Input ended.\n", run.err);
}

TEST(Speed90Dialogue, InputEndingAtTheExitPrompt) {
    ProgramRun run = runProgram("speed90", "\n");
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("\n Press [Enter] to exit... \n", run.out.substr(run.out.size() - 28));
    EXPECT_EQ("Input ended.\n", run.err);
}

// Runs speed90 with its standard output on a pseudo-terminal in raw mode (line ends arrive as
// written) and its answers on a pipe, and returns everything the terminal received.
std::string runOnConsole(const std::string& input, int* status) {
    int master = -1;
    int slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return "openpty failed";
    termios mode;
    tcgetattr(slave, &mode);
    cfmakeraw(&mode);
    tcsetattr(slave, TCSANOW, &mode);
    int answers[2];
    if (pipe(answers) != 0) return "pipe failed";
    if (write(answers[1], input.data(), input.size()) != static_cast<ssize_t>(input.size()))
        return "write failed";
    close(answers[1]);

    pid_t pid = fork();
    if (pid == 0) {
        setsid();
        dup2(answers[0], 0);
        dup2(slave, 1);
        int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, 2);
        close(master);
        std::string program = std::string(PROGRAM_DIR) + "/speed90";
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(slave);
    close(answers[0]);
    std::string received;
    char buffer[4096];
    pollfd waiting{master, POLLIN, 0};
    // The terminal reports an error once the program has ended and all it wrote has been read.
    while (poll(&waiting, 1, 120000) > 0) {
        ssize_t got = read(master, buffer, sizeof buffer);
        if (got <= 0) break;
        received.append(buffer, got);
    }
    close(master);
    int waitStatus = 0;
    waitpid(pid, &waitStatus, 0);
    *status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
    return received;
}

TEST(Speed90Dialogue, CarriageControlOnAConsole) {
    int status = -1;
    std::string screen = runOnConsole("\n\n", &status);
    EXPECT_EQ(0, status);
    // The answers come from a pipe, so no echo moves the cursor: each blank record starts a new
    // line, each "+" record returns to the start of the line it overwrites.
    std::string head =
        "Demonstration of speed of Fortran 90 execution\n"
        "Press [Enter] to begin timing! \n"
        "1000000000 (10**9.00) floating-point operations starting NOW!" +
        progressRecords("\r", "") + "\n1000000000 (10**9.00) floating-point operations COMPLETED!";
    ASSERT_EQ(head, screen.substr(0, head.size()));
    const std::string ending = "\n\nPress [Enter] to exit... \nStop - Program terminated.\n";
    ASSERT_GT(screen.size(), head.size() + ending.size());
    EXPECT_EQ(ending, screen.substr(screen.size() - ending.size()));
    expectTimingRecords(screen.substr(head.size(), screen.size() - head.size() - ending.size()),
                        "\n", "");
}

}  // namespace speed90_dialogue
