// speed90: runs 10^9 single-precision floating-point operations, reads the system clock before
// and after, and reports the elapsed time and the rate.  Every line is a record with carriage
// control, so that the progress counts up in place on a console.
#include <iostream>
#include <limits>
#include <string_view>

#include "command_line.h"
#include "elapsed_time.h"
#include "output_files.h"
#include "progress.h"
#include "record_writer.h"
#include "speed90_records.h"
#include "workload.h"

namespace {

constexpr Workload W = SPEED90_WORKLOAD;

// Waits for Enter and ignores what was typed, however long the line.
void readOneLine(RecordWriter& records) {
    records.flush();
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    if (std::cin.gcount() == 0 && std::cin.eof()) stopAtEndOfInput();
    if (inputIsConsole()) records.inputLineEchoed();
}

}  // namespace

// What --help prints.
constexpr std::string_view HELP = R"help(Usage: speed90 [--help | --version]
Times 10^9 single-precision floating-point operations by the system clock
and reports the elapsed time and the rate in MFPO/s.  Press Enter to start,
and Enter again to leave.  Reads and writes no files.
)help";

int main(int argc, char** argv) {
    if (auto status = answerProgramArguments(argc, argv, "speed90", HELP)) return *status;
    alignas(64) static float x[W.n];
    alignas(64) static float y[W.n];
    setUpArrays(W, x, y);

    RecordWriter records(std::cout, outputIsConsole());
    records.write(" Demonstration of speed of Fortran 90 execution");
    records.write(" Press [Enter] to begin timing! ");
    readOneLine(records);
    records.write(operationsRecord(operationCount(W), " starting NOW!"));
    records.flush();

    Stopwatch stopwatch(readSystemClock);
    stopwatch.start();
    ProgressRule progress(W.passes, PercentArithmetic::REAL);
    runPasses(W, fastestPassKernel(), x, y, [&](int pass) {
        if (int percent = progress.afterPass(pass)) {
            records.write(progressRecord(percent));
            records.flush();
        }
    });
    float seconds = stopwatch.elapsed();

    records.write(operationsRecord(operationCount(W), " COMPLETED!"));
    records.write(elapsedRecord(seconds));
    records.write(rateRecord(seconds));
    records.write("");
    records.write(" Press [Enter] to exit... ");
    readOneLine(records);
    records.writeLine("Stop - Program terminated.");
    return 0;
}
