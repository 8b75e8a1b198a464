#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "endless_stream.h"
#include "table_reader.h"

namespace {

struct Echoed {
    TableEcho echo;
    std::string console, report;
};

Echoed echoOf(const std::string& file) {
    Echoed result;
    std::istringstream in(file);
    std::ostringstream console, report;
    echoTable(in, "data.txt", console, report, result.echo);
    result.console = console.str();
    result.report = report.str();
    return result;
}

const char* const DOTS = "     .\n     .\n     .\n";

TEST(FactorTableEcho, FileEndingWithLineBreak) {
    Echoed e = echoOf("H\n1 2 3\n4 5 6\n");
    EXPECT_EQ(2, e.echo.nSample);
    EXPECT_EQ(2, e.echo.layout.nVar);
    // The header echo is as wide as the first sample line, blank past its text.
    EXPECT_EQ(std::string("-----\nH    \n1 2 3\n") + DOTS + "-----\n", e.console);
    // The final empty read is echoed as an empty line, and its rule is empty.
    EXPECT_EQ("data.txt:\n-----\nH\n1 2 3\n4 5 6\n\n\n", e.report);
}

TEST(FactorTableEcho, LastLineWithoutLineBreakIsCounted) {
    Echoed e = echoOf("H\n1 2 3\n4 5 6");
    EXPECT_EQ(2, e.echo.nSample);
    EXPECT_EQ("data.txt:\n-----\nH\n1 2 3\n4 5 6\n-----\n", e.report);
}

TEST(FactorTableEcho, EveryLineWithABreakIsASample) {
    EXPECT_EQ(4, echoOf("H\n1 2\n3 4\n\n5 6\n").echo.nSample);
    EXPECT_EQ(1, echoOf("H\n1 2 3").echo.nSample);
    EXPECT_EQ(1, echoOf("H\n1 2 3\n").echo.nSample);
}

// A last line of nothing but blanks and tabs, with or without a line break, is no sample; such a
// line before another is, and is echoed like any other.
TEST(FactorTableEcho, LastLineOfBlanksIsNoSample) {
    using namespace std::string_literals;
    struct Case {
        std::string file;
        int nSample;
    };
    const Case cases[] = {
        {"H\n1 2\n3 4\n \t \n", 2}, {"H\n1 2\n3 4\n \t ", 2},   {"H\n1 2\n3 4\n\n", 2},
        {"H\n1 2\n3 4\n \r\n", 2},  {"H\n1 2\n \n3 4\n\t", 3}, {"H\n1 2\n3 4\n\n\n", 3},
        {"H\n1 2\n3 4\n\0\n"s, 3},  // a NUL is no blank
    };
    for (const Case& c : cases) EXPECT_EQ(c.nSample, echoOf(c.file).echo.nSample) << c.file;
    EXPECT_EQ("data.txt:\n---\nH\n1 2\n3 4\n \t \n\n\n", echoOf("H\n1 2\n3 4\n \t \n").report);
}

// Once more than MAXSAMPLE sample lines are certain, the reading stops: a file that never ends
// is not followed, and its echo stays small.  A file that ends right there reads to its end.
TEST(FactorTableEcho, StopsOnceTheSampleCapacityIsBroken) {
    std::string table = "H\n";
    for (int i = 0; i <= MAXSAMPLE; ++i) table += "1 2\n";
    Echoed exact = echoOf(table);
    EXPECT_EQ(MAXSAMPLE + 1, exact.echo.nSample);
    EXPECT_FALSE(exact.echo.pastCapacity);
    EXPECT_EQ("1 2\n\n\n", exact.report.substr(exact.report.size() - 6));
    Echoed more = echoOf(table + "1 2\n");
    EXPECT_TRUE(more.echo.pastCapacity);
    EXPECT_EQ(exact.report.substr(0, exact.report.size() - 2) + "---\n", more.report);

    struct Case {
        std::string start, pattern;
    };
    const Case endless[] = {
        {"", std::string(1, '\0')}, {"H\n", "1 2\n"}, {"H\n1 2\n", "\n"}, {"H\n1 2\n", " "}};
    for (const Case& c : endless) {
        EndlessStream in(c.pattern, c.start);
        std::ostringstream console, report;
        TableEcho echo;
        echoTable(in, "data.txt", console, report, echo);
        EXPECT_TRUE(echo.pastCapacity) << c.start;
        EXPECT_EQ(MAXSAMPLE + 1, echo.nSample) << c.start;
        // The header, the first line, MAXSAMPLE more lines, the rules and the name.
        EXPECT_GT(std::size_t((MAXSAMPLE + 4) * MAXLINE), report.str().size());
    }
}

TEST(FactorTableEcho, EmptyFileHasNoVariables) {
    Echoed e = echoOf("");
    EXPECT_EQ(-1, e.echo.layout.nVar);
    EXPECT_EQ(1, e.echo.nSample);
    EXPECT_EQ(std::string("\n\n\n") + DOTS + "\n", e.console);
    EXPECT_EQ("data.txt:\n\n\n\n\n", e.report);
}

TEST(FactorTableEcho, LongLinesAreCutOnTheConsoleOnly) {
    std::string first = "    1";
    while (first.size() < 100) first += "  0.5";
    Echoed e = echoOf("H\n" + first + "\n" + first + "\n");
    std::string rule79(79, '-'), rule100(100, '-');
    EXPECT_EQ(rule79 + "\nH" + std::string(78, ' ') + "\n" + first.substr(0, 79) + "\n" + DOTS +
                  rule79 + "\n",
              e.console);
    EXPECT_EQ("data.txt:\n" + rule100 + "\nH\n" + first + "\n" + first + "\n\n\n", e.report);
}

struct Samples {
    SampleIds ids{};
    SampleMatrix values{};
    std::string message;
};

Samples read(const std::string& file, int nSample, int nVar) {
    Samples s;
    std::istringstream in(file);
    s.message = readSamples(in, nSample, nVar, s.ids, s.values);
    return s;
}

TEST(FactorSampleReader, ReadsIdentifiersAndValues) {
    Samples s = read("  Id  A  B\n  7 1.5 -2\n 12\t3e2  .25", 2, 2);
    EXPECT_EQ("", s.message);
    EXPECT_EQ(7, s.ids[0]);
    EXPECT_EQ(12, s.ids[1]);
    EXPECT_EQ(1.5f, s.values[0][0]);
    EXPECT_EQ(-2.0f, s.values[0][1]);
    EXPECT_EQ(300.0f, s.values[1][0]);
    EXPECT_EQ(0.25f, s.values[1][1]);
}

// An exponent past the 19th character of a number counts.
TEST(FactorSampleReader, LongNumbersAreReadWhole) {
    Samples s = read("H\n1 1.000000000000000000e+02 -2.500000000000000000E-03\n", 1, 2);
    EXPECT_EQ("", s.message);
    EXPECT_EQ(100.0f, s.values[0][0]);
    EXPECT_EQ(-0.0025f, s.values[0][1]);
}

TEST(FactorSampleReader, RefusesWhatIsNotANumber) {
    EXPECT_EQ("Sample 2 (line 3 of the data file): \"1.5x\" is not a number.\n",
              read("H\n1 2 3\n2 1.5x 3\n", 2, 2).message);
    EXPECT_EQ("Sample 1 (line 2 of the data file): \"nan\" is not a number.\n",
              read("H\n1 nan 3\n", 1, 2).message);
    EXPECT_EQ("Sample 1 (line 2 of the data file): \"A1\" is not an integer.\n",
              read("H\nA1 2 3\n", 1, 2).message);
    EXPECT_EQ("Sample 1 (line 2 of the data file): \"1.5\" is not an integer.\n",
              read("H\n1.5 2 3\n", 1, 2).message);
}

TEST(FactorSampleReader, EachLineHoldsExactlyTheValuesOfTheFirst) {
    EXPECT_EQ("Sample 2 (line 3 of the data file) has 1 value; the first sample has 2.\n",
              read("H\n1 2 3\n2 4\n3 5 6\n", 3, 2).message);
    EXPECT_EQ("Sample 3 (line 4 of the data file) has 3 values; the first sample has 2.\n",
              read("H\n1 2 3\n2 4 5\n3 5 6 7\n", 3, 2).message);
    EXPECT_EQ("Sample 2 (line 3 of the data file) is empty.\n", read("H\n1 2 3\n\n", 2, 2).message);
}

TEST(FactorSampleReader, ValuesBeforeAFaultyLineAreKept) {
    Samples s = read("H\n1 2 3\n2 4\n", 2, 2);
    EXPECT_EQ(2.0f, s.values[0][0]);
    EXPECT_EQ(3.0f, s.values[0][1]);
}

TEST(FactorSampleReader, RefusesLinesTooLongForTheBuffer) {
    std::string longLine = "2" + std::string(1100, ' ') + "4 5";
    EXPECT_EQ(
        "Line 3 of the data file has 999 or more characters.\n"
        "Adjust const int MAXLINE if necessary.\n",
        read("H\n1 2 3\n" + longLine + "\n", 3, 2).message);
    EXPECT_EQ(
        "Line 1 of the data file has 999 or more characters.\n"
        "Adjust const int MAXLINE if necessary.\n",
        read(std::string(1500, 'h') + "\n1 2 3\n", 2, 2).message);
}

TEST(FactorTableReader, IntroductionNamesTheCapacities) {
    std::ostringstream os;
    writeIntroduction(os);
    EXPECT_EQ(
        "FACTOR provides principal factor analysis of tabular data.\n\n"
        " (Factor currently can accept input files with up to\n"
        "  300 samples, 100 variables per sample, and\n"
        " 1000 characters per line.    There should be a header line,\n"
        "  which could be blank, and then one line per sample.\n"
        "  Each sample line should have a leading integer to identify\n"
        "  the sample, followed by a number of floating-point values.\n"
        "  Every column of the input dataset MUST have the same width.)\n\n",
        os.str());
}

}  // namespace
