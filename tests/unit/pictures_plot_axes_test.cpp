#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "plot_axes.h"
#include "round_ticks.h"
#include "svg_writer.h"

namespace {

std::string joined(const std::vector<double>& values, RoundStep step) {
    std::string text;
    for (double v : values) text += (text.empty() ? "" : " ") + tickLabel(v, step);
    return text;
}

}  // namespace

TEST(RoundTicks, StepsAndLabels) {
    struct Case {
        double lo, hi;
        int wanted;
        const char* ticks;
    } cases[] = {
        {0, 3006, 5, "0 500 1000 1500 2000 2500 3000"},  // not 253.3, 506.5, ...
        {0, 1266.32, 6, "0 200 400 600 800 1000 1200"},
        {0, 0.3, 3, "0.0 0.1 0.2 0.3"},  // the last tick survives 3 x 0.1
        {-1.2, 0.7, 4, "-1.0 -0.5 0.0 0.5"},
        {-0.04, 0.04, 4, "-0.04 -0.02 0.00 0.02 0.04"},
        {2.5e7, 9.5e7, 4, "4\u00d710\u2077 6\u00d710\u2077 8\u00d710\u2077"},  // never 4e+007
        {-600, 0, 10, "-600 -550 -500 -450 -400 -350 -300 -250 -200 -150 -100 -50 0"},
    };
    for (const Case& c : cases) {
        RoundStep step = roundStep(c.hi - c.lo, c.wanted);
        EXPECT_EQ(c.ticks, joined(roundMultiples(c.lo, c.hi, step), step)) << c.lo << ' ' << c.hi;
    }
    EXPECT_EQ(1, roundStep(0, 5).value());
    EXPECT_EQ(1, roundStep(NAN, 5).value());
    EXPECT_TRUE(roundMultiples(1, 0, RoundStep{}).empty());
}

TEST(RoundTicks, DecadesForLogarithmicAxes) {
    std::vector<double> expected{0.001, 0.01, 0.1, 1, 10};
    EXPECT_EQ(expected, decades(0.001, 10));
    EXPECT_EQ(std::vector<double>{}, decades(0, 10));
    EXPECT_EQ("0.001", tickLabel(0.001, RoundStep{1, -3}));
}

TEST(PlotAxes, MapsLinearLogarithmicAndReversedAxes) {
    PlotFrame frame{{100, 50, 400, 200}, linearAxis(0, 10), logAxis(1e-4, 1)};
    EXPECT_DOUBLE_EQ(100, frame.px(0));
    EXPECT_DOUBLE_EQ(300, frame.px(5));
    EXPECT_DOUBLE_EQ(250, frame.py(1e-4));
    EXPECT_DOUBLE_EQ(150, frame.py(1e-2));
    EXPECT_TRUE(std::isnan(frame.py(0)));
    frame.y = depthAxis(0, 600);  // depth growing downward: the surface at the top
    EXPECT_DOUBLE_EQ(50, frame.py(0));
    EXPECT_DOUBLE_EQ(200, frame.py(450));
}

TEST(PlotAxes, RoundOutReachesRoundTicks) {
    struct Case {
        PlotAxis axis;
        double lo, hi;
    } cases[] = {
        {linearAxis(3.2, 97.0), 0, 100},
        {linearAxis(5, 5), 4, 6},  // a single value still gets a range
        {logAxis(3e-4, 0.2), 1e-4, 1},
    };
    for (Case& c : cases) {
        roundOut(c.axis);
        EXPECT_DOUBLE_EQ(c.lo, c.axis.lo);
        EXPECT_DOUBLE_EQ(c.hi, c.axis.hi);
    }
}

TEST(SvgWriter, EscapesTextAndKeepsItValidUtf8) {
    std::ostringstream out;
    writeEscaped(out, "a<b & \"c\">\t\xC3\xA9\xFF\xC0\xAF");
    EXPECT_EQ("a&lt;b &amp; &quot;c&quot;&gt; \xC3\xA9\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD",
              out.str());
    std::ostringstream numbers;
    numbers << SvgNumber{-0.001, 2} << ' ' << SvgNumber{-1.256, 2};
    EXPECT_EQ("0.00 -1.26", numbers.str());
}

TEST(PlotAxes, CurvesBreakAtPointsThatCannotBePlaced) {
    PlotFrame frame{{0, 0, 100, 100}, linearAxis(0, 1), logAxis(0.1, 10)};
    std::ostringstream out;
    writeCurve(out, frame, {{0, 1}, {0.5, 0}, {1, 10}, {1, 1}}, "c", "red");
    std::string svg = out.str();
    EXPECT_EQ(2u, [&] {
        unsigned n = 0;
        for (auto at = svg.find("<polyline"); at != std::string::npos;
             at = svg.find("<polyline", at + 1))
            ++n;
        return n;
    }());
    EXPECT_NE(std::string::npos, svg.find("points=\"100.00,0.00 100.00,50.00\""));
}
