// widthdemo: shows what the fixed-width formatter makes of a number in a field of a given width,
// on the console and in the file "output", until a width of 0 is asked for.
#include <iostream>
#include <string_view>

#include "answers.h"
#include "command_line.h"
#include "fixed_width.h"
#include "notation.h"
#include "output_files.h"

namespace {

const char* const RULER = "123456789ABCDEF\n";

void showField(std::ostream& os, int width, float x) {
    os << RULER;
    writeFixedWidth(os, width, x);
    os << "\n" << RULER;
}

}  // namespace

// What --help prints.
constexpr std::string_view HELP = R"help(Usage: widthdemo [--help | --version]
Shows what the suite's fixed-width number formatter makes of a number in a
field of a given width.  Every input is typed at the prompts, in pairs:
  1. a floating-point number;
  2. the width in characters (0 ends the program).
Writes each number, width and field also to the file output in the working
directory.
)help";

int main(int argc, char** argv) {
    if (auto status = answerProgramArguments(argc, argv, "widthdemo", HELP)) return *status;
    OutputFile file("output");
    float x = 0;
    int width = 1;
    while (width != 0) {
        x = askFloat("\nEnter a floating point number: ");
        // General notation with the precision the previous pass's formatter left on the file.
        file << "\nx = " << num(x) << "\n";
        width = askInt("(Enter 0 bytes to end this demo program.)\nHow many bytes? :");
        file << "width = " << width << "\n";
        showField(std::cout, width, x);
        showField(file, width, x);
    }
    return 0;
}
