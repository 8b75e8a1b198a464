// speed: runs 10^9 single-precision floating-point operations and announces the start and the
// end, so that the user can time the run with a watch.
#include <cmath>
#include <iostream>

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

int main() {
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
