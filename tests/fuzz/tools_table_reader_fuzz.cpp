// tableconv's table reader on arbitrary text, and the files written from what it takes: the
// reader ends, every row it returns has the header's field count and starts on a later line
// than the one before, every fault names a line of the text; the first byte picks the
// separator.  A gridder file of the first three columns is whole lines, and factor's table of
// every column has lines of one length under 999 characters.
#include "fuzz_support.h"
#include "sample_table.h"
#include "table_columns.h"
#include "table_reader.h"
#include "triple_file.h"

namespace {

const Separator SEPARATORS[] = {Separator::detect, Separator::comma, Separator::semicolon,
                                Separator::tab, Separator::blanks};

int lineCount(const std::string& text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        lines +=
            text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    return lines;
}

void checkFault(const TableFault& fault, const std::string& text, std::size_t columns) {
    require(!fault.what.empty());
    require(fault.line >= 1 && fault.line <= lineCount(text));
    require(fault.column >= 0);
    // A ragged row is named by the first column it lacks or the first one too many.
    if (fault.what.rfind("the row has ", 0) == 0)
        require(static_cast<std::size_t>(fault.column) <= columns + 1);
}

void checkFactorTable(const ChosenRows& rows, std::size_t columns) {
    if (rows.values.size() < 2 || columns > FACTOR_MAX_VARIABLES) return;
    SampleTableColumns sample;
    for (std::size_t j = 0; j < columns; ++j) {
        sample.labels.push_back("v" + std::to_string(j));
        sample.columns.push_back(static_cast<int>(j) + 1);
    }
    std::string text;
    std::vector<TableFault> notes;
    TableFault fault;
    for (bool standardize : {false, true}) {
        if (!sampleTableText(rows, sample, standardize, text, notes, fault)) continue;
        require(isWholeLines(text));
        std::size_t length = text.find('\n');
        require(length <= FACTOR_MAX_LINE && length % (columns + 1) == 0);
        for (std::size_t at = 0; at < text.size(); at += length + 1)
            require(text[at + length] == '\n');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string text = inputText(data + 1, size - 1);
    TableReader reader(text, SEPARATORS[data[0] % 5]);
    std::vector<std::string> names;
    TableFault fault;
    if (!reader.readHeader(names, fault)) {
        checkFault(fault, text, 0);
        return 0;
    }
    require(!names.empty());
    std::vector<ChosenColumn> chosen;
    for (std::size_t i = 1; i <= names.size() && i <= 3; ++i)
        chosen.push_back({"--columns", std::to_string(i), ValueKind::real, static_cast<int>(i)});
    ChosenRows rows;
    if (!readChosenRows(reader, chosen, 300, "at most 300", rows, fault)) {
        checkFault(fault, text, names.size());
        return 0;
    }
    for (std::size_t i = 1; i < rows.lines.size(); ++i) require(rows.lines[i] > rows.lines[i - 1]);
    if (chosen.size() == 3) require(isWholeLines(tripleFileText(rows, ThirdValue::asIs)));
    checkFactorTable(rows, chosen.size());
    return 0;
}
