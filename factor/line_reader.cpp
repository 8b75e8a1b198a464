#include "line_reader.h"

#include <string>

LineRead readLine(std::istream& in, LineBuffer& line) {
    using Traits = std::char_traits<char>;
    LineRead result;
    std::streambuf* buf = in.rdbuf();
    int n = 0;
    bool brokeLine = false;
    while (n < MAXLINE - 1) {
        int c = buf ? buf->sbumpc() : Traits::eof();
        if (c == Traits::eof()) {
            result.atEnd = true;
            break;
        }
        result.tookAny = true;
        if (c == '\n') {
            brokeLine = true;
            break;
        }
        line[n++] = static_cast<char>(c);
    }
    if (!brokeLine && !result.atEnd) result.cut = buf->sgetc() != Traits::eof();
    if (!result.cut && n > 0 && line[n - 1] == '\r') --n;
    line[n] = '\0';
    result.length = n;
    return result;
}

int lineLength(const char* text) {
    int n = 0;
    while (n < 1024 && text[n] != '\0' && text[n] != '\n') ++n;
    return n;
}
