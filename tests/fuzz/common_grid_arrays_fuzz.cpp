// The multi-array gridded-data reader (grd2svg's input: gridder's single array, heater's arrays
// with their caption lines) on arbitrary text: it ends, and either keeps whole arrays, each with
// the count of values its header gives, finite values and a caption of one line of at most 79
// characters, or refuses with a message of one line that names the file.  The value limit keeps a
// header from asking for more memory than it allows.
#include <cmath>
#include <sstream>
#include <vector>

#include "fuzz_support.h"
#include "grid_arrays.h"

namespace {

// Far smaller than the readers' default, so that a header asking for the limit costs the
// fuzzer little; the default is the same code with a larger number.
constexpr std::size_t FUZZ_VALUE_LIMIT = 100000;

void checkArray(const GridArray& array) {
    const GridHeader& h = array.header;
    require(h.nx >= 1 && h.ny >= 1 && h.nx <= GRID_COUNT_LIMIT && h.ny <= GRID_COUNT_LIMIT);
    require(array.values.size() == static_cast<std::size_t>(h.nx) * h.ny);
    for (float v : array.values) require(std::isfinite(v));
    require(array.caption.size() <= 79);
    require(array.caption.find('\n') == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(inputText(data, size));
    std::vector<GridArray> arrays;
    std::string error;
    bool accepted = readGridArrays(in, "fuzz.grd", arrays, error, FUZZ_VALUE_LIMIT);
    std::size_t total = 0;
    for (const GridArray& array : arrays) {
        checkArray(array);
        total += array.values.size();
    }
    require(total <= FUZZ_VALUE_LIMIT);
    if (accepted) {
        require(!arrays.empty() && error.empty());
    } else {
        require(error.find("fuzz.grd") != std::string::npos);
        require(error.find('\n') == std::string::npos);
    }
    return 0;
}
