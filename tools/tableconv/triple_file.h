#pragma once
// The x y z files of gridder (its data file) and hypoview (its hypocentre file): one triple a
// line, each number the shortest text that the program reads back as the same float.
#include <string>

#include "table_columns.h"

// What becomes of the third column: as it is, its natural logarithm (gridder's --log), or its
// negative (hypoview's Gamma from a depth below the reference level).
enum class ThirdValue { asIs, logarithm, negated };

// rows.values hold x, y and the third value of each row.
std::string tripleFileText(const ChosenRows& rows, ThirdValue third);
