#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace tableconv_dialogue {

// Rows of "i,i+1,i+2": n of them under the header a,b,c.
std::string rowsOf(int n) {
    std::string text = "a,b,c\n";
    for (int i = 1; i <= n; ++i)
        text +=
            std::to_string(i) + "," + std::to_string(i + 1) + "," + std::to_string(i + 2) + "\n";
    return text;
}

// A header of id and v1..vN, then rows of the id and N copies of value (the first one i).
std::string wideTable(int n, const std::string& value, const std::string& first = "v1") {
    std::string text = "id\t" + first;
    for (int j = 2; j <= n; ++j) text += "\tv" + std::to_string(j);
    for (int i = 1; i <= 3; ++i) {
        text += "\n" + std::to_string(i) + "\t" + std::to_string(i);
        for (int j = 2; j <= n; ++j) text += "\t" + value;
    }
    return text + "\n";
}

const std::string GRID = "gridder t.csv o.txt --x a --y b --z c";

// Every refusal is one line naming the file, the line and the column; nothing is written.
TEST(Tableconv, RefusalsNameFileLineAndColumn) {
    struct Case {
        std::string command;
        std::string table;
        int status;
        std::string err;
    } cases[] = {
        {GRID, "a,b,c\n1,2,3\n4,5\n", 1,
         "t.csv:3: column 3 (c): the row has 2 fields, the header names 3 columns"},
        {GRID, "a,b,c\n1,2,x1\n", 1, "t.csv:2: column 3 (c): \"x1\" is not a number"},
        {GRID, "a,b,c\n1,2,\"x\ny\x01\"\n", 1,
         "t.csv:2: column 3 (c): \"x\\x0ay\\x01\" is not a number"},
        {"gridder t.csv o.txt --x a --y b --z zinc", "a,b,c\n", 1,
         "t.csv:1: no column is named \"zinc\" (--z), and the header names 3 columns"},
        {GRID, "", 1, "t.csv:1: the file holds no header line (it is empty or blank)"},
        {GRID, "a,b,c\n1,2,\"3\n4,5,6\n", 1,
         "t.csv:2: column 3 (c): the quote opened on this line is never closed"},
        {GRID + " --log", "a,b,c\n1,2,5\n1,2,-0\n", 1,
         "t.csv:3: column 3 (c): -0 is not above 0, and --log takes its logarithm"},
        {GRID, "a,b,c\n1,2,1e39\n", 1,
         "t.csv:2: column 3 (c): 1e39 is beyond the single-precision range (+-3.4e38) the "
         "programs hold"},
        {GRID, rowsOf(4001), 1,
         "t.csv:4002: more than 4000 rows: gridder holds at most 4000 data (MAX_DATA)"},
        {GRID, "a,b,c\n1,2,3\n1,NA,3\n", 1,
         "t.csv: only 1 row with a value in every chosen column; gridder needs at least 2 data"},
        {"hypoview t.csv o.txt --x a --y b --depth c", rowsOf(2501), 1,
         "t.csv:2502: more than 2500 rows: hypoview holds at most 2500 hypocentres "
         "(MAX_HYPOCENTERS)"},
        {"factor t.csv o.txt", rowsOf(301), 1,
         "t.csv:302: more than 300 rows: factor reads at most 300 samples (MAXSAMPLE)"},
        {"factor t.csv o.txt", wideTable(101, "1"), 1,
         "t.csv:1: 102 variables chosen; factor takes 1 to 100 variables (MAXVAR)"},
        {"factor t.csv o.txt --id id", wideTable(100, "1234567.5"), 1,
         "t.csv:2: column 3 (v2): 1234567.5 needs columns 10 characters wide, and factor's "
         "lines (under 999 characters, MAXLINE) hold 101 columns of at most 9; choose fewer "
         "--columns"},
        {"factor t.csv o.txt --columns a,c --standardize", "a,b,c\n1,2,3\n2,5,3\n", 1,
         "t.csv:1: column 3 (c): every value is the same, and --standardize divides by their "
         "spread"},
        {"factor t.csv o.txt --id 1", "a,b\n1.5,2\n2,3\n", 1,
         "t.csv:2: column 1 (a): \"1.5\" is not an integer in the range factor reads as an "
         "identifier"},
        {"gridder t.csv t.csv --x a --y b --z c", rowsOf(2), 1,
         "t.csv is an input of this run; name another output file"},
        {GRID + " --bogus", rowsOf(2), 2, "unknown option --bogus (tableconv --help lists them)"},
        {GRID + " --standardize", rowsOf(2), 2, "--standardize is no option of gridder"},
        {"hypoview t.csv o.txt --x a --y b --z c --depth c", rowsOf(2), 2,
         "hypoview needs --x, --y, and either --z or --depth"},
        {"grid t.csv o.txt", rowsOf(2), 2, "\"grid\" is no target: gridder, factor or hypoview"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        std::istringstream words(c.command);
        std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
        ProgramRun run = runTool("tableconv", args, {{"t.csv", c.table}});
        EXPECT_EQ(c.status, run.status);
        EXPECT_EQ("tableconv: " + c.err + "\n", run.err);
        EXPECT_FALSE(run.hasFile("o.txt"));
        EXPECT_EQ(c.table, run.file("t.csv"));
    }
}

// R's write.csv: quoted names and row names, NA; a row with NA in a chosen column is skipped.
TEST(Tableconv, GriddersAndHypoviewsFiles) {
    const std::string table =
        "\"\",\"site\",\"x\",\"y\",\"zinc\"\n\"1\",\"A, \"\"old\"\"\",10,20,120.5\n"
        "\"2\",\"B\",11.5,21,NA\n\"3\",\"C\",512345,4781153.5,98\n";
    ProgramRun grid =
        runTool("tableconv", {"gridder", "t.csv", "z.dat", "--x", "x", "--y", "Y", "--z", "5"},
                {{"t.csv", table}});
    EXPECT_EQ(0, grid.status);
    EXPECT_EQ("10 20 120.5\n512345 4781153.5 98\n", grid.file("z.dat"));
    EXPECT_EQ(
        "tableconv: t.csv: 1 row skipped for a missing value (empty, NA or NaN) in a "
        "chosen column, the first on line 3\n",
        grid.err);

    // ln(120.5) and ln(98) as floats, in the fewest digits that read back alike.
    ProgramRun logs = runTool(
        "tableconv", {"gridder", "t.csv", "z.dat", "--x", "x", "--y", "y", "--z", "zinc", "--log"},
        {{"t.csv", table}});
    EXPECT_EQ("10 20 4.79165\n512345 4781153.5 4.5849676\n", logs.file("z.dat"));

    // Semicolons with decimal commas, depths positive down, and a depth of 0 that stays 0.
    ProgramRun quakes =
        runTool("tableconv", {"hypoview", "q.csv", "h.txt", "--x", "1", "--y", "2", "--depth", "3"},
                {{"q.csv", "x;y;depth\r\n1,5;2;10,25\r\n3;4;0\r\n"}});
    EXPECT_EQ(0, quakes.status);
    EXPECT_EQ("", quakes.err);
    EXPECT_EQ("1.5 2 -10.25\n3 4 0\n", quakes.file("h.txt"));
}

// factor's report of a table tableconv wrote: how many variables and samples it inferred.
std::string factorReport(const std::string& table) {
    ProgramRun run = runProgram("factor", "m.txt rep.txt\n", {{"m.txt", table}});
    return run.file("rep.txt");
}

// The README's commands on the example table, and what gridder and factor make of them.
TEST(Tableconv, ExampleTableIntoGridderAndFactor) {
    std::string example = testData("../../examples/tables/river_sediments.csv");
    ProgramRun metals = runTool("tableconv",
                                {"factor", "r.csv", "m.txt", "--id", "1", "--columns",
                                 "zinc,copper,lead,cadmium,organic", "--standardize"},
                                {{"r.csv", example}});
    ASSERT_EQ(0, metals.status) << metals.err;
    std::string report = factorReport(metals.file("m.txt"));
    EXPECT_NE(std::string::npos, report.find("Inferred   5 variables per sample.\n   37 samples"));
    // z-scores: every variance 1, so the covariances are the correlations.
    EXPECT_NE(std::string::npos,
              report.find("Variances and Standard Deviations:\n              Variance      Sigma\n"
                          " zinc         1.000000   1.000000\n copper       1.000000   1.000000\n"
                          " lead         1.000000   1.000000\n cadmium      1.000000   1.000000\n"
                          " organic      1.000000   1.000000\n"));

    ProgramRun zinc = runTool(
        "tableconv",
        {"gridder", "r.csv", "z.dat", "--x", "easting", "--y", "northing", "--z", "zinc", "--log"},
        {{"r.csv", example}});
    ASSERT_EQ(0, zinc.status) << zinc.err;
    ProgramRun gridder = runProgram("gridder", "z.dat\n", {{"z.dat", zinc.file("z.dat")}});
    EXPECT_NE(std::string::npos, gridder.out.find("Reading of data completed: 39 data points."));
}

// 100 variables fill factor's line: columns 9 wide, a longer label cut to the 9 factor keeps,
// with a note; factor reads every variable and sample under its label.
TEST(Tableconv, FactorReadsTheWidestTable) {
    ProgramRun run = runTool("tableconv", {"factor", "w.tsv", "m.txt", "--id", "id"},
                             {{"w.tsv", wideTable(100, "0.125", "cadmium_total_ppm")}});
    ASSERT_EQ(0, run.status);
    EXPECT_EQ(
        "tableconv: w.tsv:1: column 2 (cadmium_total_ppm): labelled \"cadmium_t\": factor "
        "keeps the 9 characters above a column as its label\n",
        run.err);
    std::string table = run.file("m.txt");
    EXPECT_EQ(0u, table.find("id       cadmium_tv2       v3       "));
    EXPECT_NE(std::string::npos, table.find("\n        3        3    0.125    0.125"));
    std::string report = factorReport(table);
    EXPECT_NE(std::string::npos, report.find("Inferred 100 variables per sample.\n    3 samples"));
    EXPECT_NE(std::string::npos, report.find("Means of the variables:\n cadmium_t "));
}

}  // namespace tableconv_dialogue
