#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "variogram_table.h"
#include "capture_output.h"

namespace {

const std::string HEADING =
    "    Bin #           Min. r           Max. r      num.Pairs        Variance\n";
const std::string PAUSE = "Press any key to continue...\n";

// Standard output into a string; standard input from /dev/null so that the pause never waits.
// The pages pause after each other; with /dev/null on standard input the pause returns at once.
class CapturePages : public CaptureOutput {
public:
    CapturePages() {
        if (std::freopen("/dev/null", "r", stdin) == nullptr) ADD_FAILURE() << "no /dev/null";
    }
};

// The bins of four points A(0,0,1) B(0,0,3) C(3,4,0) D(6,8,2) in 4 bins of 2.5.
VariogramBins handSet() {
    VariogramBins b;
    b.nb = 4;
    b.width = 2.5f;
    const int count[] = {1, 0, 3, 2};
    const float variance[] = {4, 0, static_cast<float>(14.0 / 3), 1};
    for (int k = 0; k < 4; ++k) {
        b.count[k] = count[k];
        b.variance[k] = variance[k];
    }
    return b;
}

const std::string HAND_SET_LINES =
    "        1         0.000000    2.500000e+000              1   4.000000e+000\n"
    "        2    2.500000e+000    5.000000e+000              0        0.000000\n"
    "        3    5.000000e+000    7.500000e+000              3   4.666667e+000\n"
    "        4    7.500000e+000    1.000000e+001              2   1.000000e+000\n";

TEST(VariogramTable, LineLayout) {
    std::ostringstream os;
    writeVariogramLines(os, handSet(), 0, 3);
    EXPECT_EQ(HAND_SET_LINES, os.str());
}

TEST(VariogramTable, FileHasOneTitleWithALeadingBlank) {
    std::ostringstream os;
    writeVariogramFile(os, handSet());
    EXPECT_EQ(" Variogram (variance histogram):\n" + HEADING + HAND_SET_LINES, os.str());
}

TEST(VariogramTable, MinRIsMaxRLessTheWidth) {
    VariogramBins b;
    b.nb = 3;
    b.width = 3.3f;  // Max. r = (k + 1) w and Min. r = Max. r - w, both rounded to floats
    for (int k = 0; k < 3; ++k) {
        b.count[k] = 1000000 * k;
        b.variance[k] = 0.1f;
    }
    std::ostringstream os;
    writeVariogramLines(os, b, 2, 2);
    // 3 w = 9.89999962, less w = 6.59999943, where 2 w would be 6.5999999.
    EXPECT_EQ("        3    6.599999e+000    9.900000e+000        2000000   1.000000e-001\n",
              os.str());
}

TEST(VariogramTable, ScreenPagesOf22WithAPauseAfterEach) {
    VariogramBins b;
    b.nb = 30;
    b.width = 1;
    for (int k = 0; k < 30; ++k) {
        b.count[k] = k;
        b.variance[k] = 0;
    }
    CapturePages out;
    showVariogramPages(b);
    std::ostringstream page1, page2;
    writeVariogramLines(page1, b, 0, 21);
    writeVariogramLines(page2, b, 22, 29);
    const std::string title = "Variogram (variance histogram):\n";
    EXPECT_EQ(title + HEADING + page1.str() + PAUSE + title + HEADING + page2.str() + PAUSE,
              out.str());
    std::string second = page2.str();
    EXPECT_EQ(0u, second.find("       23 "));
    EXPECT_EQ(8, std::count(second.begin(), second.end(), '\n'));
}

TEST(VariogramTable, ExactPagesAndASinglePage) {
    VariogramBins b;
    b.nb = 44;
    b.width = 1;
    for (int k = 0; k < 44; ++k) b.count[k] = 0, b.variance[k] = 0;
    {
        CapturePages out;
        showVariogramPages(b);
        std::string text = out.str();
        size_t pauses = 0;
        for (size_t at = text.find(PAUSE); at != std::string::npos; at = text.find(PAUSE, at + 1))
            ++pauses;
        EXPECT_EQ(2u, pauses);
        EXPECT_EQ(text.size() - PAUSE.size(), text.rfind(PAUSE));
    }
    b.nb = 20;
    CapturePages out;
    showVariogramPages(b);
    EXPECT_EQ(out.str().size() - PAUSE.size(), out.str().find(PAUSE));
}

}  // namespace
