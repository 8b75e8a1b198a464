#pragma once
// Output as formatted records with carriage control: the first character of each record says
// where it goes and is not shown.  A blank starts the record on a new line, "+" returns to the
// start of the current line so that the record overwrites it.  A record leaves the cursor at its
// end: the line advance belongs to the start of the next record, so a prompt ending in a blank
// leaves the cursor after that blank.
//
// Only a console gets this treatment.  Anywhere else (output redirected to a file or a pipe)
// every record is written unchanged, first character included, and ends with a line break.
#include <ostream>
#include <string_view>

class RecordWriter {
  public:
    RecordWriter(std::ostream& os, bool console) : os_(os), console_(console) {}

    void write(std::string_view record);
    // A plain line of its own, written as it stands (the closing stop message).
    void writeLine(std::string_view text);
    // The user has typed a line on the console, and its echo has left the cursor at the start of
    // a new line: the next record starts there instead of leaving an empty line behind.
    void inputLineEchoed() { freshLine_ = true; }
    void flush() { os_.flush(); }

  private:
    std::ostream& os_;
    bool console_;
    // The cursor stands at the start of a line that no record has used yet: at the program's
    // start, and after the echo of a typed line.
    bool freshLine_ = true;
};

// True when standard output is a console, where carriage control applies.
bool outputIsConsole();
// True when standard input is a console, whose echo of a typed line ends in a line break.
bool inputIsConsole();
