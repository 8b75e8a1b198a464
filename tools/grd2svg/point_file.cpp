#include "point_file.h"

#include <sstream>

#include "read_number.h"

namespace {

bool isSeparator(int c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == ',';
}

// The numbers at the start of one line, read as gridder reads them ("1-2" is two numbers).
struct LineNumbers {
    std::size_t count = 0;  // numbers read before the line ended or text stopped them
    bool clean = false;     // the whole line was numbers and separators
    double first[2] = {0, 0};
};

// Reads the line's numbers; each is handed to take (which may stop the scan by returning false).
template <class Take>
LineNumbers scanLine(const std::string& line, Take take) {
    LineNumbers result;
    std::istringstream in(line);
    for (;;) {
        int c;
        while ((c = in.peek()) != EOF && isSeparator(c)) in.get();
        if (c == EOF) {
            result.clean = true;
            return result;
        }
        double value;
        if (!readReal(in, value)) return result;
        if (result.count < 2) result.first[result.count] = value;
        ++result.count;
        if (!take(value)) return result;
    }
}

bool isSkipped(const std::string& line) {
    for (char c : line)
        if (!isSeparator(static_cast<unsigned char>(c))) return c == '#';
    return true;
}

struct DataLine {
    int number;
    LineNumbers numbers;
};

std::string lineError(int number, const std::string& what) {
    return "line " + std::to_string(number) + ": " + what;
}

// gridder's reading: records of three numbers across lines.
bool readRecords(const std::vector<std::string>& text, const std::vector<DataLine>& lines,
                 std::vector<PlotPoint>& points, std::string& error) {
    double record[3];
    int held = 0;
    for (const DataLine& line : lines) {
        bool full = false;
        scanLine(text[line.number - 1], [&](double value) {
            record[held++] = value;
            if (held < 3) return true;
            held = 0;
            if (points.size() == MAX_POINTS) return !(full = true);
            points.push_back({record[0], record[1]});
            return true;
        });
        if (full) {
            error =
                lineError(line.number, "more than " + std::to_string(MAX_POINTS) + " positions");
            return false;
        }
    }
    return true;
}

}  // namespace

bool readPointFile(std::istream& in, std::vector<PlotPoint>& points, std::string& error) {
    std::vector<std::string> text;
    std::vector<DataLine> lines;
    bool allClean = true, sameCount = true;
    for (std::string line; std::getline(in, line);) {
        text.push_back(line);
        if (isSkipped(line)) continue;
        DataLine data{int(text.size()), scanLine(line, [](double) { return true; })};
        allClean = allClean && data.numbers.clean;
        sameCount = sameCount && (lines.empty() || lines[0].numbers.count == data.numbers.count);
        lines.push_back(data);
    }
    if (lines.empty()) {
        error = lineError(int(text.empty() ? 1 : text.size()), "the file holds no positions");
        return false;
    }
    std::size_t columns = lines[0].numbers.count;
    bool threes = columns > 3 && columns % 3 == 0;
    if (allClean && (!sameCount || threes || columns < 2)) {
        if (!readRecords(text, lines, points, error)) return false;
        if (points.empty()) {
            error = lineError(lines.back().number, "the file holds no complete x y z record");
            return false;
        }
        return true;
    }
    for (const DataLine& line : lines) {
        if (line.numbers.count < 2) {
            error = lineError(line.number, "x and y cannot be read");
            return false;
        }
        if (points.size() == MAX_POINTS) {
            error =
                lineError(line.number, "more than " + std::to_string(MAX_POINTS) + " positions");
            return false;
        }
        points.push_back({line.numbers.first[0], line.numbers.first[1]});
    }
    return true;
}
