// widthdemo: shows what the fixed-width formatter makes of a number in a field of a given width,
// on the console and in the file "output", until a width of 0 is asked for.
#include <iostream>

#include "answers.h"
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

int main() {
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
