#pragma once
// writeFixedWidth: one real in exactly w characters, choosing fixed or scientific notation and
// the number of decimals so that the field shows as many significant digits as it holds (at most
// 7).  '!' fills a value beyond the single-precision range, '*' a field too narrow for it.
// It keeps the stream's notation but leaves its precision at the decimals it computed, so that a
// later general-notation real on the same stream shows that many significant digits.
#include <ostream>

void writeFixedWidth(std::ostream& os, int w, float value);
void writeFixedWidth(std::ostream& os, int w, double value);
