// krigcv's two readers on arbitrary text, each given the same bytes: the data file either gives
// at least MIN_NEIGHBORS + 1 finite data, at most MAX_DATA, spread over a finite diagonal, or is
// refused with one message naming the file; the polynomial file either gives five finite numbers
// with a positive vMax, or is refused the same way.
#include <cmath>
#include <sstream>

#include "capacities.h"
#include "fuzz_support.h"
#include "krigcv_inputs.h"

namespace {

float x[MAX_DATA], y[MAX_DATA], z[MAX_DATA];

// "krigcv: NAME:LINE: what" or "krigcv: NAME: what", on one line.
void checkMessage(const std::string& message, const std::string& name) {
    const std::string start = "krigcv: " + name + ":";
    require(message.compare(0, start.size(), start) == 0);
    require(message.size() > start.size() + 1);
    require(message.find('\n') == std::string::npos);
}

void checkDataFile(const std::string& text) {
    std::istringstream in(text);
    int n = -1;
    DataExtent extent;
    std::string note, message;
    bool accepted = readDataFile(in, "data.txt", x, y, z, n, extent, note, message);
    if (!note.empty()) checkMessage(note, "data.txt");
    if (!accepted) {
        checkMessage(message, "data.txt");
        return;
    }
    require(message.empty());
    require(n >= MIN_NEIGHBORS + 1 && n <= MAX_DATA);
    for (int i = 0; i < n; ++i)
        require(std::isfinite(x[i]) && std::isfinite(y[i]) && std::isfinite(z[i]));
    require(std::isfinite(extent.rMax) && extent.rMax > 0);
    require(extent.xMin <= extent.xMax && extent.yMin <= extent.yMax);
}

void checkPolynomialFile(const std::string& text) {
    std::istringstream in(text);
    PolynomialModel model;
    std::string message;
    if (!readPolynomialFile(in, "model.txt", model, message)) {
        checkMessage(message, "model.txt");
        return;
    }
    require(message.empty());
    for (float v : {model.curve0, model.curve1, model.curve2, model.curve3, model.vMax})
        require(std::isfinite(v));
    require(model.curve0 >= 0 && model.vMax > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = inputText(data, size);
    checkDataFile(text);
    checkPolynomialFile(text);
    return 0;
}
