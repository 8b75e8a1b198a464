#include "table_reader.h"

#include <algorithm>

namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

std::string rowLength(std::size_t fields) {
    return std::to_string(fields) + (fields == 1 ? " field" : " fields");
}

}  // namespace

TableReader::TableReader(std::string_view text, Separator separator) : text_(text) {
    if (text_.substr(0, BYTE_ORDER_MARK.size()) == BYTE_ORDER_MARK) pos_ = BYTE_ORDER_MARK.size();
    detect_ = separator == Separator::detect;
    // The characters of Separator's values, in their order; blanks stand as ' '.
    constexpr char CHARACTERS[] = {' ', ',', ';', '\t', ' '};
    separator_ = CHARACTERS[static_cast<int>(separator)];
}

bool TableReader::isBlank(char c) const {
    return c == ' ' || (c == '\t' && separator_ != '\t');
}

bool TableReader::atLineEnd() const {
    return pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r';
}

void TableReader::takeLineEnd() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
}

// Lines of nothing but blanks and tabs hold no row (a table ends with one as often as not).
void TableReader::skipBlankLines() {
    while (pos_ < text_.size()) {
        std::size_t at = pos_;
        while (at < text_.size() && (text_[at] == ' ' || text_[at] == '\t')) ++at;
        if (at < text_.size() && text_[at] != '\n' && text_[at] != '\r') return;
        pos_ = at;
        takeLineEnd();
    }
}

char TableReader::detectSeparator() const {
    std::size_t tabs = 0, semicolons = 0, commas = 0;
    bool quoted = false;
    for (std::size_t at = pos_; at < text_.size(); ++at) {
        char c = text_[at];
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        tabs += c == '\t';
        semicolons += c == ';';
        commas += c == ',';
    }
    if (tabs == 0 && semicolons == 0 && commas == 0) return ' ';
    if (tabs >= semicolons && tabs >= commas) return '\t';
    return semicolons >= commas ? ';' : ',';
}

// A field in quotes: a doubled quote stands for one, and separators and line ends are text.
bool TableReader::readQuoted(std::string& field, int column, TableFault& fault) {
    int opened = line_;
    ++pos_;
    for (;;) {
        if (pos_ >= text_.size()) {
            fault = {opened, column, "the quote opened on this line is never closed"};
            return false;
        }
        char c = text_[pos_];
        if (c == '"') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                field += '"';
                pos_ += 2;
                continue;
            }
            ++pos_;
            break;
        }
        if (c == '\n' || c == '\r') {
            field += '\n';
            takeLineEnd();
            continue;
        }
        field += c;
        ++pos_;
    }
    std::size_t closed = pos_;
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    if (atLineEnd() || (separator_ == ' ' ? pos_ > closed : text_[pos_] == separator_)) return true;
    fault = {line_, column,
             "text after the closing quote; a quote inside a quoted field is doubled"};
    return false;
}

void TableReader::readUnquoted(std::string& field) {
    std::size_t start = pos_;
    while (!atLineEnd() && text_[pos_] != separator_ && !(separator_ == ' ' && text_[pos_] == '\t'))
        ++pos_;
    std::size_t end = pos_;
    while (end > start && isBlank(text_[end - 1])) --end;
    field.assign(text_.substr(start, end - start));
}

bool TableReader::readRecord(std::vector<std::string>& fields, TableFault& fault) {
    fields.clear();
    for (;;) {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
        if (separator_ == ' ' && atLineEnd()) break;
        std::string field;
        int column = static_cast<int>(fields.size()) + 1;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            if (!readQuoted(field, column, fault)) return false;
        } else {
            readUnquoted(field);
        }
        fields.push_back(std::move(field));
        if (atLineEnd()) break;
        if (separator_ != ' ') ++pos_;  // the separator; blanks are passed over above
    }
    takeLineEnd();
    return true;
}

bool TableReader::readHeader(std::vector<std::string>& names, TableFault& fault) {
    skipBlankLines();
    if (pos_ >= text_.size()) {
        fault = {1, 0, "the file holds no header line (it is empty or blank)"};
        return false;
    }
    if (detect_) separator_ = detectSeparator();
    headerLine_ = line_;
    if (!readRecord(names, fault)) return false;
    // R's write.table names no column above its row names: a first row of one field more than
    // the header has them in front, and that column is named "" (as write.csv names it).
    std::size_t pos = pos_;
    int line = line_;
    std::vector<std::string> first;
    TableFault ignored;  // met again when the row is read
    skipBlankLines();
    if (pos_ < text_.size() && readRecord(first, ignored) && first.size() == names.size() + 1)
        names.insert(names.begin(), "");
    pos_ = pos;
    line_ = line;
    columns_ = names.size();
    return true;
}

bool TableReader::nextRow(std::vector<std::string>& fields, int& line, TableFault& fault) {
    fault = {};
    skipBlankLines();
    if (pos_ >= text_.size()) return false;
    line = line_;
    if (!readRecord(fields, fault)) return false;
    if (fields.size() == columns_) return true;
    // The first column the row lacks, or the first one it has beyond the header's.
    std::size_t column = std::min(fields.size(), columns_) + 1;
    fault = {line, static_cast<int>(column),
             "the row has " + rowLength(fields.size()) + ", the header names " +
                 std::to_string(columns_) + " columns"};
    return false;
}

bool separatorNamed(std::string_view name, Separator& separator) {
    if (name == "," || name == "comma")
        separator = Separator::comma;
    else if (name == ";" || name == "semicolon")
        separator = Separator::semicolon;
    else if (name == "tab" || name == "\t")
        separator = Separator::tab;
    else if (name == "blank" || name == "blanks")
        separator = Separator::blanks;
    else
        return false;
    return true;
}
