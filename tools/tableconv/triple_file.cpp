#include "triple_file.h"

#include <cmath>

#include "float_text.h"

std::string tripleFileText(const ChosenRows& rows, ThirdValue third) {
    std::string text;
    for (const std::vector<double>& row : rows.values) {
        double z = row[2];
        if (third == ThirdValue::logarithm) z = std::log(z);
        if (third == ThirdValue::negated) z = 0.0 - z;  // a depth of 0 is Gamma 0, not -0
        text += floatText(row[0]) + " " + floatText(row[1]) + " " + floatText(z) + "\n";
    }
    return text;
}
