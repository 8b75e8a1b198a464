// factor's dialogue end to end.  The full transcripts in tests/data/factor were derived from the
// dialogue's description independently of the program (each number by the described
// single-precision steps and notations) and checked line by line.
#include <gtest/gtest.h>

#include <string>

#include "run_program.h"

namespace factor_dialogue {

const std::string INTRO =
    "\nFACTOR provides principal factor analysis of tabular data.\n\n"
    " (Factor currently can accept input files with up to\n"
    "  300 samples, 100 variables per sample, and\n"
    " 1000 characters per line.    There should be a header line,\n"
    "  which could be blank, and then one line per sample.\n"
    "  Each sample line should have a leading integer to identify\n"
    "  the sample, followed by a number of floating-point values.\n"
    "  Every column of the input dataset MUST have the same width.)\n\n";
const std::string DATA_PROMPT =
    "Enter (with no spaces) the [drive:][\\path\\]name of data file: \n";
const std::string REPORT_PROMPT =
    "Enter (with no spaces) the [drive:][\\path\\]name for output file: \n";
const std::string NOT_FOUND = "File not found.\nCheck filename and/or [drive:][\\path\\].\n";
const std::string PAUSE = "Press any key to continue...\n";
const std::string DOTS = "     .\n     .\n     .\n";
const std::string OPENING = INTRO + DATA_PROMPT + REPORT_PROMPT;

std::string dataFile(const std::string& name) {
    return testData("factor/" + name);
}

// Runs factor on tests/data/factor/<table>.txt and compares the console and the report with
// <expected>.console and <expected>.report.
void expectTranscripts(const std::string& table, const std::string& reportName,
                       const std::string& answers, const std::string& expected) {
    ProgramRun run = runProgram("factor", table + ".txt " + reportName + " " + answers,
                                {{table + ".txt", dataFile(table + ".txt")}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ(dataFile(expected + ".console"), run.out);
    EXPECT_EQ(dataFile(expected + ".report"), run.file(reportName));
}

int count(const std::string& text, const std::string& piece) {
    int n = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

// Seven variables in columns 9 wide: every matrix and the recipe table fit the console.  The
// answers meet every refusal: epsilon 1.e-3 (just above the limit once in single precision),
// 0 and 8 eigenvalues, 0 and 7 factors after EIGEN gives up on the seventh eigenvector.
TEST(FactorDialogue, SevenVariablesFitTheConsole) {
    expectTranscripts("seven", "out7.txt", "1.e-3 1.e-6 0 8 7 0 7 3", "seven");
}

// Eight variables: 81-character lines cut to 79 on the console, both matrices "too large to
// display", the recipes factor by factor in groups of 7 and 1.
TEST(FactorDialogue, EightVariablesAreTooWideForTheConsole) {
    expectTranscripts("eight", "eight.out", "0.0009 8 2", "eight");
}

// 45 samples: the console's score list pauses after the 20th and 40th sample and after High.
TEST(FactorDialogue, FortyFiveSamplesPauseInTheScores) {
    expectTranscripts("fortyfive", "scores.txt", "1.e-7 2 2", "fortyfive");
    std::string console = dataFile("fortyfive.console");
    std::string scores = console.substr(console.find("Factor Scores:"));
    EXPECT_EQ(3, count(scores, PAUSE));
    EXPECT_NE(std::string::npos, scores.find("\n" + PAUSE + "      21 "));
    EXPECT_NE(std::string::npos, scores.find("\n" + PAUSE + "      41 "));
}

// An empty header: every label is blank, and no NUL byte reaches the console or the report.
TEST(FactorDialogue, EmptyHeaderGivesBlankLabels) {
    expectTranscripts("noheader", "report.txt", "1e-4 3 2", "noheader");
    std::string report = dataFile("noheader.report");
    EXPECT_NE(std::string::npos,
              report.find("\nMeans of the variables:\n" + std::string(10, ' ') + "  2.900000\n"));
    ProgramRun run = runProgram("factor", "noheader.txt report.txt 1e-4 3 2",
                                {{"noheader.txt", dataFile("noheader.txt")}});
    EXPECT_EQ(std::string::npos, run.out.find('\0'));
    EXPECT_EQ(std::string::npos, run.file("report.txt").find('\0'));
}

// The last sample line has no line break: it is a sample like the others (3 found, not 2).
TEST(FactorDialogue, LastLineWithoutLineBreakIsASample) {
    expectTranscripts("nobreak", "report.txt", "1e-4 3 1", "nobreak");
    EXPECT_NE(std::string::npos, dataFile("nobreak.console").find("    3 samples were found.\n"));
}

// Carriage returns before the line breaks change nothing.
TEST(FactorDialogue, CrLfLineEndsReadAsOthers) {
    std::string table = dataFile("nobreak.txt");
    for (auto at = table.find('\n'); at != std::string::npos; at = table.find('\n', at + 2))
        table.replace(at, 1, "\r\n");
    ProgramRun run =
        runProgram("factor", "nobreak.txt report.txt 1e-4 3 1", {{"nobreak.txt", table}});
    EXPECT_EQ(dataFile("nobreak.console"), run.out);
    EXPECT_EQ(dataFile("nobreak.report"), run.file("report.txt"));
}

// A constant variable: variance 0, its correlations 0; the second factor's eigenvalue is 0, so
// its scores show as 0 with a note instead of a division by zero.
TEST(FactorDialogue, ConstantVariableAndZeroEigenvalue) {
    expectTranscripts("constant", "report.txt", "1e-4 2 2", "constant");
    std::string report = dataFile("constant.report");
    EXPECT_NE(std::string::npos, report.find("         B  0.000000  0.000000\n"));
    EXPECT_NE(std::string::npos,
              report.find("High:     1.09       0\n"
                          "Factor 2 has eigenvalue 0: its scores are shown as 0.\n"));
}

// Two scores near the mean whose 3 significant digits would fill all 8 characters and run into
// the number before them ("       7-0.000584", "       80.000218") keep one blank in front.
TEST(FactorDialogue, ScoresNearZeroStaySeparated) {
    expectTranscripts("nearmean", "report.txt", "1e-5 3 2", "nearmean");
    EXPECT_NE(std::string::npos, dataFile("nearmean.report")
                                     .find("       7 -0.0006    1.35\n"
                                           "       8 0.00022 -0.0693\n"));
}

// The echo of a table with header "H" and one sample line, as far as the rule after the dots.
std::string echoOf(const std::string& line) {
    int width = line.size() < 79 ? int(line.size()) : 79;
    return std::string(width, '-') + "\n" + "H" + std::string(width - 1, ' ') + "\n" +
           line.substr(0, width) + "\n" + DOTS + std::string(width, '-') + "\n";
}

TEST(FactorDialogue, WrongAndOverlongDataFileNamesAreAskedAgain) {
    std::string longName(100, 'n');
    // "." opens as a folder, which is no data file either.
    ProgramRun run =
        runProgram("factor", "missing.txt . " + longName + " t.txt", {{"t.txt", "H\n1 2\n2 4\n"}});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("Input ended.\n", run.err);
    EXPECT_EQ(INTRO + DATA_PROMPT + NOT_FOUND + DATA_PROMPT + NOT_FOUND + DATA_PROMPT + NOT_FOUND +
                  DATA_PROMPT + REPORT_PROMPT,
              run.out);
}

TEST(FactorDialogue, OverlongReportNameIsCut) {
    std::string longName(100, 'r');
    ProgramRun run =
        runProgram("factor", "t.txt " + longName + " 1e-4 1 1", {{"t.txt", "H\n1 2\n2 4\n"}});
    EXPECT_EQ(0, run.status);
    EXPECT_TRUE(run.hasFile(std::string(79, 'r')));
    std::string ending = "\nJob done.\nSee output file:\n" + std::string(79, 'r') + "\n";
    EXPECT_EQ(ending, run.out.substr(run.out.size() - ending.size()));
}

TEST(FactorDialogue, ReportThatCannotBeCreatedEndsTheRun) {
    ProgramRun run = runProgram("factor", "t.txt nodir/r.txt", {{"t.txt", "H\n1 2\n2 4\n"}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(OPENING + "File could not be created.\n" + PAUSE, run.out);
    EXPECT_FALSE(run.hasFile("nodir"));
}

// A report named like the data file would wipe the table before it is read.
TEST(FactorDialogue, ReportOverTheDataFileIsRefused) {
    ProgramRun run = runProgram("factor", "t.txt ./t.txt", {{"t.txt", "H\n1 2\n2 4\n"}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(OPENING + "File could not be created: it is the data file.\n" + PAUSE, run.out);
    EXPECT_EQ("H\n1 2\n2 4\n", run.file("t.txt"));
}

TEST(FactorDialogue, TooManyVariables) {
    std::string line = "1";
    for (int v = 0; v < 101; ++v) line += " 1";
    ProgramRun run = runProgram("factor", "t.txt r.txt", {{"t.txt", "H\n" + line + "\n"}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(OPENING + echoOf(line) + "Inferred 101 variables per sample.\n" +
                  "Factor is now compiled to accept range 1 ..100 variables per sample.\n" +
                  "Adjust const int MAXVAR if necessary.\n" + PAUSE,
              run.out);
    EXPECT_EQ(INTRO.substr(1) + "t.txt:\n" + std::string(line.size(), '-') + "\nH\n" + line +
                  "\n\n\nInferred 101 variables per sample.\n",
              run.file("r.txt"));
}

TEST(FactorDialogue, SampleLineWithoutFieldsHasNoVariables) {
    ProgramRun run = runProgram("factor", "t.txt r.txt", {{"t.txt", "H\n"}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(OPENING + "\n\n\n" + DOTS + "\nInferred  -1 variables per sample.\n" +
                  "Factor is now compiled to accept range 1 ..100 variables per sample.\n" +
                  "Adjust const int MAXVAR if necessary.\n" + PAUSE,
              run.out);
}

TEST(FactorDialogue, TooManySamples) {
    std::string table = "H\n";
    for (int i = 1; i <= 301; ++i) table += std::to_string(i % 10) + " 1 2\n";
    ProgramRun run = runProgram("factor", "t.txt r.txt", {{"t.txt", table}});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(OPENING + echoOf("1 1 2") + "Inferred   2 variables per sample.\n" +
                  "  301 samples were found.\n" +
                  "Factor is now compiled to accept 2 ..   300 samples.\n" +
                  "Adjust const int MAXSAMPLE if necessary.\n" + PAUSE,
              run.out);
    std::string report = run.file("r.txt");
    std::string reportEnding =
        "0 1 2\n1 1 2\n\n\nInferred   2 variables per sample.\n  301 samples were found.\n";
    EXPECT_EQ(reportEnding, report.substr(report.size() - reportEnding.size()));
    // One line more and the reading stops there: the count is no longer known.
    ProgramRun more = runProgram("factor", "t.txt r.txt", {{"t.txt", table + "2 1 2\n"}});
    EXPECT_NE(std::string::npos, more.out.find("   2 variables per sample.\n"
                                               "More than 300 samples were found.\n"
                                               "Factor is now compiled to accept 2 .."));
}

// A data file that never ends is read as far as the sample capacity: 301 lines of 999 NULs, which
// echo as empty lines.  Its header already has 999 characters, and that is what the run names.
TEST(FactorDialogue, EndlessDataFileStops) {
    ProgramRun run = runProgram("factor", "/dev/zero r.txt", {}, 20);
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(INTRO.substr(1) + "/dev/zero:\n" + std::string(304, '\n'), run.file("r.txt"));
    std::string ending = DOTS + "\nLine 1 of the data file has 999 or more characters.\n" +
                         "Adjust const int MAXLINE if necessary.\n" + PAUSE;
    EXPECT_EQ(OPENING + "\n\n\n" + ending, run.out);
}

// A header or first sample line of 999 characters or more leaves no layout to infer: the line
// is named before any count.  Blank and empty lines at the end of a file are no samples.
TEST(FactorDialogue, TableShapesNamedBeforeTheCounts) {
    const std::string longLine = "1 2 3" + std::string(1000, ' ');
    const std::string tooLong =
        " of the data file has 999 or more characters.\n"
        "Adjust const int MAXLINE if necessary.\n";
    const std::string counts = "Inferred   2 variables per sample.\n    2 samples were found.\n";
    struct Case {
        std::string table, ending;
    } cases[] = {
        {std::string(999, 'h') + "\n1 2 3\n2 4 5\n", "\nLine 1" + tooLong},
        {"H\n" + longLine + "\n2 4 5\n", std::string(79, '-') + "\nLine 2" + tooLong},
        {std::string(998, 'h') + "\n1 2 3\n2 4 5\n",
         "-----\n" + counts + "All data have been read.\n"},
        {"H\n1 2 3\n2 4 5\n \n\n", "-----\n" + counts + "All data have been read.\n"},
        {"H\n1 2 3\n2 4 5\n\t\n\n \n", "-----\n" + counts + "All data have been read.\n"},
        {"H\n1 2 3\n2 4 5\n \n\n6 7 8\n",
         "-----\nInferred   2 variables per sample.\n    5 samples were found.\n"
         "Sample 3 (line 4 of the data file) is empty.\n"},
    };
    for (const Case& c : cases) {
        ProgramRun run = runProgram("factor", "t.txt r.txt 1e-4 2 1", {{"t.txt", c.table}});
        EXPECT_EQ(0, run.status);
        EXPECT_NE(std::string::npos, run.out.find(DOTS + c.ending + PAUSE))
            << c.table.substr(0, 20);
    }
}

TEST(FactorDialogue, SingleSampleIsTooFew) {
    ProgramRun run = runProgram("factor", "t.txt r.txt", {{"t.txt", "H\n1 2 3\n"}});
    EXPECT_EQ(0, run.status);
    EXPECT_NE(std::string::npos,
              run.out.find("    1 samples were found.\n"
                           "Factor is now compiled to accept 2 ..   300 samples.\n"));
}

// A faulty sample line stops the run with a message naming the sample, after the counts.
void expectSampleRefused(const std::string& table, const std::string& counts,
                         const std::string& message) {
    ProgramRun run = runProgram("factor", "t.txt r.txt", {{"t.txt", table}});
    EXPECT_EQ(0, run.status);
    std::string ending = counts + message + PAUSE;
    ASSERT_GE(run.out.size(), ending.size());
    EXPECT_EQ(ending, run.out.substr(run.out.size() - ending.size()));
    EXPECT_EQ(std::string::npos, run.file("r.txt").find("All data have been read."));
}

TEST(FactorDialogue, FaultySampleLinesAreNamed) {
    const std::string counts = "Inferred   2 variables per sample.\n    3 samples were found.\n";
    expectSampleRefused("H\n1 2 3\n2 x 4\n3 5 6\n", counts,
                        "Sample 2 (line 3 of the data file): \"x\" is not a number.\n");
    expectSampleRefused("H\n1 2 3\n2 4\n3 5 6\n", counts,
                        "Sample 2 (line 3 of the data file) has 1 value; "
                        "the first sample has 2.\n");
    expectSampleRefused("H\n1 2 3\n\n2 4 5\n", counts,
                        "Sample 2 (line 3 of the data file) is empty.\n");
    expectSampleRefused("H\n1 2 3\n2 " + std::string(1200, ' ') + "4 5\n", counts,
                        "Line 3 of the data file has 999 or more characters.\n"
                        "Adjust const int MAXLINE if necessary.\n");
}

// Values so large that the sums overflow: no eigenvector converges, and the run ends instead of
// asking how many of no factors to keep.
TEST(FactorDialogue, NoEigenpairEndsTheRun) {
    ProgramRun run =
        runProgram("factor", "t.txt r.txt 1e-4 2 1", {{"t.txt", "H\n1 3e38 1\n2 3e38 2\n"}});
    EXPECT_EQ(0, run.status);
    std::string ending =
        "Enter the number of eigenvalues to find: "
        " SUBROUTINE EIGEN FAILED TO FIND EIGEN VECTOR #1\n"
        " IN 1000 ATTEMPTS.  RETURNING NUMBER = 0\n"
        "\nEIGEN found 0 eigenvalues and eigenvectors.\n"
        "No eigenvalue was found, so no principal factor can be kept.\n" +
        PAUSE;
    EXPECT_EQ(ending, run.out.substr(run.out.size() - ending.size()));
    std::string report = run.file("r.txt");
    std::string reportEnding =
        "User chose to seek 2 eigenvalues.\n"
        "\nEIGEN found 0 eigenvalues and eigenvectors.\n"
        "No eigenvalue was found, so no principal factor can be kept.\n";
    EXPECT_EQ(reportEnding, report.substr(report.size() - reportEnding.size()));
    // The first mean overflows: a blank label, then the '!' fill.
    EXPECT_NE(std::string::npos, report.find("\n" + std::string(11, ' ') + "!!!!!!!!!\n"));
}

// A word that is no number asks the same question again; the end of the answers stops the run
// with status 1 and the report keeps what was written.
TEST(FactorDialogue, NonNumberAnswerAndEndOfInput) {
    ProgramRun run = runProgram("factor", "t.txt r.txt abc", {{"t.txt", "H\n1 2\n2 4\n"}});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("Input ended.\n", run.err);
    EXPECT_EQ(2, count(run.out, "(limits 1.e-3 to 1.e-7): "));
    std::string report = run.file("r.txt");
    EXPECT_NE(std::string::npos, report.find("\nCorrelation coefficient matrix:\n"));
    EXPECT_EQ(std::string::npos, report.find("Beginning Factor Analysis"));
}

}  // namespace factor_dialogue
