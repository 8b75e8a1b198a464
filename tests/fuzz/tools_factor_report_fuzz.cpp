// factorplot's reader of factor's report on arbitrary text: it ends, and either gives a table of
// eigenvalues with their cumulative shares and a table of recipes whose every row has one loading
// per label, or refuses with a message of one line.
#include <sstream>

#include "factor_report.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(inputText(data, size));
    FactorReport report;
    std::string error;
    if (!readFactorReport(in, report, error)) {
        require(!error.empty() && error.find('\n') == std::string::npos);
        return 0;
    }
    require(error.empty());
    require(!report.eigenvalues.empty());
    require(report.cumulativePercent.size() == report.eigenvalues.size());
    require(!report.loadings.empty() && !report.labels.empty());
    for (const auto& row : report.loadings) require(row.size() == report.labels.size());
    for (const auto& label : report.labels) require(label.find('\n') == std::string::npos);
    return 0;
}
