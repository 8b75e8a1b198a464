#include "answers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "output_files.h"

namespace {

// Types the given answers on std::cin and captures std::cout for the life of the object.
class Console {
public:
    explicit Console(const std::string& typed) : in_(typed) {
        oldIn_ = std::cin.rdbuf(in_.rdbuf());
        oldOut_ = std::cout.rdbuf(out_.rdbuf());
        std::cin.clear();
    }
    ~Console() {
        std::cin.rdbuf(oldIn_);
        std::cout.rdbuf(oldOut_);
        std::cin.clear();
    }
    std::string printed() const { return out_.str(); }

private:
    std::istringstream in_;
    std::ostringstream out_;
    std::streambuf* oldIn_;
    std::streambuf* oldOut_;
};

TEST(Answers, WrongWordIsDiscardedAndAskedAgain) {
    Console console("abc 12x 3.5\n");
    EXPECT_EQ(12, askInt("N? "));
    EXPECT_EQ(3.5f, askFloat("X? "));  // "x" is discarded, then 3.5
    EXPECT_EQ("N? N? X? X? ", console.printed());
}

TEST(Answers, PromptWriterIsCalledForEveryAttempt) {
    Console console("none 2.25");
    int calls = 0;
    EXPECT_EQ(2.25, askDouble([&] { ++calls; }));
    EXPECT_EQ(2, calls);
}

TEST(Answers, SevenNumbersOnOneLineOrSeven) {
    Console console("1 2\n3\n\n4 yes");
    EXPECT_EQ(1.0, askDouble(""));
    EXPECT_EQ(2.0, askDouble(""));
    EXPECT_EQ(3.0, askDouble(""));
    EXPECT_EQ(4.0, askDouble(""));
    EXPECT_EQ("yes", askWord(""));
}

TEST(Answers, LongWordIsCutAndItsRestDiscarded) {
    Console console(std::string(300, 'w') + " second");
    EXPECT_EQ(std::string(79, 'w'), askWord("Name: "));
    EXPECT_EQ("second", askWord("Next: "));
    EXPECT_EQ(std::string(11, 'z'), [] {
        Console inner("zzzzzzzzzzzzzzzzzzzz");
        return askWord("", 11);
    }());
}

TEST(AnswersDeathTest, EndOfInputStopsWithStatusOne) {
    EXPECT_EXIT(
        {
            Console console("  \n");
            askInt("N? ");
        },
        testing::ExitedWithCode(1), "Input ended.");
    EXPECT_EXIT(
        {
            Console console("abc");
            askFloat("X? ");
        },
        testing::ExitedWithCode(1), "Input ended.");
    EXPECT_EXIT(
        {
            Console console("");
            askWord("W? ");
        },
        testing::ExitedWithCode(1), "Input ended.");
}

// A fatal stop closes every output file with what was written before it.
TEST(OutputFileDeathTest, StopKeepsWhatWasWritten) {
    std::string name = testing::TempDir() + "stop-keeps.txt";
    EXPECT_EXIT(
        {
            OutputFile file(name);
            file << "first line\n";
            stopProgram(-1);
        },
        testing::ExitedWithCode(255), "");
    std::ifstream in(name);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ("first line", line);
    std::remove(name.c_str());
}

TEST(OutputFile, CannotBeCreatedIsNamedOnTheErrorStream) {
    testing::internal::CaptureStderr();
    OutputFile file;
    EXPECT_FALSE(file.create("/nonexistent-folder/out.txt"));
    file << "lost\n";
    EXPECT_EQ("Could not create output file /nonexistent-folder/out.txt\n",
              testing::internal::GetCapturedStderr());
}

}  // namespace
