#include <gtest/gtest.h>

#include <sstream>

#include "record_writer.h"

namespace {

TEST(RecordWriter, OffConsoleRecordsAreWrittenUnchanged) {
    std::ostringstream os;
    RecordWriter records(os, false);
    records.write(" Press [Enter] to begin timing! ");
    records.write("+  1% complete...");
    records.write("");
    records.inputLineEchoed();  // makes no difference off a console
    records.write(" Done");
    records.writeLine("Stop - Program terminated.");
    EXPECT_EQ(
        " Press [Enter] to begin timing! \n+  1% complete...\n\n Done\n"
        "Stop - Program terminated.\n",
        os.str());
}

TEST(RecordWriter, OnConsoleBlankStartsNewLineAndPlusOverwrites) {
    std::ostringstream os;
    RecordWriter records(os, true);
    records.write(" Title");  // the program's first record uses the line the cursor is on
    records.write(" 1000000000 starting NOW!");
    records.write("+  1% complete...");
    records.write("+  2% complete...");
    records.write(" COMPLETED!");  // after the last progress record: a new line
    EXPECT_EQ("Title\n1000000000 starting NOW!\r  1% complete...\r  2% complete...\nCOMPLETED!",
              os.str());
}

TEST(RecordWriter, OnConsoleEmptyRecordLeavesAnEmptyLine) {
    std::ostringstream os;
    RecordWriter records(os, true);
    records.write(" Rate");
    records.write("");
    records.write(" Press [Enter] to exit... ");
    EXPECT_EQ("Rate\n\nPress [Enter] to exit... ", os.str());
}

TEST(RecordWriter, OnConsolePromptLeavesCursorAfterItsBlank) {
    std::ostringstream typedWithoutEcho;
    RecordWriter piped(typedWithoutEcho, true);
    piped.write(" Prompt: ");
    piped.write(" Next");
    piped.writeLine("Stop - Program terminated.");
    EXPECT_EQ("Prompt: \nNext\nStop - Program terminated.\n", typedWithoutEcho.str());

    // The echo of the typed line already moved the cursor to a new line.
    std::ostringstream typedWithEcho;
    RecordWriter typed(typedWithEcho, true);
    typed.write(" Prompt: ");
    typed.inputLineEchoed();
    typed.write(" Next");
    typed.write(" Exit: ");
    typed.inputLineEchoed();
    typed.writeLine("Stop - Program terminated.");
    EXPECT_EQ("Prompt: Next\nExit: Stop - Program terminated.\n", typedWithEcho.str());
}

}  // namespace
