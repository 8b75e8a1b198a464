#pragma once
// The opening stage of factor: the introduction, the echo of the sample table with its count of
// sample lines, and the reading of the identifiers and values.
#include <istream>
#include <ostream>
#include <string>

#include "capacities.h"
#include "line_reader.h"
#include "table_layout.h"

// The introduction, beginning with "FACTOR provides..." (the console puts an empty line first).
void writeIntroduction(std::ostream& os);

struct TableEcho {
    LineBuffer header{};     // the header line, kept for the labels
    LineBuffer firstLine{};  // the first sample line, which fixes the layout
    TableLayout layout;
    int nSample = 0;  // sample lines: the first one and every later line read
    // Reading stopped once more than MAXSAMPLE lines were read after the header, so that a file
    // that never ends is not followed; nSample then counts only the sample lines read.
    bool pastCapacity = false;
    // 1 or 2 when the header or the first sample line has MAXLINE - 1 or more characters, so
    // that neither the layout nor the count can be inferred; 0 otherwise.
    int longLine = 0;
};

// "Line N of the data file has 999 or more characters." and the advice on MAXLINE.
std::string longLineMessage(int lineNumber);

// Reads the header and the first sample line, infers the layout, and echoes the table: on the
// console the rules, the header and the first sample line cut to the screen, then three dots; in
// the report the data file name, the table and its rules.  Every line that took anything from
// the file counts as a sample line, the last one too when it has no line break, except the
// lines of nothing but blanks and tabs (empty ones too) at the end, however many; the empty read
// that meets the end after a final line break does not count either.  Once more than MAXSAMPLE
// lines are read after the header and more of the file follows, the reading stops there
// (pastCapacity).
void echoTable(std::istream& data, const std::string& dataName, std::ostream& console,
               std::ostream& report, TableEcho& echo);

// Reads the table again from its start: skips the header, then takes from each of the nSample
// sample lines an integer identifier and nVar values.  Each line must hold exactly that many
// numbers, so that a faulty line cannot shift every later value.  Returns "" on success, else a
// message naming the sample and its line (one or two lines, each ending in "\n").
std::string readSamples(std::istream& data, int nSample, int nVar, SampleIds& ids,
                        SampleMatrix& values);
