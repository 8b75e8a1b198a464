// The scale-to-fit pass on an arbitrary metafile, in both precisions: it either fits the drawing
// or refuses with a reason, and after a refusal the metafile holds exactly what it held before.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "scale_to_fit.h"

namespace {

void writeFile(const char* name, const std::string& contents) {
    std::ofstream out(name, std::ios::binary);
    out << contents;
}

std::string readFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

template <class Real>
void fitOnce(const std::string& metafile) {
    writeFile("fuzz.skm", metafile);
    std::string reason;
    if (!fitMetafile<Real>("fuzz.skm", reason)) {
        if (reason.empty() || readFile("fuzz.skm") != metafile) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string metafile(reinterpret_cast<const char*>(data), size);
    fitOnce<float>(metafile);
    fitOnce<double>(metafile);
    return 0;
}
