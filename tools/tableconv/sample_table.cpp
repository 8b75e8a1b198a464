#include "sample_table.h"

#include <algorithm>
#include <cmath>

#include "float_text.h"
#include "notation.h"

namespace {

constexpr int MOST_DECIMALS = 6;

using Cells = std::vector<std::vector<std::string>>;  // [row][variable]

std::size_t widest(const Cells& cells) {
    std::size_t width = 0;
    for (const auto& row : cells)
        for (const std::string& cell : row) width = std::max(width, cell.size());
    return width;
}

std::string fixedText(double value, int decimals) {
    char text[NOTATION_BUFFER];
    formatFixed(text, value, decimals);
    return text;
}

// Each column's z-scores; false with the column's index when all its values are equal.
bool zScores(const ChosenRows& rows, std::size_t first, std::vector<std::vector<double>>& z,
             std::size_t& constant) {
    std::size_t n = rows.values.size();
    z.assign(n, std::vector<double>(rows.values.empty() ? 0 : rows.values[0].size()));
    for (std::size_t j = first; j < z[0].size(); ++j) {
        double sum = 0;
        for (const auto& row : rows.values) sum += row[j];
        double mean = sum / double(n);
        double squares = 0;
        for (const auto& row : rows.values) squares += (row[j] - mean) * (row[j] - mean);
        if (squares == 0) {
            constant = j;
            return false;
        }
        double deviation = std::sqrt(squares / double(n - 1));
        for (std::size_t i = 0; i < n; ++i) z[i][j] = (rows.values[i][j] - mean) / deviation;
    }
    return true;
}

// Control characters (a line break inside a quoted name) would break the header line.
std::string labelText(std::string label) {
    for (char& c : label)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    return label;
}

// The first width bytes of label, not cutting a UTF-8 character in two.
std::string cutLabel(const std::string& label, std::size_t width) {
    if (label.size() <= width) return label;
    std::size_t cut = width;
    while (cut > 0 && (static_cast<unsigned char>(label[cut]) & 0xC0) == 0x80) --cut;
    return label.substr(0, cut);
}

std::string leftAligned(const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), ' ');
}

std::string rightAligned(const std::string& text, std::size_t width) {
    return std::string(width - text.size(), ' ') + text;
}

}  // namespace

bool sampleTableText(const ChosenRows& rows, const SampleTableColumns& columns, bool standardize,
                     std::string& text, std::vector<TableFault>& notes, TableFault& fault) {
    std::size_t first = columns.hasId ? 1 : 0;
    std::size_t variables = columns.labels.size();
    std::size_t n = rows.values.size();
    std::size_t limit = FACTOR_MAX_LINE / (variables + 1);
    std::vector<std::vector<double>> z;
    std::size_t constant = 0;
    if (standardize && !zScores(rows, first, z, constant)) {
        fault = {columns.headerLine, columns.columns[constant - first],
                 "every value is the same, and --standardize divides by their spread"};
        return false;
    }
    Cells ids(n, std::vector<std::string>(1));
    for (std::size_t i = 0; i < n; ++i)
        ids[i][0] = std::to_string(columns.hasId ? static_cast<long long>(rows.values[i][0])
                                                 : static_cast<long long>(i + 1));
    Cells values(n, std::vector<std::string>(variables));
    for (int decimals = MOST_DECIMALS; decimals >= 1; --decimals) {
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < variables; ++j)
                values[i][j] = standardize ? fixedText(z[i][j + first], decimals)
                                           : floatText(rows.values[i][j + first]);
        // z-scores give up decimals until a line fits; data keep every digit.
        if (!standardize || std::max(widest(ids), widest(values)) < limit) break;
    }
    std::size_t width = std::max(widest(ids), widest(values)) + 1;
    if (width > limit) {
        // Name the widest cell, the one to blame.
        bool isId = widest(ids) + 1 == width;
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < (isId ? 1 : variables); ++j) {
                const std::string& cell = isId ? ids[i][0] : values[i][j];
                if (cell.size() + 1 != width) continue;
                fault = {rows.lines[i], isId ? columns.idColumn : columns.columns[j],
                         cell + " needs columns " + std::to_string(width) +
                             " characters wide, and factor's lines (under 999 characters, " +
                             "MAXLINE) hold " + std::to_string(variables + 1) +
                             " columns of at most " + std::to_string(limit) +
                             "; choose fewer --columns"};
                return false;
            }
    }
    std::vector<std::string> labels;
    for (const std::string& label : columns.labels) labels.push_back(labelText(label));
    for (const std::string& label : labels)
        width = std::max(width, std::min(label.size() + 1, limit));
    // factor reads no label above the identifiers; a blank keeps this one off the first label.
    std::string idLabel = cutLabel(labelText(columns.idLabel), width - 1);
    text = leftAligned(idLabel, width);
    for (std::size_t j = 0; j < variables; ++j) {
        std::string label = labels[j];
        if (label.size() > width) {
            label = cutLabel(label, width);
            notes.push_back({columns.headerLine, columns.columns[j],
                             "labelled \"" + label + "\": factor keeps the " +
                                 std::to_string(width) +
                                 " characters above a column as its label"});
        }
        text += leftAligned(label, width);
    }
    text += '\n';
    for (std::size_t i = 0; i < n; ++i) {
        text += rightAligned(ids[i][0], width);
        for (const std::string& value : values[i]) text += rightAligned(value, width);
        text += '\n';
    }
    return true;
}
