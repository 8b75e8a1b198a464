// speed: runs 10^9 single-precision floating-point operations and announces the start and the
// end, so that the user can time the run with a watch.
#include <cmath>
#include <iostream>
#include <string_view>

#include "command_line.h"
#include "notation.h"
#include "output_files.h"
#include "progress.h"
#include "workload.h"

namespace {

constexpr Workload W = SPEED_WORKLOAD;

// One character from the console; with line-buffered input that waits for Enter.
void readOneCharacter() {
    if (std::cin.get() == std::char_traits<char>::eof()) stopAtEndOfInput();
}

void announceOperations(const char* ending) {
    std::cout << operationCount(W) << " (pow(10," << num(std::log10(1.0e9)) << "))" << ending;
}

}  // namespace

// What --help prints.
constexpr std::string_view HELP = R"help(Usage: speed [--help | --version]
Times 10^9 single-precision floating-point operations by your watch: it
announces the start and the end, with the progress in percent between them.
Press Enter to start, and Enter again to leave.  Reads and writes no files.
)help";

int main(int argc, char** argv) {
    if (auto status = answerProgramArguments(argc, argv, "speed", HELP)) return *status;
    alignas(64) static float x[W.n];
    alignas(64) static float y[W.n];
    setUpArrays(W, x, y);

    std::cout << "Demonstration of speed of C++ execution:\n"
              << "Press [Enter] when ready to begin timing!\n";
    readOneCharacter();
    announceOperations(" floating-point operations starting now!\n");
    std::cout.flush();

    ProgressRule progress(W.passes, PercentArithmetic::INTEGER);
    runPasses(W, fastestPassKernel(), x, y, [&progress](int pass) {
        if (int percent = progress.afterPass(pass)) {
            writePercentReport(std::cout, percent);
            std::cout.flush();
        }
    });

    announceOperations(" floating-point operations completed.  STOP TIMING!\n");
    std::cout << "\nPress [Enter] to exit...";
    readOneCharacter();
    return 0;
}
