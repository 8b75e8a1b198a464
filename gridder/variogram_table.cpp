#include "variogram_table.h"

#include <iomanip>
#include <iostream>

#include "console.h"
#include "fixed_width.h"

const char* const VARIOGRAM_HEADING =
    "    Bin #           Min. r           Max. r      num.Pairs        Variance\n";

void writeVariogramLines(std::ostream& os, const VariogramBins& bins, int first, int last) {
    for (int k = first; k <= last; ++k) {
        float maxR = static_cast<float>(k + 1) * bins.width;
        float minR = maxR - bins.width;
        os << std::setw(9) << k + 1;
        writeFixedWidth(os, 17, minR);
        writeFixedWidth(os, 17, maxR);
        os << std::setw(15) << bins.count[k];
        writeFixedWidth(os, 16, bins.variance[k]);
        os << "\n";
    }
}

void showVariogramPages(const VariogramBins& bins) {
    int pages = (bins.nb + BINS_PER_PAGE - 1) / BINS_PER_PAGE;
    for (int p = 1; p <= pages; ++p) {
        int first = BINS_PER_PAGE * (p - 1);
        int last = minOfInt(first + BINS_PER_PAGE - 1, bins.nb - 1);
        std::cout << "Variogram (variance histogram):\n" << VARIOGRAM_HEADING;
        writeVariogramLines(std::cout, bins, first, last);
        pauseForKey();
    }
}

void writeVariogramFile(std::ostream& os, const VariogramBins& bins) {
    os << " Variogram (variance histogram):\n" << VARIOGRAM_HEADING;
    writeVariogramLines(os, bins, 0, bins.nb - 1);
}
