// varfit's reader on arbitrary text: a file is either refused with a line and a reason, or its
// bins are what gridder writes (20 to 200, from 0 in equal widths, counts and variances not
// negative); what is fitted to an accepted file is printed in the valid family and passes
// gridder's test, and its report and plot are whole text.
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>

#include "coefficients.h"
#include "fuzz_support.h"
#include "read_number.h"
#include "variogram_file.h"
#include "variogram_fit.h"
#include "variogram_plot.h"

namespace {

void checkBins(const VariogramFile& file) {
    require(file.bins.size() >= 20 && file.bins.size() <= 200);
    require(std::isfinite(file.rMax) && file.rMax > 0 && file.rMax == file.bins.back().maxR);
    for (const VariogramBin& bin : file.bins) {
        require(bin.pairs >= 0 && bin.variance >= 0 && std::isfinite(bin.variance));
        require(bin.minR >= 0 && bin.maxR > bin.minR);
        require(bin.pairs > 0 || bin.variance == 0);
    }
}

void checkPrinted(const std::string& answers) {
    require(isWholeLines(answers));
    std::istringstream in(answers);
    float c[5];
    for (float& v : c) require(readReal(in, v));
    double asRead[4] = {c[0], c[1], c[2], c[3]};
    require(inValidFamily(asRead, 2));
    require(staysNonNegative(c[0], c[1], c[2], c[3]));
    require(c[4] > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    VariogramFile file;
    VariogramFileFault fault;
    if (!readVariogramFile(inputText(data, size), file, fault)) {
        require(!fault.what.empty() && fault.line >= 0);
        require(isWholeLines(fault.what + "\n"));
        return 0;
    }
    checkBins(file);
    FitOptions options;
    options.weights = static_cast<BinWeights>(size % 3);
    VariogramFit fit;
    std::string error;
    if (!fitVariogram(file.bins, file.rMax, fit, error, options)) {
        require(!error.empty());
        return 0;
    }
    checkPrinted(fitAnswers(fit));
    require(isWholeLines(fitReport(fit, file.rMax, options)));
    std::ostringstream plot;
    writeVariogramPlot(plot, file.bins, file.rMax, fit);
    require(plot.str().find("</svg>") != std::string::npos);
    return 0;
}
