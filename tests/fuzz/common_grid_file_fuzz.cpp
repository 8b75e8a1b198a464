// The gridded-data reader on arbitrary text: a header either gives usable counts or is refused,
// and the values are read until the file says no more.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "grid_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    for (int array = 0; array < 4; ++array) {
        GridHeader header;
        GridRead r = readGridHeader(in, header);
        if (r != GridRead::ok) {
            if (gridReadMessage(r, "fuzz.grd").empty()) std::abort();
            return 0;
        }
        if (header.nx < 1 || header.ny < 1 || header.nx > GRID_COUNT_LIMIT ||
            header.ny > GRID_COUNT_LIMIT)
            std::abort();
        long long values = static_cast<long long>(header.nx) * header.ny;
        for (long long i = 0; i < values; ++i) {
            float v;
            if (readGridValue(in, v) != GridRead::ok) return 0;
        }
    }
    return 0;
}
