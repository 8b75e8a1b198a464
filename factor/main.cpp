// factor: principal factor analysis of a table of samples.  Reads the table, reports means,
// covariance, variances and correlation, finds eigenvalues and unit eigenvectors of the
// covariance matrix, and reports the factor recipes and the factor scores of every sample, on
// the console and in a report file.
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <string>
#include <string_view>

#include "answers.h"
#include "capacities.h"
#include "command_line.h"
#include "console.h"
#include "eigen.h"
#include "factors.h"
#include "notation.h"
#include "output_files.h"
#include "report_tables.h"
#include "statistics.h"
#include "table_reader.h"

namespace {

// Every array of the run, at the program's fixed capacities.
struct FactorArrays {
    TableEcho table;
    SampleIds sampleId{};
    SampleMatrix data{};
    VarVector mean{}, variance{}, sigma{}, eigenvalue{}, relative{}, cumulative{}, low{}, high{};
    VarMatrix cov{}, corr{}, eigenvector{}, recipe{};
    SampleMatrix score{};
};

FactorArrays arrays;

// The early stops of factor end after the pause with status 0.
[[noreturn]] void stopEarly() {
    pauseForKey();
    stopProgram(0);
}

bool openData(std::ifstream& data, const std::string& name) {
    std::error_code ignored;
    if (std::filesystem::is_directory(name, ignored)) return false;
    data.open(name, std::ios::in | std::ios::binary);
    return data.is_open();
}

std::string askDataFile(std::ifstream& data) {
    for (;;) {
        std::string name = askWord(
            "Enter (with no spaces) the [drive:][\\path\\]name of data file: \n", FILE_NAME_LENGTH);
        if (openData(data, name)) return name;
        std::cout << "File not found.\n"
                  << "Check filename and/or [drive:][\\path\\].\n";
    }
}

std::string askReportFile(OutputFile& report, const std::string& dataName) {
    std::string name = askWord(
        "Enter (with no spaces) the [drive:][\\path\\]name for output file: \n", FILE_NAME_LENGTH);
    // Creating the report over the data file would destroy the table before it is read.
    if (namesOneFile(name, dataName)) {
        std::cout << "File could not be created: it is the data file.\n";
        stopEarly();
    }
    if (!report.create(name, false)) {
        std::cout << "File could not be created.\n";
        stopEarly();
    }
    return name;
}

void checkCapacities(const TableEcho& table, std::ostream& report) {
    if (table.longLine != 0) {
        std::cout << longLineMessage(table.longLine);
        stopEarly();
    }
    int nVar = table.layout.nVar;
    for (std::ostream* os : {static_cast<std::ostream*>(&std::cout), &report})
        *os << "Inferred " << std::setw(3) << nVar << " variables per sample.\n";
    if (nVar < 1 || nVar > MAXVAR) {
        std::cout << "Factor is now compiled to accept range 1 .." << std::setw(3) << MAXVAR
                  << " variables per sample.\n"
                  << "Adjust const int MAXVAR if necessary.\n";
        stopEarly();
    }
    for (std::ostream* os : {static_cast<std::ostream*>(&std::cout), &report}) {
        if (table.pastCapacity)
            *os << "More than " << MAXSAMPLE << " samples were found.\n";
        else
            *os << std::setw(5) << table.nSample << " samples were found.\n";
    }
    if (table.nSample < 2 || table.nSample > MAXSAMPLE) {
        std::cout << "Factor is now compiled to accept 2 .. " << std::setw(5) << MAXSAMPLE
                  << " samples.\n"
                  << "Adjust const int MAXSAMPLE if necessary.\n";
        stopEarly();
    }
}

void readTable(std::ifstream& data, const std::string& dataName, OutputFile& report) {
    TableEcho& table = arrays.table;
    echoTable(data, dataName, std::cout, report, table);
    checkCapacities(table, report);
    data.close();
    std::string message = "The data file could not be read again.\n";
    if (openData(data, dataName))
        message = readSamples(data, table.nSample, table.layout.nVar, arrays.sampleId, arrays.data);
    data.close();
    if (!message.empty()) {
        std::cout << message;
        stopEarly();
    }
    std::cout << "All data have been read.\n";
    report << "All data have been read.\n";
    pauseForKey();
}

void computeStatistics() {
    const TableEcho& table = arrays.table;
    int nVar = table.layout.nVar;
    computeMeans(arrays.data, table.nSample, nVar, arrays.mean);
    computeCovariance(arrays.data, arrays.mean, table.nSample, nVar, arrays.cov);
    computeDeviations(arrays.cov, nVar, arrays.variance, arrays.sigma);
    computeCorrelation(arrays.cov, arrays.sigma, nVar, arrays.corr);
}

// The console shows a matrix only when all its columns fit; the report always has it.
void reportMatrix(const char* title, const char* tooLarge, const VarMatrix& matrix,
                  std::ostream& report, const std::string& reportName) {
    const TableEcho& table = arrays.table;
    const char* header = table.header.data();
    if (table.layout.screenCols < table.layout.nVar)
        std::cout << tooLarge << "See output file " << reportName << "\n\n";
    else
        writeMatrixTable(std::cout, title, table.layout, header, matrix);
    writeMatrixTable(report, title, table.layout, header, matrix);
    pauseForKey();
}

void reportStatistics(std::ostream& report, const std::string& reportName) {
    const TableEcho& table = arrays.table;
    const char* header = table.header.data();
    writeMeans(std::cout, table.layout, header, arrays.mean, pauseForKey);
    writeMeans(report, table.layout, header, arrays.mean, nullptr);
    pauseForKey();
    reportMatrix("\nCovariance matrix:\n", "\nCovariance matrix is too large to display;\n",
                 arrays.cov, report, reportName);
    writeDeviations(std::cout, table.layout, header, arrays.variance, arrays.sigma, pauseForKey);
    writeDeviations(report, table.layout, header, arrays.variance, arrays.sigma, nullptr);
    pauseForKey();
    reportMatrix("\nCorrelation coefficient matrix:\n",
                 "\nCorrelation coefficient matrix is too large to display;\n", arrays.corr, report,
                 reportName);
}

bool epsilonAccepted(float epsilon) {
    return double(epsilon) >= 1.0e-7 && double(epsilon) <= 1.0e-3;
}

float askEpsilon(std::ostream& report) {
    float epsilon = askFloat(
        "\nAs a part of factor analysis,\n"
        "unit eigenvectors are computed by function EIGEN.\n"
        "What uncertainty (epsilon) should be permitted\n"
        "in each component of each eigenvector?\n"
        "(limits 1.e-3 to 1.e-7): ");
    while (!epsilonAccepted(epsilon)) epsilon = askFloat("Illegal value!\nRe-enter epsilon: ");
    report << "\nBeginning Factor Analysis\n"
           << "The user chose epsilon\n"
           << "(uncertainty of eigenvalue components) = " << std::setprecision(6) << num(epsilon)
           << "\n";
    return epsilon;
}

int askSeekCount(int nVar, std::ostream& report) {
    int nSeek = askInt([nVar] {
        std::cout << "\nThere should be " << nVar << " eigenvalues,\n"
                  << "but probably not all are significant.\n"
                  << "If the number is modest, then find them all,\n"
                  << "and decide later how many to keep.\n"
                  << "If the number is great, then limit the search.\n"
                  << "Enter the number of eigenvalues to find: ";
    });
    while (nSeek < 1 || nSeek > nVar) nSeek = askInt("Illegal value!\nRe-enter number: ");
    report << "User chose to seek " << nSeek << " eigenvalues.\n";
    return nSeek;
}

int askKeepCount(int nFound, std::ostream& report) {
    for (;;) {
        int nKeep = askInt("\nHow many principal factors should be kept? : ");
        if (nKeep >= 1 && nKeep <= nFound) {
            report << "\nUser chose to keep " << std::setw(2) << nKeep << " principal factors.\n";
            return nKeep;
        }
        std::cout << "Error: P must be in range 1 to " << std::setw(3) << nFound << ".\n";
    }
}

int findEigenpairs(float epsilon, int nSeek, std::ostream& report) {
    int nFound = nSeek;
    EIGEN(epsilon, arrays.table.layout.nVar, arrays.cov, nFound, arrays.eigenvalue,
          arrays.eigenvector, std::cout);
    for (std::ostream* os : {static_cast<std::ostream*>(&std::cout), &report})
        *os << "\nEIGEN found " << nFound << " eigenvalues and eigenvectors.\n";
    if (nFound == 0) {
        // No factor could be kept, so no answer to the next question would do.
        for (std::ostream* os : {static_cast<std::ostream*>(&std::cout), &report})
            *os << "No eigenvalue was found, so no principal factor can be kept.\n";
        stopEarly();
    }
    float trace = traceOf(arrays.variance, arrays.table.layout.nVar);
    eigenvalueShares(arrays.eigenvalue, nFound, trace, arrays.relative, arrays.cumulative);
    writeEigenvalueTable(std::cout, CONSOLE_EIGEN_HEADING, arrays.eigenvalue, arrays.relative,
                         arrays.cumulative, nFound);
    writeEigenvalueTable(report, FILE_EIGEN_HEADING, arrays.eigenvalue, arrays.relative,
                         arrays.cumulative, nFound);
    return nFound;
}

void reportFactors(int nKeep, std::ostream& report) {
    const TableEcho& table = arrays.table;
    const TableLayout& layout = table.layout;
    const char* header = table.header.data();
    computeRecipes(arrays.eigenvalue, arrays.eigenvector, nKeep, layout.nVar, arrays.recipe);
    computeScores(arrays.data, arrays.mean, arrays.recipe, arrays.eigenvalue, table.nSample,
                  layout.nVar, nKeep, arrays.score);
    scoreRange(arrays.score, table.nSample, nKeep, arrays.low, arrays.high);

    if (layout.screenCols >= layout.nVar)
        writeRecipeTable(std::cout, layout, header, arrays.recipe, nKeep);
    else
        writeRecipesByFactor(std::cout, layout, header, arrays.recipe, nKeep, pauseForKey);
    writeRecipeTable(report, layout, header, arrays.recipe, nKeep);
    pauseForKey();

    writeScores(std::cout, arrays.sampleId, arrays.score, arrays.low, arrays.high, table.nSample,
                nKeep, pauseForKey);
    writeZeroEigenvalueNotes(std::cout, arrays.eigenvalue, nKeep);
    writeScores(report, arrays.sampleId, arrays.score, arrays.low, arrays.high, table.nSample,
                nKeep, nullptr);
    writeZeroEigenvalueNotes(report, arrays.eigenvalue, nKeep);
    pauseForKey();
}

}  // namespace

