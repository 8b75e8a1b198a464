// gridder's data reader on arbitrary text, and what the two runs then do with the points it took:
// the reader ends (never loops), keeps within MAX_DATA and stores only finite numbers; the extent,
// the variogram file and the kriging of a point stay sound for whatever data it accepted.
#include <cmath>
#include <iostream>
#include <sstream>

#include "binning.h"
#include "capacities.h"
#include "dataset.h"
#include "extent.h"
#include "fuzz_support.h"
#include "kriging.h"
#include "variogram_table.h"

namespace {

float x[MAX_DATA], y[MAX_DATA], z[MAX_DATA];
VariogramBins bins;
KrigingWork work;

// Pairs grow with the square of the count: the fuzzer bins and kriges only small datasets.
constexpr int MAX_FUZZED_PAIRS_DATA = 300;

void checkRead(const DataReadResult& result, int n) {
    require(n >= 0 && n <= MAX_DATA);
    if (result.status == DataRead::notANumber) require(result.record == n + 1);
    if (result.status == DataRead::capacityReached) require(n == MAX_DATA);
    for (int i = 0; i < n; ++i)
        require(std::isfinite(x[i]) && std::isfinite(y[i]) && std::isfinite(z[i]));
}

void firstRun(const DataExtent& extent, int n) {
    int nb = suggestedBinCount(n);
    binPairs(x, y, z, n, nb, extent.rMax / static_cast<float>(nb), bins);
    long long pairs = 0;
    for (int k = 0; k < nb; ++k) {
        require(bins.count[k] >= 0);
        pairs += bins.count[k];
    }
    require(pairs == static_cast<long long>(n) * (n - 1) / 2);
    std::ostringstream file;
    writeVariogramFile(file, bins);
    require(isWholeLines(file.str()));
}

void secondRun(const DataExtent& extent, int n) {
    float cutoff = extent.rMax;
    float estimate = 0, deviation = 0;
    float x0 = static_cast<float>((static_cast<double>(extent.xMin) + extent.xMax) / 2);
    float y0 = static_cast<float>((static_cast<double>(extent.yMin) + extent.yMax) / 2);
    INTERP(0.0f, 1.0f, 0.0f, 0.0f, x, y, z, n, extent.halfRMax, 1.0f, x0, y0, cutoff, estimate,
           deviation, work);
    require(!(deviation < 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilencedConsole silenced;
    std::istringstream in(inputText(data, size));
    int n = 0;
    DataReadResult result = readRecords(in, x, y, z, n);
    checkRead(result, n);
    if (result.status == DataRead::notANumber || n < 2 || n > MAX_FUZZED_PAIRS_DATA) return 0;

    DataExtent extent = computeExtent(x, y, n);
    // The runs refuse a dataset whose diagonal is beyond the float range.
    if (!std::isfinite(extent.rMax)) return 0;
    require(extent.xMin <= extent.xMax && extent.yMin <= extent.yMax && extent.rMax >= 0);
    firstRun(extent, n);
    // The second run refuses fewer than MIN_NEIGHBORS data and data all at one position.
    if (n >= MIN_NEIGHBORS && extent.rMax > 0) secondRun(extent, n);
    return 0;
}
