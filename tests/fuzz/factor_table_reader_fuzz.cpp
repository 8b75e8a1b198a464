// factor's table reader on arbitrary text, and the report made of the table it accepted: the echo
// and the inferred layout stay within the line buffers, the samples are either read whole or
// refused with a message, and the statistics, eigenpairs, factors and every table of the report
// are formed from them without a fault.  No NUL byte reaches the report.
#include <algorithm>
#include <sstream>

#include "capacities.h"
#include "eigen.h"
#include "factors.h"
#include "fuzz_support.h"
#include "report_tables.h"
#include "statistics.h"
#include "table_reader.h"

namespace {

struct Arrays {
    TableEcho table;
    SampleIds ids{};
    SampleMatrix data{};
    VarVector mean{}, variance{}, sigma{}, eigenvalue{}, relative{}, cumulative{}, low{}, high{};
    VarMatrix cov{}, corr{}, eigenvector{}, recipe{};
    SampleMatrix score{};
};

Arrays a;

void checkLayout(const TableLayout& layout) {
    require(layout.lineLength >= 0 && layout.lineLength < MAXLINE);
    require(layout.nVar == layout.nField - 1);
    require(layout.echoWidth >= 0 && layout.echoWidth <= SCREEN_WIDTH);
    if (layout.nField > 0) require(layout.colWidth * layout.nField <= layout.lineLength);
}

void report(std::ostream& os, int nVar, int nSample) {
    const char* header = a.table.header.data();
    const TableLayout& layout = a.table.layout;
    writeMeans(os, layout, header, a.mean, nullptr);
    writeMatrixTable(os, "\nCovariance matrix:\n", layout, header, a.cov);
    writeDeviations(os, layout, header, a.variance, a.sigma, nullptr);
    writeMatrixTable(os, "\nCorrelation coefficient matrix:\n", layout, header, a.corr);

    // A few eigenpairs at the coarsest accuracy offered keep each run short.
    int nFound = std::min(nVar, 3);
    std::ostringstream console;
    EIGEN(1.0e-3f, nVar, a.cov, nFound, a.eigenvalue, a.eigenvector, console);
    require(nFound >= 0 && nFound <= std::min(nVar, 3));
    if (nFound == 0) return;
    eigenvalueShares(a.eigenvalue, nFound, traceOf(a.variance, nVar), a.relative, a.cumulative);
    writeEigenvalueTable(os, FILE_EIGEN_HEADING, a.eigenvalue, a.relative, a.cumulative, nFound);
    computeRecipes(a.eigenvalue, a.eigenvector, nFound, nVar, a.recipe);
    computeScores(a.data, a.mean, a.recipe, a.eigenvalue, nSample, nVar, nFound, a.score);
    scoreRange(a.score, nSample, nFound, a.low, a.high);
    writeRecipeTable(os, layout, header, a.recipe, nFound);
    writeRecipesByFactor(os, layout, header, a.recipe, nFound, nullptr);
    writeScores(os, a.ids, a.score, a.low, a.high, nSample, nFound, nullptr);
    writeZeroEigenvalueNotes(os, a.eigenvalue, nFound);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = inputText(data, size);
    std::istringstream first(text);
    std::ostringstream console, file;
    a.table = TableEcho{};
    echoTable(first, "fuzz.txt", console, file, a.table);
    checkLayout(a.table.layout);
    require(file.str().find('\0') == std::string::npos);
    const int nVar = a.table.layout.nVar;
    const int nSample = a.table.nSample;
    require(nSample >= 1);
    // The dialogue stops here for a table outside the capacities.
    if (nVar < 1 || nVar > MAXVAR || nSample < 2 || nSample > MAXSAMPLE) return 0;

    std::istringstream again(text);
    std::string message = readSamples(again, nSample, nVar, a.ids, a.data);
    if (!message.empty()) {
        require(message.back() == '\n');
        return 0;
    }
    computeMeans(a.data, nSample, nVar, a.mean);
    computeCovariance(a.data, a.mean, nSample, nVar, a.cov);
    computeDeviations(a.cov, nVar, a.variance, a.sigma);
    computeCorrelation(a.cov, a.sigma, nVar, a.corr);
    report(file, nVar, nSample);
    require(file.str().find('\0') == std::string::npos);
    return 0;
}
