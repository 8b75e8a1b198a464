#include "speed90_records.h"

#include "notation.h"

namespace {

std::string rightAligned(const std::string& text, int width) {
    if (static_cast<int>(text.size()) > width) return std::string(width, '*');
    return std::string(width - text.size(), ' ') + text;
}

}  // namespace

std::string integerField(long long value, int width) {
    return rightAligned(std::to_string(value), width);
}

std::string fixedField(float value, int width, int decimals) {
    char text[NOTATION_BUFFER];
    formatFixed(text, value, decimals);
    return rightAligned(text, width);
}

std::string operationsRecord(long long operations, const char* ending) {
    return " " + integerField(operations, 10) + " (10**" + fixedField(9.0f, 4, 2) +
           ") floating-point operations" + ending;
}

std::string progressRecord(int percent) {
    return "+" + integerField(percent, 3) + "% complete...";
}

std::string elapsedRecord(float seconds) {
    return " Elapsed time was " + fixedField(seconds, 10, 3) + " seconds.";
}

std::string rateRecord(float seconds) {
    if (!(seconds > 0.0f)) return " System_Clock may not be working.";
    float rate = 1.0e9f / seconds / 1.0e6f;
    return " This computer calculates at " + fixedField(rate, 10, 3) + " MFPO/s.";
}