// What --help prints.
constexpr std::string_view HELP = R"help(Usage: factor [--help | --version]
Principal factor analysis of a table of samples (at most 300 samples of 100
variables): statistics, eigenvalues, factor recipes and scores.  Every input
is typed at the prompts, in this order:
  1. the data file: a header line, then one line per sample, an integer
     identifier and the values, in columns of one width;
  2. the report file to write (created or replaced);
  3. the tolerance epsilon (1.e-7 up to, but not including, 1.e-3);
  4. how many eigenvalues to seek (1 to the number of variables);
  5. how many principal factors to keep (1 to the number found).
Everything shown on the console, and the wide matrices, go to the report.
)help";

int main(int argc, char** argv) {
    if (auto status = answerProgramArguments(argc, argv, "factor", HELP)) return *status;
    std::cin.tie(&std::cout);
    std::cout << "\n";
    writeIntroduction(std::cout);
    std::ifstream data;
    std::string dataName = askDataFile(data);
    OutputFile report;
    std::string reportName = askReportFile(report, dataName);
    writeIntroduction(report);

    readTable(data, dataName, report);
    computeStatistics();
    reportStatistics(report, reportName);

    float epsilon = askEpsilon(report);
    int nSeek = askSeekCount(arrays.table.layout.nVar, report);
    int nFound = findEigenpairs(epsilon, nSeek, report);
    int nKeep = askKeepCount(nFound, report);
    pauseForKey();
    reportFactors(nKeep, report);

    std::cout << "\nJob done.\n"
              << "See output file:\n"
              << reportName << "\n";
    return 0;
}
