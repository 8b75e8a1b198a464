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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = inputText(data, size);
    // netCDF-4 files go to the HDF5 library, which some damaged files send into a loop without end
    // (tests/data/gridconv/netcdf4-library-loops.nc); gridconv runs the library under a time limit
    // for them (LibraryGuard, tested with that file), which would end this process.  Here only the
    // classic formats, whose header gridconv checks itself, and files that are no netCDF at all.
    if (bytes.compare(0, 4, "\x89HDF") == 0) return 0;
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
