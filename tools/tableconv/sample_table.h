#pragma once
// factor's sample table, laid out as factor reads it: factor takes the column width from the
// first sample line (its length over its field count) and each variable's label from the header
// characters above its column.  So every column, the identifier's included, is one width W,
// each value right-aligned in it behind at least one blank, each label left-aligned in the
// header above it, and the header padded to its full length (factor would print the characters
// past a short header's end as NULs).  A label longer than W is cut to the W characters factor
// keeps.  Every line stays under 999 characters, the longest line factor reads whole.
#include <string>
#include <vector>

#include "table_columns.h"

// factor's capacities: MAXSAMPLE, MAXVAR, and the longest line it reads whole (a line of 999
// characters or more is read in pieces, the rest as a sample line of its own).
constexpr int FACTOR_MAX_SAMPLES = 300;
constexpr int FACTOR_MAX_VARIABLES = 100;
constexpr int FACTOR_MAX_LINE = 998;

struct SampleTableColumns {
    bool hasId = false;               // rows.values[r][0] is the identifier, else 1..n
    int idColumn = 0;                 // its table column
    std::string idLabel;              // the header text above the identifiers
    std::vector<std::string> labels;  // a label per variable
    std::vector<int> columns;         // the table column of each variable, for messages
    int headerLine = 1;
};

// The table's text.  With standardize each variable becomes its z-scores (mean 0, standard
// deviation 1 with the n - 1 divisor), written with as many decimals (6 at most) as the line
// length allows.  notes: one per label cut short (on the header line, with its column).  False
// with the fault for a column whose values are all equal under standardize, or a value too wide
// for a line factor reads whole.
bool sampleTableText(const ChosenRows& rows, const SampleTableColumns& columns, bool standardize,
                     std::string& text, std::vector<TableFault>& notes, TableFault& fault);
