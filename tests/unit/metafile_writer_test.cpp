#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "metafile.h"

namespace {

template <class... Real>
std::string line(Real... v) {
    std::ostringstream os;
    writeLineCommand(os, v...);
    return os.str();
}

template <class... Real>
std::string point(Real... v) {
    std::ostringstream os;
    writePointCommand(os, v...);
    return os.str();
}

TEST(Metafile, LineCommandHasFourFieldsOfTen) {
    EXPECT_EQ("L   1.500000   2.250000  -3.000000   0.000123\n",
              line(1.5f, 2.25f, -3.0f, 0.000123f));
    EXPECT_EQ("L   1.500000   2.250000  -3.000000   0.000123\n", line(1.5, 2.25, -3.0, 0.000123));
    EXPECT_EQ(46u, line(123456.7f, -1.0e-20f, 0.0f, 3.3e38f).size());
}

TEST(Metafile, PointCommandHasTwoFieldsOfTen) {
    EXPECT_EQ("P  -2.500000   4.950000\n", point(-2.5f, 4.95f));
    EXPECT_EQ("P  -2.500000   4.950000\n", point(-2.5, 4.95));
}

// Zero shows one decimal more in double precision, and huge magnitudes the '!' fill.
TEST(Metafile, PrecisionOfTheWriterShows) {
    EXPECT_EQ("P   0.000000 1.000e+020\n", point(0.0f, 1.0e20f));
    EXPECT_EQ("P  0.0000000 !!!!!!!!!!\n", point(0.0, 1.0e100));
    EXPECT_EQ("L 1.235e+010 -1.23e-005   1.000000   1.000000\n",
              line(12345678901.0, -0.0000123, 1.0, 1.0));
}

}  // namespace
