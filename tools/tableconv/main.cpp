// tableconv: a table from R, a spreadsheet or an editor (CSV, TSV or blank-separated, with a
// header line) as one of the suite's input files: gridder's data, factor's sample table or
// hypoview's hypocentres.  The table is read and checked whole before anything is written.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "sample_table.h"
#include "table_columns.h"
#include "table_reader.h"
#include "tableconv_arguments.h"
#include "tool_files.h"
#include "triple_file.h"

namespace {

constexpr std::string_view HELP =
    R"help(Usage: tableconv gridder TABLE OUTPUT --x C --y C --z C [--log]
       tableconv factor TABLE OUTPUT [--id C] [--columns C,C,...]
                 [--standardize]
       tableconv hypoview TABLE OUTPUT --x C --y C (--z C | --depth C)
       tableconv --help | --version
Writes a table with a header line (CSV with commas or semicolons, quoted fields
as spreadsheets write them, tab-separated, or columns separated by blanks) as
an input file of gridder, factor or hypoview.  A column C is named by its
header or by its number from 1.  Rows with an empty, NA or NaN value in a
chosen column are skipped and counted; any other text there is refused.

  gridder       its data file: x y z a line (at most 4000 rows)
    --log       z written as its natural logarithm (every z above 0)
  factor        its sample table, in columns of one width, labels above them
                (at most 300 samples and 100 variables)
    --id C      the sample identifiers (integers); without it 1, 2, 3, ...
    --columns   the variables, in this order; without it every column but --id
    --standardize  z-scores (mean 0, standard deviation 1 with n - 1), so that
                factor's covariances are correlations
  hypoview      its hypocentre file: x y Gamma a line (at most 2500 rows)
    --depth C   Gamma as minus the depth (positive down), instead of --z
  --separator S ",", ";", tab or blank (default: found from the header line);
                with ";" a decimal comma (2,5) is read as 2.5

Exit status: 0 written; 1 the table refused or the output not written; 2 a
wrong command line.
)help";

const char* const TOOL = "tableconv";

// "FILE:LINE: column N (NAME): what", the one shape of every refusal and note about the table.
std::string tableMessage(const std::string& file, const std::vector<std::string>& names,
                         const TableFault& fault) {
    std::string message = file;
    if (fault.line > 0) message += ":" + std::to_string(fault.line);
    message += ": ";
    if (fault.column > 0) {
        message += "column " + std::to_string(fault.column);
        if (static_cast<std::size_t>(fault.column) <= names.size() &&
            !names[fault.column - 1].empty())
            message += " (" + names[fault.column - 1] + ")";
        message += ": ";
    }
    return message + fault.what;
}

// The capacity of the target program and the fewest rows it can use.
struct TargetRules {
    std::size_t most;
    std::string holds;
    std::size_t fewest;
    std::string needs;
};

TargetRules rulesOf(Target target) {
    switch (target) {
        case Target::gridder:
            return {4000, "gridder holds at most 4000 data (MAX_DATA)", 2,
                    "gridder needs at least 2 data"};
        case Target::factor:
            return {FACTOR_MAX_SAMPLES, "factor reads at most 300 samples (MAXSAMPLE)", 2,
                    "factor needs at least 2 samples"};
        case Target::hypoview:
            return {2500, "hypoview holds at most 2500 hypocentres (MAX_HYPOCENTERS)", 1,
                    "hypoview needs at least 1 hypocentre"};
    }
    return {};
}

// The columns of the target, in the order their values are wanted.
std::vector<ChosenColumn> columnsOf(const TableconvArguments& args) {
    if (args.target == Target::factor) {
        std::vector<ChosenColumn> chosen;
        if (!args.id.empty()) chosen.push_back({"--id", args.id, ValueKind::integer});
        for (const std::string& name : args.columns) chosen.push_back({"--columns", name});
        return chosen;
    }
    ValueKind z = args.log ? ValueKind::positive : ValueKind::real;
    if (!args.depth.empty()) return {{"--x", args.x}, {"--y", args.y}, {"--depth", args.depth}};
    return {{"--x", args.x}, {"--y", args.y}, {"--z", args.z, z}};
}

