// gridconv's netCDF reader on arbitrary bytes, opened from memory by the netCDF library: it ends,
// refuses with one line naming the file, or gives a grid of finite values whose counts its headers
// give; such a grid written to netCDF and read again is the same grid.
#include <cmath>

#include "fuzz_support.h"
#include "grd_text.h"
#include "netcdf_grid.h"

namespace {

void checkGrid(const GridStack& stack) {
    require(!stack.arrays.empty());
    std::size_t total = 0;
    for (const GridArray& array : stack.arrays) {
        const GridHeader& h = array.header;
        require(gridCount(h.x) == h.nx && gridCount(h.y) == h.ny);
        require(array.values.size() == std::size_t(h.nx) * std::size_t(h.ny));
        for (float v : array.values) require(std::isfinite(v));
        total += array.values.size();
    }
    require(total <= MAX_GRID_VALUES);
}

}  // namespace

// When the HDF5 library under netCDF-4 files refuses some broken files
// (regressions/hdf5-library-leaks-on-refusal.nc), it and the netCDF library's own failed open
// leak what they had built, some 28 kB: nothing gridconv can free or guard (the open failed, there
// is nothing to close), and harmless to a tool that refuses the file and ends.  Leaks from inside
// those libraries are therefore no findings here; gridconv's own use of them (every open file
// closed) is checked by the unit tests, which the sanitizer build runs without this list.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libhdf5_serial.so\nleak:libnetcdf.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = inputText(data, size);
    GridStack stack;
    std::string fault;
    // The first byte of the file decides nothing the library sees; --fill is tried on every
    // other input by the length's parity.
    const MissingValues missing{size % 2 == 1, -1};
    if (!readNetcdfStack(bytes, "f.nc", NetcdfNames{}, missing, stack, fault)) {
        require(fault.rfind("f.nc: ", 0) == 0 && isWholeLines(fault + "\n"));
        require(fault.find('\n') == std::string::npos);
        return 0;
    }
    checkGrid(stack);
    std::string written;
    GridStack back;
    if (!netcdfBytes(stack, "f.nc", NetcdfNames{}, written, fault)) {
        // Only arrays on different grids, or values that take every fill value, are refused.
        require(fault.find("different grids") != std::string::npos ||
                fault.find("fill value") != std::string::npos);
        return 0;
    }
    require(readNetcdfStack(written, "g.nc", NetcdfNames{}, MissingValues{}, back, fault));
    require(grdText(back) == grdText(stack));
    return 0;
}
