#include "notation.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// The value's magnitude as 17 significant digits, correctly rounded: digit[0] stands at 10^exp.
struct SeventeenDigits {
    char digit[17];
    int exp;
};

SeventeenDigits seventeenDigits(double magnitude) {
    char text[48];
    auto result = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 16);
    *result.ptr = '\0';
    SeventeenDigits d;
    d.digit[0] = text[0];
    std::memcpy(d.digit + 1, text + 2, 16);
    d.exp = std::atoi(text + 19);  // after "d.dddddddddddddddde"
    return d;
}

// Digits kept after cutting the 17-digit string: digit[0] stands at 10^exp, len may be 0 (zero).
struct Rounded {
    char digit[NOTATION_BUFFER];
    int len;
    int exp;
    char at(int position) const {  // the digit standing at 10^position
        int index = exp - position;
        return index >= 0 && index < len ? digit[index] : '0';
    }
};

// Keeps the first n digits, raising the last one when the first dropped digit is 5 or more (halves
// away from zero).  A carry out of the leading digit makes the number one digit longer.
Rounded keepDigits(const SeventeenDigits& d, int n) {
    Rounded r;
    r.exp = d.exp;
    if (n <= 0) {
        r.len = 0;
        if (n == 0 && d.digit[0] >= '5') {
            r.digit[0] = '1';
            r.len = 1;
            r.exp = d.exp + 1;
        }
        return r;
    }
    if (n >= static_cast<int>(NOTATION_BUFFER) - 1) n = NOTATION_BUFFER - 2;
    r.len = n;
    for (int i = 0; i < n; ++i) r.digit[i] = i < 17 ? d.digit[i] : '0';
    if (n < 17 && d.digit[n] >= '5') {
        int i = n - 1;
        while (i >= 0 && r.digit[i] == '9') r.digit[i--] = '0';
        if (i >= 0) {
            ++r.digit[i];
        } else {
            // 99.9 -> 100.0: one digit more in front, same number of decimals.
            std::memmove(r.digit + 1, r.digit, n);
            r.digit[0] = '1';
            r.len = n + 1;
            r.exp = d.exp + 1;
        }
    }
    return r;
}

int writeNonFinite(char* out, double value) {
    const char* text = std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    std::strcpy(out, text);
    return static_cast<int>(std::strlen(text));
}

// Fixed layout of rounded digits with the given decimals.
int layFixed(char* out, bool negative, const Rounded& r, int decimals) {
    char* p = out;
    if (negative) *p++ = '-';
    int top = r.exp > 0 ? r.exp : 0;
    for (int position = top; position >= 0; --position) *p++ = r.at(position);
    if (decimals > 0) {
        *p++ = '.';
        for (int position = -1; position >= -decimals; --position) *p++ = r.at(position);
    }
    *p = '\0';
    return static_cast<int>(p - out);
}

// Scientific layout: one digit, decimals, "e", sign and at least three exponent digits.
int layScientific(char* out, bool negative, const Rounded& r, int decimals, int exponent) {
    char* p = out;
    if (negative) *p++ = '-';
    *p++ = r.len > 0 ? r.digit[0] : '0';
    if (decimals > 0) {
        *p++ = '.';
        for (int i = 1; i <= decimals; ++i) *p++ = i < r.len ? r.digit[i] : '0';
    }
    *p++ = 'e';
    *p++ = exponent < 0 ? '-' : '+';
    int magnitude = exponent < 0 ? -exponent : exponent;
    char exp[8];
    int n = 0;
    do {
        exp[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    while (n < 3) exp[n++] = '0';
    while (n > 0) *p++ = exp[--n];
    *p = '\0';
    return static_cast<int>(p - out);
}

// More digits than any caller asks for; keeps every text inside NOTATION_BUFFER.
constexpr int MAX_DIGITS = 20;

int clampCount(int count, int limit) { return count < 0 ? 0 : (count > limit ? limit : count); }

}  // namespace

int formatFixed(char* out, double value, int decimals) {
    if (!std::isfinite(value)) return writeNonFinite(out, value);
    decimals = clampCount(decimals, MAX_DIGITS);
    SeventeenDigits d = seventeenDigits(std::fabs(value));
    Rounded r = value == 0 ? keepDigits(d, -1) : keepDigits(d, d.exp + 1 + decimals);
    return layFixed(out, std::signbit(value), r, decimals);
}

int formatScientific(char* out, double value, int decimals) {
    if (!std::isfinite(value)) return writeNonFinite(out, value);
    decimals = clampCount(decimals, MAX_DIGITS);
    if (value == 0) {
        Rounded zero;
        zero.len = 0;
        zero.exp = 0;
        return layScientific(out, std::signbit(value), zero, decimals, 0);
    }
    Rounded r = keepDigits(seventeenDigits(std::fabs(value)), decimals + 1);
    return layScientific(out, std::signbit(value), r, decimals, r.exp);
}

int formatGeneral(char* out, double value, int significant) {
    if (!std::isfinite(value)) return writeNonFinite(out, value);
    bool negative = std::signbit(value);
    if (value == 0) {
        char* p = out;
        if (negative) *p++ = '-';
        *p++ = '0';
        *p = '\0';
        return static_cast<int>(p - out);
    }
    int p = clampCount(significant, MAX_DIGITS);
    if (p == 0) p = 1;
    Rounded r = keepDigits(seventeenDigits(std::fabs(value)), p);
    // Drop trailing zeros of the significant digits: they would be stripped from the fraction.
    int shown = r.len;
    if (shown > p) shown = p;  // after a carry the extra digit is a zero
    while (shown > 1 && r.digit[shown - 1] == '0') --shown;
    r.len = shown;
    if (r.exp >= -4 && r.exp <= p - 1) {
        int decimals = shown - 1 - r.exp;
        return layFixed(out, negative, r, decimals > 0 ? decimals : 0);
    }
    return layScientific(out, negative, r, shown - 1, r.exp);
}

namespace {

template <class T>
void writeRealAs(std::ostream& os, T value, int cap) {
    std::streamsize precision = os.precision();
    int digits = precision < 0 ? 6 : (precision > cap ? cap : static_cast<int>(precision));
    char text[NOTATION_BUFFER];
    int len;
    switch (os.flags() & std::ios::floatfield) {
        case std::ios::fixed: len = formatFixed(text, value, digits); break;
        case std::ios::scientific: len = formatScientific(text, value, digits); break;
        default: len = formatGeneral(text, value, digits); break;
    }
    std::streamsize width = os.width();
    os.width(0);
    for (std::streamsize i = len; i < width; ++i) os.put(' ');
    os.write(text, len);
}

}  // namespace

void writeReal(std::ostream& os, float value) { writeRealAs(os, value, 6); }
void writeReal(std::ostream& os, double value) { writeRealAs(os, value, 15); }