// Without --columns factor takes every column but the identifiers'.
void addEveryOtherColumn(const std::vector<std::string>& names, std::vector<ChosenColumn>& chosen) {
    int id = chosen.empty() ? 0 : chosen[0].column;
    for (std::size_t i = 1; i <= names.size(); ++i)
        if (static_cast<int>(i) != id)
            chosen.push_back(
                {"--columns", std::to_string(i), ValueKind::real, static_cast<int>(i)});
}

bool writeSampleTable(const TableconvArguments& args, const std::vector<std::string>& names,
                      const std::vector<ChosenColumn>& chosen, int headerLine,
                      const ChosenRows& rows, std::string& text, std::vector<TableFault>& notes,
                      TableFault& fault) {
    SampleTableColumns columns;
    columns.hasId = !args.id.empty();
    columns.headerLine = headerLine;
    columns.idLabel = columns.hasId ? names[chosen[0].column - 1] : "Sample";
    columns.idColumn = columns.hasId ? chosen[0].column : 0;
    for (std::size_t i = columns.hasId ? 1 : 0; i < chosen.size(); ++i) {
        columns.labels.push_back(names[chosen[i].column - 1]);
        columns.columns.push_back(chosen[i].column);
    }
    return sampleTableText(rows, columns, args.standardize, text, notes, fault);
}

std::string rowCount(long rows) {
    return std::to_string(rows) + (rows == 1 ? " row" : " rows");
}

}  // namespace

int main(int argc, char** argv) {
    if (auto status = answerToolArguments(argc, argv, TOOL, HELP)) return *status;
    TableconvArguments args;
    std::string message;
    if (!readTableconvArguments(argc, argv, args, message)) return refuse(TOOL, message, 2);
    std::string text;
    if (!readWholeFile(args.table, text, message)) return refuse(TOOL, message);

    TableReader reader(text, args.separator);
    std::vector<std::string> names;
    TableFault fault;
    auto refuseTable = [&] { return refuse(TOOL, tableMessage(args.table, names, fault)); };
    if (!reader.readHeader(names, fault)) return refuseTable();
    std::vector<ChosenColumn> chosen = columnsOf(args);
    if (!findColumns(names, reader.headerLine(), chosen, fault)) return refuseTable();
    if (args.target == Target::factor && args.columns.empty()) addEveryOtherColumn(names, chosen);
    std::size_t variables = chosen.size() - (args.id.empty() ? 0 : 1);
    if (args.target == Target::factor && (variables < 1 || variables > FACTOR_MAX_VARIABLES)) {
        fault = {reader.headerLine(), 0,
                 std::to_string(variables) +
                     " variables chosen; factor takes 1 to 100 variables (MAXVAR)"};
        return refuseTable();
    }

    TargetRules rules = rulesOf(args.target);
    ChosenRows rows;
    if (!readChosenRows(reader, chosen, rules.most, rules.holds, rows, fault)) return refuseTable();
    if (rows.values.size() < rules.fewest) {
        fault = {0, 0,
                 "only " + rowCount(static_cast<long>(rows.values.size())) +
                     " with a value in every chosen column; " + rules.needs};
        return refuseTable();
    }

    std::string output;
    std::vector<TableFault> notes;
    if (args.target == Target::factor) {
        if (!writeSampleTable(args, names, chosen, reader.headerLine(), rows, output, notes, fault))
            return refuseTable();
    } else {
        ThirdValue third = args.log             ? ThirdValue::logarithm
                           : args.depth.empty() ? ThirdValue::asIs
                                                : ThirdValue::negated;
        output = tripleFileText(rows, third);
    }
    if (!writeWholeFile(args.output, output, {args.table}, message)) return refuse(TOOL, message);
    for (const TableFault& note : notes) refuse(TOOL, tableMessage(args.table, names, note), 0);
    if (rows.skipped > 0)
        refuse(TOOL,
               args.table + ": " + rowCount(rows.skipped) +
                   " skipped for a missing value (empty, NA or NaN) in a chosen column, the " +
                   "first on line " + std::to_string(rows.firstSkippedLine),
               0);
    return 0;
}
