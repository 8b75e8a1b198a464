#include "progress.h"

#include <iomanip>

ProgressRule::ProgressRule(int passes, PercentArithmetic arithmetic)
    : passes_(passes), arithmetic_(arithmetic) {}

int ProgressRule::afterPass(int pass) {
    int percent;
    if (arithmetic_ == PercentArithmetic::INTEGER)
        percent = static_cast<int>(pass * 100LL / passes_);
    else
        percent = static_cast<int>(static_cast<float>(pass) * 100.0f / static_cast<float>(passes_));
    bool risen = percent > last_;
    last_ = percent;
    return risen ? percent : 0;
}

void writePercentReport(std::ostream& os, int percent) {
    os << std::setw(4) << percent << "%";
    if (percent % 10 == 0) os << " completed ...\n";
}
