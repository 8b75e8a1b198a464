#pragma once
// Reads the commands of a graphics metafile by the rules every reader of the suite shares: the
// command letter is the next non-blank character; the numbers of L and P are free-format reals
// separated by any white space; after T the rest of that line and the whole next line are taken
// as they stand (each up to 79 characters).  Any other non-blank character is skipped on its own.
#include <istream>
#include <string>

enum class MetafileStatus {
    command,     // one command was read
    end,         // the file holds no further command
    cutShort,    // the file ends inside the numbers of an L or P command
    unreadable,  // a number of an L or P command cannot be read (unreadableWord() shows it)
};

template <class Real>
struct MetafileCommand {
    char letter = 0;              // 'L', 'P' or 'T'
    Real x1{}, y1{}, x2{}, y2{};  // L: both ends; P: the point in x1, y1
    std::string textLine;         // T: the rest of the T line (its five numbers)
    std::string text;             // T: the line after it, the text to draw
    int line = 0;                 // the line of the command letter, counted from 1
};

template <class Real>
class MetafileReader {
public:
    static constexpr std::size_t TEXT_LINE_LIMIT = 79;

    explicit MetafileReader(std::istream& in) : in_(in) {}
    MetafileStatus next(MetafileCommand<Real>& command);
    const std::string& unreadableWord() const { return word_; }
    int line() const { return line_; }

private:
    int nextNonBlank();
    bool readCoordinate(Real& value, MetafileStatus& failure);
    void readTextLine(std::string& text);

    std::istream& in_;
    int line_ = 1;
    std::string word_;
};

extern template class MetafileReader<float>;
extern template class MetafileReader<double>;
