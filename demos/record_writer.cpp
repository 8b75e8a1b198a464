#include "record_writer.h"

#include <unistd.h>

void RecordWriter::write(std::string_view record) {
    if (!console_) {
        os_ << record << '\n';
        return;
    }
    char control = record.empty() ? ' ' : record.front();
    std::string_view text = record.empty() ? record : record.substr(1);
    if (control == '+')
        os_ << '\r';
    else if (!freshLine_)
        os_ << '\n';
    os_ << text;
    freshLine_ = false;
}

void RecordWriter::writeLine(std::string_view text) {
    if (console_ && !freshLine_) os_ << '\n';
    os_ << text << '\n';
    freshLine_ = true;
}

bool outputIsConsole() {
    return isatty(STDOUT_FILENO) == 1;
}

bool inputIsConsole() {
    return isatty(STDIN_FILENO) == 1;
}
