#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "float_text.h"
#include "table_columns.h"
#include "table_reader.h"

namespace {

// Header and rows as "a|b/1|2", or the fault as "line:column: what".
std::string tableRead(const std::string& text, Separator separator = Separator::detect) {
    TableReader reader(text, separator);
    std::vector<std::string> fields;
    TableFault fault;
    auto fault_text = [&] {
        return std::to_string(fault.line) + ":" + std::to_string(fault.column) + ": " + fault.what;
    };
    if (!reader.readHeader(fields, fault)) return fault_text();
    std::string shown;
    int line = 0;
    do {
        if (!shown.empty()) shown += "/";
        for (std::size_t i = 0; i < fields.size(); ++i) shown += (i ? "|" : "") + fields[i];
    } while (reader.nextRow(fields, line, fault));
    return fault.what.empty() ? shown : fault_text();
}

}  // namespace

TEST(TableReader, SeparatorsQuotesAndLineEnds) {
    struct Case {
        const char* text;
        Separator separator;
        const char* read;
    } cases[] = {
        {"a,b\n1,2\n", Separator::detect, "a|b/1|2"},
        {"a,b\r\n1,2\r\n", Separator::detect, "a|b/1|2"},              // CRLF
        {"a,b\r1,2\r3,4", Separator::detect, "a|b/1|2/3|4"},           // lone CR, no last end
        {"\xEF\xBB\xBF\"a\",b\n1,2\n", Separator::detect, "a|b/1|2"},  // byte-order mark
        {"a,b\n\"x,y\",\"say \"\"hi\"\"\"\n", Separator::detect, "a|b/x,y|say \"hi\""},
        {"a,b\n\"two\r\nlines\",1\n", Separator::detect, "a|b/two\nlines|1"},
        {"a;b\n1,5;2\n", Separator::detect, "a|b/1,5|2"},  // semicolons outnumber commas
        {"site name\tx,y\n\" A \"\t1\n", Separator::detect, "site name|x,y/ A |1"},  // tabs
        {"  x   y\n 1 \t 2\n", Separator::detect, "x|y/1|2"},  // runs of blanks and tabs
        {"\"a b\" c\n\"1 2\"  3\n", Separator::detect, "a b|c/1 2|3"},
        {"a, b \n\n 1 , 2\n  \n", Separator::detect, "a|b/1|2"},  // blanks trimmed, lines skipped
        {"a,b,c\n1,,\n", Separator::detect, "a|b|c/1||"},         // empty fields
        {"a;b,c\n1;2,3\n", Separator::comma, "a;b|c/1;2|3"},      // --separator wins
        {"a b\tc\n1 2\t3\n", Separator::tab, "a b|c/1 2|3"},
        {"\"x\" \"y\"\n\"1\" 1.5 2\n\"2\" 3 4\n", Separator::detect, "|x|y/1|1.5|2/2|3|4"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.read, tableRead(c.text, c.separator)) << c.text;
}

TEST(TableReader, FaultsNameLineAndColumn) {
    struct Case {
        const char* text;
        const char* fault;
    } cases[] = {
        {"", "1:0: the file holds no header line (it is empty or blank)"},
        {"\n \r\n\t\n", "1:0: the file holds no header line (it is empty or blank)"},
        {"a,b\n1,\"2\n3\n", "2:2: the quote opened on this line is never closed"},
        {"a,b\n\"1\"x,2\n",
         "2:1: text after the closing quote; a quote inside a quoted field is doubled"},
        {"a,b,c\n1,2,3\n1,2\n", "3:3: the row has 2 fields, the header names 3 columns"},
        {"a,b\n1,2\n1,2,3\n", "3:3: the row has 3 fields, the header names 2 columns"},
        {"a b\n1\n", "2:2: the row has 1 field, the header names 2 columns"},
        // A quoted line break moves the lines that follow.
        {"a,b\n\"x\ny\",1\n2\n", "4:2: the row has 1 field, the header names 2 columns"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.fault, tableRead(c.text)) << c.text;
}

TEST(TableColumns, ValuesAndMissingValues) {
    struct Case {
        const char* field;
        ValueKind kind;
        bool decimalComma;
        const char* read;  // the value, or the reason
    } cases[] = {
        {"2,5", ValueKind::real, true, "2.5"},
        {"2,5", ValueKind::real, false, "\"2,5\" is not a number"},
        {"1.234,5", ValueKind::real, true, "\"1.234,5\" is not a number"},
        {"1,2,3", ValueKind::real, true, "\"1,2,3\" is not a number"},
        {"12abc", ValueKind::real, false, "\"12abc\" is not a number"},
        {"-3.4e38", ValueKind::real, false, "-3.4e+038"},
        {"-2147483648", ValueKind::integer, false, "-2.1474836e+009"},
        {"2147483648", ValueKind::integer, false,
         "\"2147483648\" is not an integer in the range factor reads as an identifier"},
    };
    for (const Case& c : cases) {
        double value = 0;
        std::string what;
        std::string read =
            readValue(c.field, c.kind, c.decimalComma, value, what) ? floatText(value) : what;
        EXPECT_EQ(c.read, read) << c.field;
    }
    for (const char* missing : {"", "NA", "na", "NaN", "NAN"}) EXPECT_TRUE(isMissingValue(missing));
    for (const char* present : {"N/A", "0", "-", "nan1"}) EXPECT_FALSE(isMissingValue(present));
}

// The shortest text that reads back as the same float, whole numbers without an exponent.
TEST(FloatText, ShortestExactText) {
    EXPECT_EQ("0.1", floatText(0.1));
    EXPECT_EQ("500000", floatText(500000));
    EXPECT_EQ("4781153", floatText(4781153));
    EXPECT_EQ("16777216", floatText(16777217));  // the float nearest
    EXPECT_EQ("3.1415927", floatText(M_PI));
    EXPECT_EQ("1e+020", floatText(1e20));
    EXPECT_EQ("1e-005", floatText(1e-5));
    EXPECT_EQ("-1.1754944e-038", floatText(-1.17549435e-38));  // not "-1e-038"
    EXPECT_EQ("9.9999461e-041", floatText(1e-40));
    EXPECT_EQ("0", floatText(0));
}
