#pragma once
// What factorplot needs from factor's report file: the eigenvalue table (number, eigenvalue,
// cumulative share of the trace in percent) and the table of factor recipes (the loading of
// every variable on every kept factor, with the variables' labels).  The tables are found by
// their headings; the recipes' column width is that of the table itself, so labels with blanks
// in them are read whole.  Cost: one pass over the report's lines.
#include <istream>
#include <string>
#include <vector>

struct FactorReport {
    std::vector<double> eigenvalues;
    std::vector<double> cumulativePercent;
    std::vector<std::string> labels;
    std::vector<std::vector<double>> loadings;  // loadings[f][j]: factor f + 1, variable j
};

// False with error naming the line at fault ("line 78: the eigenvalue cannot be read"), or the
// table that is missing.
bool readFactorReport(std::istream& in, FactorReport& report, std::string& error);
