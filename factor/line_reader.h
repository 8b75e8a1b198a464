#pragma once
// Reading the sample table line by line into fixed buffers of MAXLINE characters.
#include <array>
#include <istream>

#include "capacities.h"

using LineBuffer = std::array<char, MAXLINE>;

struct LineRead {
    bool tookAny = false;  // at least one character (the line break included) came from the file
    bool atEnd = false;    // the read met the end of the file
    bool cut = false;      // 999 characters filled the buffer and more of the file follows
    int length = 0;        // characters stored, a terminator in the text included
};

// Reads one line into line, terminated: the characters up to the line break (which is consumed,
// not stored), at most MAXLINE - 1 of them.  A longer line leaves its rest unread, to come as the
// next line.  A carriage return before the line break is dropped, so that files with CR LF line
// ends read the same as others.
LineRead readLine(std::istream& in, LineBuffer& line);

// The number of characters before the first line break or terminator, counting at most 1024.
int lineLength(const char* text);
