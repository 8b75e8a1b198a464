#pragma once
// The words of a text file one by one, each with the line it stands on, for the readers that name
// the line at fault (ESRI ASCII grids, x y z text).
#include <string>
#include <string_view>

class TextTokens {
  public:
    explicit TextTokens(const std::string& text) : text_(text) {}
    // The next word (a run of characters other than blanks, tabs, carriage returns and line
    // ends); false at the end of the text.
    bool next(std::string_view& word);
    // Like next, but only within the current line: false at its end (the line end stays unread).
    bool nextOnLine(std::string_view& word);
    // The line of the last word read (1 before any): where a file that ends too soon is named.
    int line() const { return wordLine_; }

  private:
    const std::string& text_;
    std::size_t at_ = 0;
    int line_ = 1;
    int wordLine_ = 1;
};

// The whole word one number, read as the suite reads numbers (read_number.h): false for anything
// else.  A NaN is no number here; isNotANumberWord tells it apart.
bool wordNumber(std::string_view word, double& value);
bool isNotANumberWord(std::string_view word);
