#include "table_layout.h"

#include "capacities.h"
#include "fixed_width.h"
#include "line_reader.h"

namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t';
}

void writeBlanks(std::ostream& os, int count) {
    for (int i = 0; i < count; ++i) os.put(' ');
}

// The header character at pos: a blank where the header text has ended, so that no terminator
// or stray byte reaches the console or the report.
char headerChar(const char* header, int headerLength, int pos) {
    return pos < headerLength ? header[pos] : ' ';
}

}  // namespace

int countFields(const char* line) {
    int fields = 0;
    bool afterSeparator = true;  // as if a blank preceded the first character
    for (int i = 0, n = lineLength(line); i < n; ++i) {
        bool separator = isSeparator(line[i]);
        if (!separator && afterSeparator) ++fields;
        afterSeparator = separator;
    }
    return fields;
}

TableLayout inferLayout(const char* firstLine) {
    TableLayout layout;
    layout.lineLength = lineLength(firstLine);
    layout.nField = countFields(firstLine);
    layout.nVar = layout.nField - 1;
    layout.echoWidth = layout.lineLength < SCREEN_WIDTH ? layout.lineLength : SCREEN_WIDTH;
    if (layout.nField == 0) return layout;
    layout.colWidth = layout.lineLength / layout.nField;
    layout.numWidth = layout.colWidth >= 9 ? layout.colWidth : 9;
    layout.labelIndent = layout.numWidth + 1 - layout.colWidth;
    int fit = SCREEN_WIDTH / (layout.numWidth + 1);
    layout.screenCols = fit < layout.nVar ? fit : layout.nVar;
    return layout;
}

void writeLabelCell(std::ostream& os, const TableLayout& layout, const char* header, int v) {
    writeBlanks(os, layout.labelIndent);
    int headerLength = lineLength(header);
    int start = (v + 1) * layout.colWidth;
    for (int pos = start; pos < start + layout.colWidth; ++pos)
        os.put(headerChar(header, headerLength, pos));
}

void writeCorner(std::ostream& os, const TableLayout& layout) {
    writeBlanks(os, layout.labelIndent + layout.colWidth);
}

void writeValueCell(std::ostream& os, const TableLayout& layout, float value) {
    os.put(' ');
    writeFixedWidth(os, layout.numWidth, value);
}

void writeHeaderEcho(std::ostream& os, const char* header, int count) {
    int headerLength = lineLength(header);
    for (int pos = 0; pos < count; ++pos) os.put(headerChar(header, headerLength, pos));
}
