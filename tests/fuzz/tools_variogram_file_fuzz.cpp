// varfit's reader on arbitrary text: a file is either refused with one line of reason, or its bins
// are what gridder writes (20 to 200 from 0, counts and variances not negative); what is fitted
// to it is printed in the valid family, passes gridder's test, and its report and plot are whole.
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>

#include "coefficients.h"
#include "fuzz_support.h"
#include "read_number.h"
#include "variogram_fit.h"
#include "variogram_plot.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    VariogramFile file;
    VariogramFileFault fault;
    if (!readVariogramFile(inputText(data, size), file, fault)) {
        require(fault.line >= 0 && !fault.what.empty() && isWholeLines(fault.what + "\n"));
        return 0;
    }
    require(file.bins.size() >= 20 && file.bins.size() <= 200 && file.bins[0].minR == 0);
    require(std::isfinite(file.rMax) && file.rMax == file.bins.back().maxR);
    for (const VariogramBin& bin : file.bins)
        require(bin.pairs >= 0 && bin.variance >= 0 && std::isfinite(bin.variance) &&
                bin.maxR > bin.minR && (bin.pairs > 0 || bin.variance == 0));
    FitOptions options{static_cast<BinWeights>(size % 3)};
    VariogramFit fit;
    std::string error;
    if (!fitVariogram(file.bins, file.rMax, fit, error, options)) return 0;
    std::string answers = fitAnswers(fit);
    std::istringstream in(answers);
    float c[5];
    for (float& v : c) require(readReal(in, v));
    double asRead[4] = {c[0], c[1], c[2], c[3]};
    require(isWholeLines(answers) && inValidFamily(asRead, 2) && c[4] > 0 &&
            staysNonNegative(c[0], c[1], c[2], c[3]));
    std::ostringstream plot;
    writeVariogramPlot(plot, file.bins, file.rMax, fit);
    require(isWholeLines(fitReport(fit, file.rMax, options)) &&
            plot.str().find("</svg>") != std::string::npos);
    return 0;
}
