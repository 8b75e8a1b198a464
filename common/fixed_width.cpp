#include "fixed_width.h"

#include <cmath>

#include "notation.h"

namespace {

// Offsets of the digit count: the first is 1.00001 rounded to single precision, the second the
// double-precision constant, so that a value up to 0.0023 % below a power of ten already counts
// the next digit and cannot overflow its field when it rounds up.
constexpr double DIGIT_OFFSET_FIRST = 1.0000100135803223;
constexpr double DIGIT_OFFSET_SECOND = 1.00001;
constexpr double OVERFLOW_LOG = 38.5;
constexpr int SIGNIFICANT_CAP = 7;
constexpr int SCIENTIFIC_DECIMALS_CAP = 6;

void fill(std::ostream& os, int w, char c) {
    for (int i = 0; i < w; ++i) os.put(c);
}

void padded(std::ostream& os, int w, const char* text, int len) {
    fill(os, w - len, ' ');
    os.write(text, len);
}

template <class T>
void writeFixedWidthAs(std::ostream& os, int w, T value, int streamDecimalsCap) {
    os.width(0);
    if (w <= 0) return;  // every path writes a fill of w characters or a text of w: nothing
    const double v = value;
    const bool isNan = std::isnan(v);
    const bool positive = v > 0;  // zero and NaN take the paths of a negative value
    int k, p, q;
    if (v == 0 || isNan) {
        k = 1;
        p = 7;
        q = 1;
    } else {
        double L = std::log10(std::fabs(v));
        if (L > OVERFLOW_LOG) {
            fill(os, w, '!');
            return;
        }
        k = static_cast<int>(L + DIGIT_OFFSET_FIRST);
        if (L + DIGIT_OFFSET_SECOND < k) --k;
        if (positive) {
            p = k >= 1 ? w - 1 : w + k - 2;
            if (k < 1) k = 1;
            q = w - 6;
        } else {
            p = k >= 1 ? w - 2 : w + k - 3;
            k = k + 1;
            if (k < 2) k = 2;
            q = w - 7;
        }
        if (p > SIGNIFICANT_CAP) p = SIGNIFICANT_CAP;
        if (q > SIGNIFICANT_CAP) q = SIGNIFICANT_CAP;
    }

    char text[NOTATION_BUFFER];
    if (k < w && q < p) {
        int s = w - k - 1;
        int t = positive ? 7 - k : 8 - k;
        if (t < 0) t = 0;
        if (t < s) s = t;
        int shown = s < streamDecimalsCap ? s : streamDecimalsCap;
        if (isNan) {
            if (w < 3) {
                fill(os, w, '*');
                return;
            }
            padded(os, w, "nan", 3);
            os.precision(s);
            return;
        }
        int len = formatFixed(text, v, shown);
        if (len <= w) {
            padded(os, w, text, len);
            os.precision(s);
            return;
        }
        // A value that rounds up to the next power of ten, or a negative zero, can come out one
        // character wider than the field: drop decimals until it fits.  The stream keeps s all
        // the same: callers size their later general-notation output by the decimals the field
        // was laid out for, not by what the rounding left room for.
        while (len > w && shown > 0) len = formatFixed(text, v, --shown);
        if (len > w) {
            fill(os, w, '*');
            return;
        }
        padded(os, w, text, len);
        os.precision(s);
        return;
    }

    int s = positive ? w - 7 : w - 8;
    if (s <= 0) {
        fill(os, w, '*');
        return;
    }
    if (s > SCIENTIFIC_DECIMALS_CAP) s = SCIENTIFIC_DECIMALS_CAP;
    int len = isNan ? 3 : formatScientific(text, v, s);
    padded(os, w, isNan ? "nan" : text, len);
    os.precision(s);
}

}  // namespace

void writeFixedWidth(std::ostream& os, int w, float value) { writeFixedWidthAs(os, w, value, 6); }
void writeFixedWidth(std::ostream& os, int w, double value) { writeFixedWidthAs(os, w, value, 15); }
