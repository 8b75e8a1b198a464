#pragma once
// Tables as R, spreadsheets and text editors write them: a header line that names the columns,
// then one record per row.  Fields are separated by commas, semicolons, tabs, or runs of blanks
// and tabs; a field in double quotes may hold separators, line breaks and doubled quotes ("").
// Line ends are LF, CRLF or a lone CR; a UTF-8 byte-order mark in front is skipped; blank lines
// are passed over.  Unquoted fields lose their surrounding blanks.
//
// The reader walks the text once, a row at a time, and keeps nothing but the row it returns, so
// that a table far longer than any target can hold costs no memory: the caller stops when its
// capacity is reached.
#include <string>
#include <string_view>
#include <vector>

// table_reader.cpp keeps a character for each, in this order.
enum class Separator { detect, comma, semicolon, tab, blanks };

// What is wrong with a table and where: line 1 is the first line of the file; column 0 when no
// one column is at fault.
struct TableFault {
    int line = 0;
    int column = 0;
    std::string what;
};

class TableReader {
  public:
    // text must outlive the reader.  Separator::detect takes the separator from the header line:
    // the most frequent of tab, semicolon and comma outside quotes, or blanks when none occurs.
    TableReader(std::string_view text, Separator separator);

    // The column names, each unquoted and trimmed; when the first row has one field more, an
    // unnamed first column "" in front (R's write.table writes its row names so).  False with the
    // fault for a file that holds no line but blank ones, or a header with a quote never closed.
    bool readHeader(std::vector<std::string>& names, TableFault& fault);
    // The next row, as many fields as the header names, and the line it starts on.  False at the
    // end of the text (fault.what empty) or with the fault: a row with more or fewer fields
    // (ragged), a quote never closed, text after a closing quote.
    bool nextRow(std::vector<std::string>& fields, int& line, TableFault& fault);

    // The separator in use (after detection): ',', ';', '\t' or ' ' for blanks.
    char separator() const { return separator_; }
    int headerLine() const { return headerLine_; }

  private:
    bool readRecord(std::vector<std::string>& fields, TableFault& fault);
    bool readQuoted(std::string& field, int column, TableFault& fault);
    void readUnquoted(std::string& field);
    bool atLineEnd() const;
    void takeLineEnd();
    void skipBlankLines();
    bool isBlank(char c) const;
    char detectSeparator() const;

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    char separator_ = ' ';
    bool detect_ = false;
    int headerLine_ = 1;
    std::size_t columns_ = 0;
};

// The separator an argument of --separator names: "," or "comma", ";" or "semicolon", "tab",
// "blank" or "blanks".  False for anything else.
bool separatorNamed(std::string_view name, Separator& separator);
