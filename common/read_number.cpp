#include "read_number.h"

#include <cctype>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

using NumberText = char[MAX_NUMBER_LENGTH + 1];

bool isDigit(int c) { return c >= '0' && c <= '9'; }

// Collects the characters of one whole number into text.  Returns false, with the stream
// failed, when no digit of a number could be taken or the number is longer than text holds.
bool takeNumberText(std::istream& in, NumberText& text, bool realNumber, bool& nonZeroMantissa) {
    if (!skipBlankRun(in)) return false;
    std::streambuf* buf = in.rdbuf();
    int len = 0;
    bool digits = false;
    bool tooLong = false;
    nonZeroMantissa = false;
    int c = buf->sgetc();
    // The character that would overflow text stays unread and ends the item.
    auto take = [&] {
        if (len == MAX_NUMBER_LENGTH) {
            tooLong = true;
            return;
        }
        text[len++] = static_cast<char>(c);
        c = buf->snextc();
    };
    auto takeSign = [&] {
        if (!tooLong && (c == '+' || c == '-')) take();
    };
    auto takeDigits = [&](bool mantissa) {
        for (; !tooLong && isDigit(c); take()) {
            if (mantissa) {
                digits = true;
                if (c != '0') nonZeroMantissa = true;
            }
        }
    };
    takeSign();
    takeDigits(true);
    if (!tooLong && realNumber && c == '.') {
        take();
        takeDigits(true);
    }
    if (!tooLong && realNumber && digits && (c == 'e' || c == 'E')) {
        take();
        takeSign();
        takeDigits(false);
    }
    if (c == std::char_traits<char>::eof()) in.setstate(std::ios::eofbit);
    text[len] = '\0';
    if (!digits || tooLong) {
        in.setstate(std::ios::failbit);
        return false;
    }
    return true;
}

// The text as a double; an exponent without digits counts as no exponent.
double toDouble(const char* text, bool& outOfRange) {
    errno = 0;
    double d = std::strtod(text, nullptr);
    outOfRange = errno == ERANGE;
    return d;
}

}  // namespace

bool readReal(std::istream& in, float& target) {
    NumberText text;
    bool nonZero;
    if (!takeNumberText(in, text, true, nonZero)) return false;
    bool outOfRange;
    double d = toDouble(text, outOfRange);
    double magnitude = std::fabs(d);
    bool negative = text[0] == '-';
    if (magnitude > FLT_MAX) {
        target = negative ? -FLT_MAX : FLT_MAX;
    } else if (nonZero && magnitude < FLT_MIN) {
        target = negative ? -FLT_MIN : FLT_MIN;
    } else {
        target = std::strtof(text, nullptr);  // rounded once, from the decimal text
    }
    return true;
}

bool readReal(std::istream& in, double& target) {
    NumberText text;
    bool nonZero;
    if (!takeNumberText(in, text, true, nonZero)) return false;
    bool outOfRange;
    double d = toDouble(text, outOfRange);
    bool negative = text[0] == '-';
    if (std::isinf(d)) {
        d = negative ? -DBL_MAX : DBL_MAX;
    } else if (nonZero && std::fabs(d) < DBL_MIN) {
        d = negative ? -DBL_MIN : DBL_MIN;
    }
    target = d;
    return true;
}

bool readInt(std::istream& in, int& target) {
    NumberText text;
    bool nonZero;
    if (!takeNumberText(in, text, false, nonZero)) return false;
    errno = 0;
    long long v = std::strtoll(text, nullptr, 10);
    if (v > INT_MAX) v = INT_MAX;
    if (v < INT_MIN) v = INT_MIN;
    target = static_cast<int>(v);
    return true;
}

bool readWord(std::istream& in, std::string& word, std::size_t maxLength) {
    if (!skipBlankRun(in)) return false;
    word.clear();
    std::streambuf* buf = in.rdbuf();
    for (int c = buf->sgetc();; c = buf->snextc()) {
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            break;
        }
        if (std::isspace(static_cast<unsigned char>(c))) break;
        if (word.size() < maxLength) word.push_back(static_cast<char>(c));
    }
    return true;
}

void skipWord(std::istream& in) {
    std::streambuf* buf = in.rdbuf();
    for (int c = buf->sgetc();; c = buf->snextc()) {
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            return;
        }
        if (std::isspace(static_cast<unsigned char>(c))) return;
    }
}

// Skips white space as the stream's own extraction would, but gives up after MAX_SKIP characters.
bool skipBlankRun(std::istream& in) {
    std::istream::sentry ready(in, true);  // flushes the tied console before a read
    if (!ready) return false;
    std::streambuf* buf = in.rdbuf();
    int c = buf->sgetc();
    for (long run = 0; std::isspace(c) || c == std::char_traits<char>::eof(); ++run) {
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit | std::ios::failbit);
            return false;
        }
        if (run == MAX_SKIP) {
            in.setstate(std::ios::failbit);
            return false;
        }
        c = buf->snextc();
    }
    return true;
}

bool readRestOfLine(std::istream& in, std::string& line, std::size_t maxLength) {
    line.clear();
    std::istream::sentry ready(in, true);
    if (!ready) return false;
    std::streambuf* buf = in.rdbuf();
    for (long taken = 0;; ++taken) {
        int c = buf->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in.setstate(taken == 0 ? std::ios::eofbit | std::ios::failbit : std::ios::eofbit);
            return taken > 0;
        }
        if (c == '\n') return true;
        if (taken == MAX_SKIP) {
            in.setstate(std::ios::failbit);
            return false;
        }
        if (line.size() < maxLength) line.push_back(static_cast<char>(c));
    }
}
