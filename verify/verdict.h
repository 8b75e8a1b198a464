#pragma once
// One row of verify's table: a quantity, what theory expects of it, what was measured, and
// whether the measurement meets the expectation.  Every verdict here can fail: each compares a
// measurement with a bound or an order that follows from the method, never with a number chosen
// after the fact.
#include <ostream>
#include <string>
#include <vector>

struct Verdict {
    std::string quantity;
    std::string expected;
    std::string measured;
    bool pass = false;
};

// An observed order may stray this far from the one the method promises, on the finest pair.
constexpr double ORDER_TOLERANCE = 0.3;

// log2(coarse / fine): the order shown by two errors whose steps differ by a factor of two.  Not
// a number when either error is zero, negative or not finite (no order can be observed then).
double observedOrder(double coarse, double fine);

// errors[i] belongs to the step h / 2^i.  The measured text lists the order of every successive
// pair; the verdict takes the finest pair, which must lie within ORDER_TOLERANCE of order.  Any
// error that is zero or not finite fails the verdict.
Verdict orderVerdict(const std::string& quantity, const std::vector<double>& errors, double order);

// As orderVerdict, for a method whose error falls at least at the given order (it may fall
// faster): the finest pair must show at least order - ORDER_TOLERANCE.
Verdict orderAtLeastVerdict(const std::string& quantity, const std::vector<double>& errors,
                            double order);

// measured <= bound, both printed.  A measurement that is not a number fails.
Verdict boundVerdict(const std::string& quantity, double measured, double bound);

// measured > threshold (or, with above false, measured <= threshold); note follows the expected
// threshold (what theory says the measurement itself should be, for instance).
Verdict thresholdVerdict(const std::string& quantity, double measured, double threshold, bool above,
                         const std::string& note = "");

// The larger of two measurements, where a measurement that is not a number is the worst of all:
// std::fmax would drop it and let a broken run pass.
double worse(double a, double b);

// A real as the table shows it: general notation, significant digits as asked.
std::string realText(double value, int significant = 4);

// The table: a heading, one line a row, and a closing count of failed verdicts.
void printVerdictTable(std::ostream& out, const std::vector<Verdict>& rows);

// True when every verdict passes.
bool allPass(const std::vector<Verdict>& rows);
