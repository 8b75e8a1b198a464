#include "read_number.h"

#include <cctype>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int MAX_NUMBER_CHARS = 19;

bool isDigit(int c) { return c >= '0' && c <= '9'; }

// Collects the characters of one number (at most 19 kept, the rest of it consumed) into text.
// Returns false, with the stream failed, when no digit of a number could be taken.
bool takeNumberText(std::istream& in, char (&text)[MAX_NUMBER_CHARS + 1], bool realNumber,
                    bool& nonZeroMantissa) {
    std::istream::sentry ready(in);  // skips white space; fails at the end of the stream
    if (!ready) return false;
    std::streambuf* buf = in.rdbuf();
    int len = 0;
    bool digits = false;
    nonZeroMantissa = false;
    int c = buf->sgetc();
    // Each taken character is kept (up to the limit) and the next one looked at.
    auto take = [&] {
        if (len < MAX_NUMBER_CHARS) text[len++] = static_cast<char>(c);
        c = buf->snextc();
    };
    auto takeSign = [&] {
        if (c == '+' || c == '-') take();
    };
    auto takeDigits = [&](bool mantissa) {
        for (; isDigit(c); take()) {
            if (mantissa) {
                digits = true;
                if (c != '0') nonZeroMantissa = true;
            }
        }
    };
    takeSign();
    takeDigits(true);
    if (realNumber && c == '.') {
        take();
        takeDigits(true);
    }
    if (realNumber && digits && (c == 'e' || c == 'E')) {
        take();
        takeSign();
        takeDigits(false);
    }
    if (c == std::char_traits<char>::eof()) in.setstate(std::ios::eofbit);
    text[len] = '\0';
    if (!digits) in.setstate(std::ios::failbit);
    return digits;
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
    char text[MAX_NUMBER_CHARS + 1];
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
    char text[MAX_NUMBER_CHARS + 1];
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
    char text[MAX_NUMBER_CHARS + 1];
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
    std::istream::sentry ready(in);
    if (!ready) return false;
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
