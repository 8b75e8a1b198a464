#pragma once
// The shape of the sample table, inferred from its first sample line, and the label, value and
// corner cells that every table of the report is built from.
#include <ostream>

struct TableLayout {
    int lineLength = 0;   // characters of the first sample line
    int nField = 0;       // fields of that line, the identifier included
    int nVar = -1;        // variables per sample: nField - 1
    int colWidth = 0;     // width of one column of the data file
    int numWidth = 0;     // width of every value in the report's tables (at least 9)
    int labelIndent = 0;  // blanks before a label, so that a label cell is as wide as a value cell
    int screenCols = 0;   // value columns that fit on one console line
    int echoWidth = 0;    // characters of a data line that the console echo shows
};

// Positions where a character other than a blank or a tab follows a blank, a tab or the start.
int countFields(const char* line);

// Every column of the file has the same width, so the width follows from the line length and the
// field count.  A line without fields gives no column width and nVar = -1.
TableLayout inferLayout(const char* firstLine);

// The label of variable v (counted from 0) is the header text above its value column, that is
// above column v + 1 of the file.  Positions past the end of the header text are blanks.
// Label cell: labelIndent blanks and the colWidth characters of the label.
void writeLabelCell(std::ostream& os, const TableLayout& layout, const char* header, int v);
// Corner: the blanks of one label cell.
void writeCorner(std::ostream& os, const TableLayout& layout);
// Value cell: one blank and the value in numWidth characters.
void writeValueCell(std::ostream& os, const TableLayout& layout, float value);
// The first count characters of the header, blanks past the end of its text.
void writeHeaderEcho(std::ostream& os, const char* header, int count);
