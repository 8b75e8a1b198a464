// Reading numbers and words from arbitrary text: every read either takes characters or fails, the
// clamping holds, and nothing reads outside its buffers.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "fixed_width.h"
#include "notation.h"
#include "read_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    for (std::size_t step = 0; step <= size; ++step) {
        auto before = in.tellg();
        float f = 0;
        double d = 0;
        int n = 0;
        std::string word;
        bool ok = false;
        switch (step % 4) {
            case 0: ok = readReal(in, f); break;
            case 1: ok = readReal(in, d); break;
            case 2: ok = readInt(in, n); break;
            case 3: ok = readWord(in, word, 11); break;
        }
        if (!ok) {
            if (in.eof()) break;
            in.clear();
            skipWord(in);
            in.clear();
            continue;
        }
        if (!std::isfinite(f) || !std::isfinite(d) || word.size() > 11) std::abort();
        if (in.good() && in.tellg() == before) std::abort();  // a successful read takes something
        writeFixedWidth(out, static_cast<int>(step % 20), f);
        writeFixedWidth(out, static_cast<int>(step % 20), d);
        out << num(f) << num(d);
    }
    return 0;
}
