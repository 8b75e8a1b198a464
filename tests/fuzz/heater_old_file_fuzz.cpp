// heater's reader of an earlier run's file, on arbitrary text, and a run started from what it
// took: the reader ends, refuses with one line naming the file or keeps a grid that fits the
// field; every solver then steps that grid without leaving the field, and the array heater writes
// of it reads back as the same grid.
#include <cstring>
#include <sstream>

#include "field.h"
#include "fuzz_support.h"
#include "heater_grid.h"
#include "old_file.h"
#include "output_array.h"
#include "solvers.h"

namespace {

TemperatureField T, stepped;

void checkGrid(const HeaterGrid& grid) {
    require(grid.nx >= 1 && grid.nx <= MAX_POINTS && grid.nz >= 1 && grid.nz <= MAX_POINTS);
}

void stepEveryWay(const HeaterGrid& grid) {
    const float dx = grid.x.spacing, dz = grid.z.spacing;
    std::memcpy(stepped, T, sizeof T);
    explicitStep(2.5f, 0.01f, dx, dz, 1.0f, 31.5f, grid.nx, grid.nz, stepped);
    std::memcpy(stepped, T, sizeof T);
    adiStep(2.5f, 0.01f, dx, dz, 1.0f, 31.5f, grid.nx, grid.nz, stepped);
    std::memcpy(stepped, T, sizeof T);
    subductionStep(2.5f, 0.01f, dx, dz, 31.5f, grid.nx, grid.nz, 0.5f, 10.0f, stepped);
}

// What heater writes of this grid is what a later run starts from.
void checkWrittenArray(const HeaterGrid& grid) {
    std::ostringstream file;
    writeTemperatureArray(file, grid, T);
    file << " ^ at time step #0, time = 0.0\n";
    require(isWholeLines(file.str()));
    std::istringstream again(file.str());
    std::ostringstream screen;
    HeaterGrid reread;
    OldFileResult result = readOldFile(again, "again.grd", screen, stepped, reread);
    require(result.refusal.empty() && result.arrays == 1);
    require(reread.nx == grid.nx && reread.nz == grid.nz);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(inputText(data, size));
    std::ostringstream screen;
    HeaterGrid grid;
    OldFileResult result = readOldFile(in, "fuzz.grd", screen, T, grid);
    require(result.arrays >= 0);
    if (!result.refusal.empty()) {
        require(result.refusal.find("fuzz.grd") != std::string::npos &&
                result.refusal.back() == '\n');
        return 0;
    }
    if (result.arrays == 0) return 0;
    checkGrid(grid);
    stepEveryWay(grid);
    checkWrittenArray(grid);
    return 0;
}
