#include "table_columns.h"

#include <cctype>
#include <cfloat>
#include <climits>
#include <sstream>

#include "read_number.h"

namespace {

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// 1-based column of name among names, 0 for none, -1 when two columns answer to it.
int columnNamed(const std::vector<std::string>& names, const std::string& name) {
    for (bool anyCase : {false, true}) {
        int found = 0;
        for (std::size_t i = 0; i < names.size(); ++i) {
            bool same = anyCase ? lowerCase(names[i]) == lowerCase(name) : names[i] == name;
            if (!same) continue;
            if (found != 0) return -1;
            found = static_cast<int>(i) + 1;
        }
        if (found != 0) return found;
    }
    return 0;
}

int columnNumbered(const std::string& text, std::size_t columns) {
    if (text.empty() || text.size() > 6) return 0;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
    int number = std::stoi(text);
    return number >= 1 && static_cast<std::size_t>(number) <= columns ? number : 0;
}

bool readInteger(const std::string& field, double& value) {
    std::size_t start = field[0] == '-' || field[0] == '+' ? 1 : 0;
    if (start == field.size() || field.size() - start > 10) return false;
    for (std::size_t i = start; i < field.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(field[i]))) return false;
    long long number = std::stoll(field);
    value = static_cast<double>(number);
    return number >= INT_MIN && number <= INT_MAX;
}

}  // namespace

bool findColumns(const std::vector<std::string>& names, int headerLine,
                 std::vector<ChosenColumn>& chosen, TableFault& fault) {
    for (ChosenColumn& c : chosen) {
        int column = columnNamed(names, c.name);
        if (column < 0) {
            fault = {headerLine, 0,
                     "two columns are named \"" + c.name + "\" (" + c.option +
                         "); choose one by its number"};
            return false;
        }
        if (column == 0) column = columnNumbered(c.name, names.size());
        if (column == 0) {
            fault = {headerLine, 0,
                     "no column is named \"" + c.name + "\" (" + c.option + "), and the header " +
                         "names " + std::to_string(names.size()) + " columns"};
            return false;
        }
        c.column = column;
    }
    return true;
}

bool isMissingValue(const std::string& field) {
    std::string lower = lowerCase(field);
    return lower.empty() || lower == "na" || lower == "nan";
}

bool readValue(const std::string& field, ValueKind kind, bool decimalComma, double& value,
               std::string& what) {
    if (kind == ValueKind::integer) {
        if (readInteger(field, value)) return true;
        what = "\"" + field + "\" is not an integer in the range factor reads as an identifier";
        return false;
    }
    std::string text = field;
    // "2,5" where the comma is the decimal sign; never a thousands separator, which a table
    // that writes decimal commas separates with points or blanks, and "1.234,5" is refused.
    if (decimalComma && text.find('.') == std::string::npos) {
        auto comma = text.find(',');
        if (comma != std::string::npos && text.find(',', comma + 1) == std::string::npos)
            text[comma] = '.';
    }
    std::istringstream in(text);
    if (!readReal(in, value) || in.peek() != EOF) {
        what = "\"" + field + "\" is not a number";
        return false;
    }
    if (!(value >= -FLT_MAX && value <= FLT_MAX)) {
        what = field + " is beyond the single-precision range (+-3.4e38) the programs hold";
        return false;
    }
    if (kind == ValueKind::positive && !(value > 0)) {
        what = field + " is not above 0, and --log takes its logarithm";
        return false;
    }
    return true;
}

bool readChosenRows(TableReader& reader, const std::vector<ChosenColumn>& chosen,
                    std::size_t capacity, const std::string& holds, ChosenRows& rows,
                    TableFault& fault) {
    std::vector<std::string> fields;
    std::vector<double> values(chosen.size());
    bool decimalComma = reader.separator() == ';';
    int line = 0;
    while (reader.nextRow(fields, line, fault)) {
        bool missing = false;
        for (const ChosenColumn& c : chosen)
            missing = missing || isMissingValue(fields[c.column - 1]);
        if (missing) {
            if (rows.skipped++ == 0) rows.firstSkippedLine = line;
            continue;
        }
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            std::string what;
            if (!readValue(fields[chosen[i].column - 1], chosen[i].kind, decimalComma, values[i],
                           what)) {
                fault = {line, chosen[i].column, what};
                return false;
            }
        }
        if (rows.values.size() == capacity) {
            fault = {line, 0, "more than " + std::to_string(capacity) + " rows: " + holds};
            return false;
        }
        rows.lines.push_back(line);
        rows.values.push_back(values);
    }
    return fault.what.empty();
}
