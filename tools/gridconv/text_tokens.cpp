#include "text_tokens.h"

#include <cctype>
#include <sstream>

#include "read_number.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

bool TextTokens::nextOnLine(std::string_view& word) {
    while (at_ < text_.size() && isBlank(text_[at_])) ++at_;
    if (at_ >= text_.size() || text_[at_] == '\n') return false;
    std::size_t start = at_;
    while (at_ < text_.size() && !isBlank(text_[at_]) && text_[at_] != '\n') ++at_;
    word = std::string_view(text_).substr(start, at_ - start);
    wordLine_ = line_;
    return true;
}

bool TextTokens::next(std::string_view& word) {
    for (;;) {
        if (nextOnLine(word)) return true;
        if (at_ >= text_.size()) return false;
        ++at_;  // the line end
        ++line_;
    }
}

bool wordNumber(std::string_view word, double& value) {
    std::istringstream in{std::string(word)};
    return readReal(in, value) && in.peek() == EOF;
}

bool isNotANumberWord(std::string_view word) {
    if (word.size() != 3) return false;
    return std::tolower(static_cast<unsigned char>(word[0])) == 'n' &&
           std::tolower(static_cast<unsigned char>(word[1])) == 'a' &&
           std::tolower(static_cast<unsigned char>(word[2])) == 'n';
}
