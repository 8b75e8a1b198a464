#include "metafile_reader.h"

#include <cctype>

#include "read_number.h"

namespace {

constexpr int END = std::char_traits<char>::eof();
constexpr std::size_t SHOWN_WORD_LIMIT = 20;

}  // namespace

template <class Real>
int MetafileReader<Real>::nextNonBlank() {
    for (;;) {
        int c = in_.get();
        if (c == END) return c;
        if (c == '\n') ++line_;
        if (!std::isspace(c)) return c;
    }
}

template <class Real>
bool MetafileReader<Real>::readCoordinate(Real& value, MetafileStatus& failure) {
    // Count the line ends the number reader would skip, so that messages name the right line.
    for (int c = in_.peek(); c != END && std::isspace(c); c = in_.peek()) {
        if (c == '\n') ++line_;
        in_.get();
    }
    if (readReal(in_, value)) return true;
    in_.clear();
    if (!readWord(in_, word_, SHOWN_WORD_LIMIT)) {
        failure = MetafileStatus::cutShort;
        return false;
    }
    in_.clear();
    failure = MetafileStatus::unreadable;
    return false;
}

template <class Real>
void MetafileReader<Real>::readTextLine(std::string& text) {
    text.clear();
    for (int c = in_.get(); c != END && c != '\n'; c = in_.get())
        if (text.size() < TEXT_LINE_LIMIT) text.push_back(static_cast<char>(c));
    ++line_;
}

template <class Real>
MetafileStatus MetafileReader<Real>::next(MetafileCommand<Real>& command) {
    for (int c = nextNonBlank(); c != END; c = nextNonBlank()) {
        command.letter = static_cast<char>(c);
        command.line = line_;
        MetafileStatus failure = MetafileStatus::command;
        if (c == 'L') {
            if (readCoordinate(command.x1, failure) && readCoordinate(command.y1, failure) &&
                readCoordinate(command.x2, failure) && readCoordinate(command.y2, failure))
                return MetafileStatus::command;
            return failure;
        }
        if (c == 'P') {
            if (readCoordinate(command.x1, failure) && readCoordinate(command.y1, failure))
                return MetafileStatus::command;
            return failure;
        }
        if (c == 'T') {
            readTextLine(command.textLine);
            readTextLine(command.text);
            return MetafileStatus::command;
        }
    }
    return MetafileStatus::end;
}

template class MetafileReader<float>;
template class MetafileReader<double>;
