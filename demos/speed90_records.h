#pragma once
// The records of speed90 that carry numbers, each with its carriage-control character first.
#include <string>

// An integer right-aligned in width characters; width '*' when it does not fit.
std::string integerField(long long value, int width);
// Fixed notation with the given decimals, right-aligned in width characters; width '*' when it
// does not fit.
std::string fixedField(float value, int width, int decimals);

// " 1000000000 (10**9.00) floating-point operations" followed by the ending (" starting NOW!").
std::string operationsRecord(long long operations, const char* ending);
// "+" and the percentage in 3 characters: it overwrites the line it is written on.
std::string progressRecord(int percent);
std::string elapsedRecord(float seconds);
// The rate in millions of operations per second for 10^9 operations in the given seconds, or,
// when no time has been measured, the remark that the clock may not be working.
std::string rateRecord(float seconds);
