#pragma once
// The columns a conversion takes from a table, named by header or by number, and their values
// row by row: a row with a missing value (an empty field, NA or NaN in any case) in any chosen
// column is skipped and counted; any other field that is not a number is a fault.
#include <cstddef>
#include <string>
#include <vector>

#include "table_reader.h"

// real: any number a single-precision program can hold; positive: above 0 as well (its logarithm
// is taken); integer: a whole number in the int range (factor's sample identifiers).
enum class ValueKind { real, positive, integer };

struct ChosenColumn {
    std::string option;  // the option that chose it ("--z"), for messages
    std::string name;    // a header name, or a column number from 1
    ValueKind kind = ValueKind::real;
    int column = 0;  // 1-based, found by findColumns
};

// Each chosen column found among names: a name equal to the header's, else the one header name
// equal to it but for letter case, else a number from 1 to the column count.  False with the
// fault (on the header's line) for a name no column has, or that two columns share.
bool findColumns(const std::vector<std::string>& names, int headerLine,
                 std::vector<ChosenColumn>& chosen, TableFault& fault);

struct ChosenRows {
    std::vector<int> lines;                   // the line each row starts on
    std::vector<std::vector<double>> values;  // a value per chosen column, in their order
    long skipped = 0;                         // rows with a missing value
    int firstSkippedLine = 0;
};

// The rows of the table's chosen columns, at most capacity of them: one more is the fault
// "more than CAPACITY ..." on its line, with holds (e.g. "gridder holds at most 4000 data
// (MAX_DATA)") as the reason.  A semicolon-separated table may write a decimal comma ("2,5").
bool readChosenRows(TableReader& reader, const std::vector<ChosenColumn>& chosen,
                    std::size_t capacity, const std::string& holds, ChosenRows& rows,
                    TableFault& fault);

// True for a field that stands for no value: empty, NA or NaN in any letter case.
bool isMissingValue(const std::string& field);

// The field as a value of its kind; false with the reason in what.
bool readValue(const std::string& field, ValueKind kind, bool decimalComma, double& value,
               std::string& what);
