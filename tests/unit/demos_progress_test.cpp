#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "progress.h"
#include "workload.h"

namespace {

struct Report {
    int pass;
    int percent;
};

std::vector<Report> reportsOfRun(int passes, PercentArithmetic arithmetic) {
    ProgressRule rule(passes, arithmetic);
    std::vector<Report> reports;
    for (int pass = 1; pass <= passes; ++pass)
        if (int percent = rule.afterPass(pass)) reports.push_back({pass, percent});
    return reports;
}

// A report exactly when the truncated percentage rises: 1..100, after every hundredth of the run.
void expectHundredReports(int passes, PercentArithmetic arithmetic) {
    std::vector<Report> reports = reportsOfRun(passes, arithmetic);
    ASSERT_EQ(100u, reports.size());
    for (int k = 1; k <= 100; ++k) {
        EXPECT_EQ(k, reports[k - 1].percent);
        EXPECT_EQ(passes / 100 * k, reports[k - 1].pass) << k << "%";
    }
}

TEST(Progress, HundredReportsTheFirstAfterOnePercentOfThePasses) {
    expectHundredReports(SPEED_WORKLOAD.passes, PercentArithmetic::INTEGER);  // from pass 1000
    expectHundredReports(SPEED90_WORKLOAD.passes, PercentArithmetic::REAL);   // from pass 100
}

TEST(Progress, SpeedShowsTenLinesOfTen) {
    std::ostringstream os;
    for (int percent = 1; percent <= 100; ++percent) writePercentReport(os, percent);
    const std::string FIRST = "   1%   2%   3%   4%   5%   6%   7%   8%   9%  10% completed ...\n";
    const std::string LAST = "  91%  92%  93%  94%  95%  96%  97%  98%  99% 100% completed ...\n";
    std::string text = os.str();
    ASSERT_EQ(10 * FIRST.size(), text.size());
    EXPECT_EQ(FIRST, text.substr(0, FIRST.size()));
    EXPECT_EQ("  41%  42%  43%  44%  45%  46%  47%  48%  49%  50% completed ...\n",
              text.substr(4 * FIRST.size(), FIRST.size()));
    EXPECT_EQ(LAST, text.substr(9 * FIRST.size()));
}

}  // namespace
