#include "table_reader.h"

#include <iomanip>
#include <sstream>
#include <string_view>

#include "read_number.h"

namespace {

void writeRule(std::ostream& os, int length) {
    for (int i = 0; i < length; ++i) os.put('-');
    os.put('\n');
}

void writeLine(std::ostream& os, const LineBuffer& line, int count) {
    os.write(line.data(), count);
    os.put('\n');
}

bool isBlank(const LineBuffer& line, int length) {
    for (int i = 0; i < length; ++i)
        if (line[i] != ' ' && line[i] != '\t') return false;
    return true;
}

bool moreFollows(std::istream& data) {
    std::streambuf* buf = data.rdbuf();
    return buf && buf->sgetc() != std::char_traits<char>::eof();
}

// Splits a line at blanks and tabs, the separators the field count knows.
int splitTokens(const char* line, std::string_view* tokens, int maxTokens) {
    int count = 0;
    int n = lineLength(line);
    for (int i = 0; i < n;) {
        while (i < n && (line[i] == ' ' || line[i] == '\t')) ++i;
        int start = i;
        while (i < n && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) {
            if (count < maxTokens) tokens[count] = std::string_view(line + start, i - start);
            ++count;
        }
    }
    return count;
}

// A token is a number only when the whole of it is one.
template <class T, class Read>
bool parseWhole(std::string_view token, T& value, Read read) {
    std::istringstream in{std::string(token)};
    return read(in, value) && in.peek() == std::char_traits<char>::eof();
}

std::string quoted(std::string_view token) {
    constexpr std::size_t SHOWN = 40;
    if (token.size() <= SHOWN) return "\"" + std::string(token) + "\"";
    return "\"" + std::string(token.substr(0, SHOWN)) + "...\"";
}

std::string sampleWhere(int sample) {
    std::ostringstream text;
    text << "Sample " << sample << " (line " << sample + 1 << " of the data file)";
    return text.str();
}

// Reads sample s (counted from 0) from its line; returns "" or the message.
std::string parseSample(const char* line, int s, int nVar, SampleIds& ids, SampleMatrix& values) {
    std::string_view tokens[MAXVAR + 2];
    int count = splitTokens(line, tokens, MAXVAR + 2);
    if (count == 0) return sampleWhere(s + 1) + " is empty.\n";
    int shown = count < MAXVAR + 2 ? count : MAXVAR + 2;
    if (!parseWhole(tokens[0], ids[s], [](std::istream& in, int& v) { return readInt(in, v); }))
        return sampleWhere(s + 1) + ": " + quoted(tokens[0]) + " is not an integer.\n";
    for (int t = 1; t < shown; ++t) {
        float value = 0;
        if (!parseWhole(tokens[t], value,
                        [](std::istream& in, float& v) { return readReal(in, v); }))
            return sampleWhere(s + 1) + ": " + quoted(tokens[t]) + " is not a number.\n";
        if (t <= nVar) values[s][t - 1] = value;
    }
    if (count - 1 != nVar) {
        std::ostringstream text;
        text << sampleWhere(s + 1) << " has " << count - 1 << (count == 2 ? " value" : " values")
             << "; the first sample has " << nVar << ".\n";
        return text.str();
    }
    return "";
}

}  // namespace

std::string longLineMessage(int lineNumber) {
    std::ostringstream text;
    text << "Line " << lineNumber << " of the data file has " << MAXLINE - 1
         << " or more characters.\nAdjust const int MAXLINE if necessary.\n";
    return text.str();
}

void writeIntroduction(std::ostream& os) {
    os << "FACTOR provides principal factor analysis"
       << " of tabular data.\n\n"
       << " (Factor currently can accept input files with up to\n"
       << std::setw(5) << MAXSAMPLE << " samples, " << std::setw(3) << MAXVAR
       << " variables per sample, and\n"
       << std::setw(5) << MAXLINE << " characters per line.  "
       << "  There should be a header line,\n"
       << "  which could be blank, and then one line per sample.\n"
       << "  Each sample line should have a leading integer to identify\n"
       << "  the sample, followed by a number of floating-point values.\n"
       << "  Every column of the input dataset MUST have the same width.)\n\n";
}

void echoTable(std::istream& data, const std::string& dataName, std::ostream& console,
               std::ostream& report, TableEcho& echo) {
    // A header read in pieces would give its rest as the first sample line, and a first sample
    // line read in pieces a layout of its first piece: the line is named before any count.
    if (readLine(data, echo.header).cut) echo.longLine = 1;
    LineRead last = readLine(data, echo.firstLine);
    if (last.cut && echo.longLine == 0) echo.longLine = 2;
    echo.layout = inferLayout(echo.firstLine.data());
    const TableLayout& layout = echo.layout;

    report << dataName << ":\n";
    writeRule(console, layout.echoWidth);
    writeHeaderEcho(console, echo.header.data(), layout.echoWidth);
    console.put('\n');
    writeRule(report, layout.lineLength);
    writeLine(report, echo.header, lineLength(echo.header.data()));
    writeLine(console, echo.firstLine, layout.echoWidth);
    writeLine(report, echo.firstLine, layout.lineLength);
    for (int i = 0; i < 3; ++i) console << "     .\n";

    echo.nSample = 1;
    int lastLength = layout.lineLength;
    LineBuffer line{};
    // Lines of blanks count only once a further line shows that they were not the last ones, so
    // that any number of them may end the file.  They count towards the capacity all the same,
    // so that a file of blank lines that never ends is not followed either.
    int blanksPending = 0;
    while (!last.atEnd) {
        if (echo.nSample + blanksPending > MAXSAMPLE && moreFollows(data)) {
            echo.pastCapacity = true;
            break;
        }
        last = readLine(data, line);
        lastLength = lineLength(line.data());
        writeLine(report, line, lastLength);
        if (!last.tookAny) continue;
        // A last line without a line break is a sample like any other.
        if (isBlank(line, last.length)) {
            ++blanksPending;
        } else {
            echo.nSample += blanksPending + 1;
            blanksPending = 0;
        }
    }
    writeRule(console, layout.echoWidth);
    writeRule(report, lastLength);
}

std::string readSamples(std::istream& data, int nSample, int nVar, SampleIds& ids,
                        SampleMatrix& values) {
    LineBuffer line{};
    if (readLine(data, line).cut) return longLineMessage(1);
    for (int s = 0; s < nSample; ++s) {
        if (readLine(data, line).cut) return longLineMessage(s + 2);
        std::string message = parseSample(line.data(), s, nVar, ids, values);
        if (!message.empty()) return message;
    }
    return "";
}
