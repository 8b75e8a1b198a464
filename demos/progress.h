#pragma once
// How far a run has got: a report each time the truncated percentage of passes done rises, so
// that a run of at least 100 passes reports 1 to 100 percent exactly once each.
#include <ostream>

// speed forms the percentage in integer arithmetic, speed90 as a real quotient truncated to an
// integer; the two agree for the runs they make.
enum class PercentArithmetic { INTEGER, REAL };

class ProgressRule {
  public:
    ProgressRule(int passes, PercentArithmetic arithmetic);
    // The percentage to report after this pass (1-based), or 0 when it has not risen.
    int afterPass(int pass);

  private:
    int passes_;
    PercentArithmetic arithmetic_;
    int last_ = 0;
};

// speed's report: the percentage right-aligned in 4 characters and "%"; each tenth report ends
// its line with " completed ...", so that a run shows ten lines of ten.
void writePercentReport(std::ostream& os, int percent);
