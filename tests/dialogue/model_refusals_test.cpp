// gridder's second run and krigcv refuse the same variogram models for the same reasons: gridder
// says why in one line and asks again, krigcv names the file (and the line of vMax).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "run_program.h"

namespace {

const std::string DATA = "0 0 5\n10 0 6\n0 10 7\n10 10 4\n5 5 5\n2 8 3\n8 2 9\n5 0 8\n";
const std::string GOOD_POLYNOMIAL = "0 1 0 0 ";

std::string sentence(std::string reason) {
    reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    return reason + ".\n";
}

TEST(ModelRefusals, GridderAndKrigcvRefuseTheSameModelsAlike) {
    const std::string singular = "; make curve0 (a nugget), curve1 or curve3 non-zero";
    const std::string zeroVMax =
        "with a vMax of 0 or less every standard deviation would be 0; use the largest variance "
        "of the variogram";
    struct Case {
        std::string polynomial, vMax, reason;
        bool vMaxAtFault;
    } cases[] = {
        {"0 0 0 0", "5", "with curve0 to curve3 all 0 every kriging system is singular" + singular,
         false},
        {"0 0 2.5 0", "5",
         "with curve2 the only non-zero term every kriging system is singular (a square of the "
         "distance alone gives a matrix of rank at most 4 in the plane)" +
             singular,
         false},
        {GOOD_POLYNOMIAL, "0", zeroVMax, true},
        {GOOD_POLYNOMIAL, "-3", zeroVMax, true},
        {GOOD_POLYNOMIAL, "1e300",
         "a vMax beyond the single-precision range would be taken as 3.40282e+038; use the "
         "largest variance of the variogram",
         true},
    };
    for (const Case& c : cases) {
        std::string answers = "data.txt yes 0 10 0 10 2 2 " + c.polynomial + " ";
        answers += c.vMaxAtFault ? c.vMax + " 5" : GOOD_POLYNOMIAL + c.vMax;
        ProgramRun grid =
            runProgram("gridder", answers + " 1e30 e.grd s.grd", {{"data.txt", DATA}});
        EXPECT_EQ(0, grid.status) << c.reason;
        std::string refused =
            c.vMaxAtFault
                ? "Enter maximum variance (vMax) from variogram: " + sentence(c.reason) +
                      "Enter maximum variance (vMax) from variogram: \n"
                : "Enter cubic term curve3: " + sentence(c.reason) + "Enter constant term curve0: ";
        EXPECT_NE(std::string::npos, grid.out.find(refused)) << grid.out;
        std::string deviations = grid.file("s.grd");
        EXPECT_EQ(6, std::count(deviations.begin(), deviations.end(), '\n'));

        std::string model = c.polynomial + "\n" + c.vMax + "\n";
        ProgramRun cv = runTool("krigcv", {"data.txt", "1e30", "model.txt"},
                                {{"data.txt", DATA}, {"model.txt", model}});
        EXPECT_EQ(1, cv.status);
        EXPECT_EQ(
            "krigcv: model.txt" + std::string(c.vMaxAtFault ? ":2" : "") + ": " + c.reason + "\n",
            cv.err);
        EXPECT_EQ("", cv.out);
    }
}

}  // namespace
