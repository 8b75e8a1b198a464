// The first run: every data pair binned by distance, the variance histogram shown and written to
// the variogram file, and the user sent off to fit a polynomial to it.
#include <iomanip>
#include <iostream>
#include <string>

#include "answers.h"
#include "console.h"
#include "notation.h"
#include "output_files.h"
#include "runs.h"
#include "variogram_table.h"

namespace {

int askBinCount(float rMax, int suggestion) {
    auto prompt = [&] {
        std::cout << "\n"
                  << "Diagonal of this dataset is " << num(rMax) << " long.\n"
                  << "How many distance bins shall be used in computing\n"
                  << "the variance as a function of distance?\n"
                  << "Enter an integer from " << MIN_BINS << " to " << std::setw(5) << MAX_BINS
                  << " (suggestion: " << std::setw(5) << suggestion << ") : ";
    };
    for (;;) {
        int nb = askInt(prompt);
        if (nb >= MIN_BINS && nb <= MAX_BINS) return nb;
    }
}

}  // namespace

int runVariogram(const Dataset& data, VariogramBins& bins) {
    // One point forms no pair, and the diagonal of a single point is zero.
    if (data.n < 2)
        refuseDataset("ERROR: A variogram needs at least 2 data points; this dataset has " +
                      std::to_string(data.n) + ".\n");
    refuseEndlessDiagonal(data.extent);
    int nb = askBinCount(data.extent.rMax, suggestedBinCount(data.n));
    float width = data.extent.rMax / static_cast<float>(nb);
    std::cout << "\n"
              << "Forming all possible data pairs for variogram..."
              << "\n";
    binPairs(data.x, data.y, data.z, data.n, nb, width, bins);
    showVariogramPages(bins);

    std::string fileName = askWord("\nEnter file name for variogram: ");
    OutputFile file;
    file.create(fileName);
    std::cout << "Writing this histogram to " << fileName << " ...\n";
    writeVariogramFile(file, bins);
    file.close();

    std::cout << "\n"
              << "Please stop and fit a polynomial function to the\n"
              << "data in file " << fileName << " using program \"Curvefit\"\n"
              << "\n";
    pauseForKey();
    return 0;
}
