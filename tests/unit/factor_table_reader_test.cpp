#include <gtest/gtest.h>

#include <sstream>
#include <string>

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
    // ...except a last line of nothing but blanks and tabs, with or without its line break.
    EXPECT_EQ(2, echoOf("H\n1 2\n3 4\n \t \n").echo.nSample);
    EXPECT_EQ(2, echoOf("H\n1 2\n3 4\n\t").echo.nSample);
    EXPECT_EQ(3, echoOf("H\n1 2\n \n3 4\n\n").echo.nSample);
    // ...and any number of such lines at the end.
    EXPECT_EQ(2, echoOf("H\n1 2\n3 4\n \n\n").echo.nSample);
    EXPECT_EQ(2, echoOf("H\n1 2\n3 4\n\n\n\t\n\n").echo.nSample);
    EXPECT_EQ(5, echoOf("H\n1 2\n3 4\n \n\n5 6").echo.nSample);
    EXPECT_EQ(1, echoOf("H\n1 2 3").echo.nSample);
    EXPECT_EQ(1, echoOf("H\n1 2 3\n").echo.nSample);
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
