#include "factor_report.h"

#include <cfloat>
#include <cmath>
#include <sstream>

#include "read_number.h"

namespace {

const char* const EIGEN_HEADING = "Eigenvalues and their relative sizes";
const char* const RECIPE_HEADING = "Factor Recipes:";
constexpr int LINES_BEFORE_EIGENVALUES = 2;  // the normalisation note and the column heading

struct Lines {
    std::vector<std::string> text;
    std::size_t find(const std::string& line) const {
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == line) return i;
        return text.size();
    }
};

std::string lineError(std::size_t index, const std::string& what) {
    return "line " + std::to_string(index + 1) + ": " + what;
}

// factor computes and writes in single precision: a number beyond that range is no report of
// its own, and could not be drawn on an axis either.
bool singlePrecision(double value) {
    return std::fabs(value) <= FLT_MAX;
}

std::string trimmed(const std::string& s) {
    std::size_t first = s.find_first_not_of(' '), last = s.find_last_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first, last - first + 1);
}

bool readEigenvalues(const Lines& lines, FactorReport& report, std::string& error) {
    std::size_t at = lines.find(EIGEN_HEADING);
    if (at == lines.text.size()) {
        error = "the report holds no table of eigenvalues (\"" + std::string(EIGEN_HEADING) + "\")";
        return false;
    }
    for (at += 1 + LINES_BEFORE_EIGENVALUES; at < lines.text.size(); ++at) {
        if (trimmed(lines.text[at]).empty()) break;
        std::istringstream fields(lines.text[at]);
        int number = 0;
        double eigenvalue = 0, relative = 0, cumulative = 0;
        if (!readInt(fields, number) || number != int(report.eigenvalues.size()) + 1) {
            error =
                lineError(at, "eigenvalue number " + std::to_string(report.eigenvalues.size() + 1) +
                                  " was expected");
            return false;
        }
        if (!readReal(fields, eigenvalue)) {
            error = lineError(at, "the eigenvalue cannot be read");
            return false;
        }
        if (!singlePrecision(eigenvalue)) {
            error =
                lineError(at, "the eigenvalue lies beyond single precision, which factor writes");
            return false;
        }
        if (!readReal(fields, relative) || fields.get() != '%' || !readReal(fields, cumulative)) {
            error = lineError(at, "the shares of the trace cannot be read");
            return false;
        }
        report.eigenvalues.push_back(eigenvalue);
        report.cumulativePercent.push_back(cumulative);
    }
    if (report.eigenvalues.empty()) {
        error = lineError(at < lines.text.size() ? at : lines.text.size() - 1,
                          "the table of eigenvalues is empty");
        return false;
    }
    return true;
}

bool readRecipes(const Lines& lines, FactorReport& report, std::string& error) {
    std::size_t at = lines.find(RECIPE_HEADING);
    if (at == lines.text.size() || at + 2 >= lines.text.size()) {
        error =
            "the report holds no table of factor recipes (\"" + std::string(RECIPE_HEADING) + "\")";
        return false;
    }
    const std::string& heading = lines.text[at + 1];
    for (std::size_t i = at + 2; i < lines.text.size() && !trimmed(lines.text[i]).empty(); ++i) {
        const std::string& row = lines.text[i];
        std::istringstream fields(row);
        int factor = 0;
        std::vector<double> values;
        if (!readInt(fields, factor) || factor != int(report.loadings.size()) + 1) {
            error = lineError(
                i, "factor number " + std::to_string(report.loadings.size() + 1) + " was expected");
            return false;
        }
        for (double v; fields >> std::ws, !fields.eof();) {
            if (!readReal(fields, v)) {
                error = lineError(
                    i, "loading " + std::to_string(values.size() + 1) + " cannot be read");
                return false;
            }
            if (!singlePrecision(v)) {
                error = lineError(i, "loading " + std::to_string(values.size() + 1) +
                                         " lies beyond single precision, which factor writes");
                return false;
            }
            values.push_back(v);
        }
        // Every cell of the table, the number's included, is equally wide.
        std::size_t cell = row.size() / (values.size() + 1);
        if (values.empty() || row.size() % (values.size() + 1) != 0 ||
            (!report.loadings.empty() && values.size() != report.labels.size()) ||
            heading.size() != row.size()) {
            error = lineError(i, "the row does not match the table's heading");
            return false;
        }
        if (report.loadings.empty())
            for (std::size_t j = 1; j <= values.size(); ++j)
                report.labels.push_back(trimmed(heading.substr(j * cell, cell)));
        report.loadings.push_back(values);
    }
    if (report.loadings.empty()) {
        error = lineError(at + 2, "the table of factor recipes is empty");
        return false;
    }
    return true;
}

}  // namespace

bool readFactorReport(std::istream& in, FactorReport& report, std::string& error) {
    Lines lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.text.push_back(line);
    }
    return readEigenvalues(lines, report, error) && readRecipes(lines, report, error);
}
