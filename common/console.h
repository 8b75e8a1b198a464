#pragma once
// Small routines every program shares: the closing pause, minimum and maximum, and the exact
// text comparison used for yes-words.
#include <initializer_list>
#include <string_view>

// Writes "Press any key to continue...", waits for one key on the controlling terminal (raw mode,
// no echo) when standard input is a terminal, then writes a line end.  When standard input is not
// a terminal (piped answers, tests) there is no key to wait for: it returns at once.
void pauseForKey();

inline float minOf(float a, float b) { return a < b ? a : b; }
inline float maxOf(float a, float b) { return a > b ? a : b; }
inline double minOf(double a, double b) { return a < b ? a : b; }
inline double maxOf(double a, double b) { return a > b ? a : b; }
inline float minOf3(float a, float b, float c) {
    float t = minOf(a, b);
    return t < c ? t : c;
}
inline float maxOf3(float a, float b, float c) {
    float t = maxOf(a, b);
    return t > c ? t : c;
}
inline double minOf3(double a, double b, double c) {
    double t = minOf(a, b);
    return t < c ? t : c;
}
inline double maxOf3(double a, double b, double c) {
    double t = maxOf(a, b);
    return t > c ? t : c;
}
inline int minOfInt(int a, int b) { return a < b ? a : b; }
inline int maxOfInt(int a, int b) { return a > b ? a : b; }

// True when both texts are identical and at most 1023 characters long (case-sensitive).
bool stringsEqual(const char* lhs, const char* rhs);

// True when word equals one of the listed words under stringsEqual.
bool isOneOf(const char* word, std::initializer_list<const char*> words);
