#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "label_boxes.h"
#include "number_text.h"
#include "plot_axes.h"
#include "text_width.h"

TEST(NumberText, PowersOfTenAndLevels) {
    struct Case {
        std::string text, expected;
    } cases[] = {
        {powerOfTenText(4e7, 0), "4\u00d710\u2077"},
        {powerOfTenText(1e-6, 0), "10\u207b\u2076"},
        {powerOfTenText(-1000, 0), "-10\u00b3"},
        {powerOfTenText(1.5e12, 1), "1.5\u00d710\u00b9\u00b2"},
        {levelText(101325.6, 0.4), "101325.6"},
        {levelText(101326.0, 0.4), "101326.0"},
        {levelText(1.0000005, 5e-7), "1.0000005"},
        {levelText(-1e-17, 0.25), "0.00"},  // never "-0.00"
        {levelText(3e-8, 1e-8), "3\u00d710\u207b\u2078"},
        {levelText(7.5e8, 2.5e8), "7.5\u00d710\u2078"},
        {levelText(2.0 / 3, 1.0 / 3), "0.67"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, c.text);
    EXPECT_EQ(2, decimalsForInterval(0.25));
    EXPECT_EQ(0, decimalsForInterval(50));
    EXPECT_EQ(0, decimalsForInterval(NAN));
}

// Two levels never share a label, whatever the interval and however far from zero.
TEST(NumberText, SuccessiveLevelsReadDifferently) {
    for (double interval : {0.4, 5e-7, 1.0 / 3, 2.5e8, 1e-12, 0.02})
        for (double start : {0.0, 1.0, 101325.0, -3e9, 7e12}) {
            if (std::fabs(start) / interval > 1e12) continue;  // levels no double tells apart
            std::set<std::string> seen;
            double first = std::round(start / interval);
            for (int k = 0; k < 12; ++k) seen.insert(levelText((first + k) * interval, interval));
            EXPECT_EQ(12u, seen.size()) << interval << " from " << start;
        }
}

// No axis of any picture shows the programs' exponent form, and a logarithmic axis keeps one form.
TEST(PlotAxes, NumbersWithoutExponentForm) {
    PlotAxis axes[] = {linearAxis(0, 5e11), linearAxis(-3e-9, 2e-9),   logAxis(1e-6, 10),
                       logAxis(1e-3, 1e4),  linearAxis(-1e308, 1e308), linearAxis(NAN, 1),
                       logAxis(0, INFINITY)};
    for (PlotAxis& axis : axes) {
        roundOut(axis);
        std::vector<std::string> labels = axisTickLabels(axis);
        EXPECT_TRUE(std::isfinite(axis.hi - axis.lo));
        EXPECT_GE(labels.size(), 2u);
        EXPECT_LE(labels.size(), 30u);
        auto isPower = [](const std::string& label) {  // "10" and a superscript after it
            std::size_t at = label.find("10");
            return at != std::string::npos && at + 2 < label.size() &&
                   static_cast<unsigned char>(label[at + 2]) >= 0x80;
        };
        for (const std::string& label : labels) {
            EXPECT_EQ(std::string::npos, label.find('e')) << label;
            if (axis.logarithmic) {
                EXPECT_EQ(isPower(labels[0]), isPower(label)) << label;
            }
        }
    }
    EXPECT_EQ("10\u207b\u2076", axisTickLabels(axes[2])[0]);
    EXPECT_EQ("0.001", axisTickLabels(axes[3])[0]);
    // A range that cannot be stepped through gives no ticks instead of a loop.
    EXPECT_TRUE(roundMultiples(-1e308, 1e308, RoundStep{1, 0}).empty());
}

TEST(TextWidth, FittedTextShrinksThenCutsInTheMiddle) {
    EXPECT_EQ(16, fitText("short.grd", 400, 16, 11).fontSize);
    EXPECT_EQ(12,
              fitText(std::string(40, 'x'), textWidth(std::string(40, 'x'), 12), 16, 11).fontSize);
    std::string name = "a/very/long/folder/name/\u00e9l\u00e9vations-\u00e9t\u00e9-2026.grd";
    FittedText cut = fitText(name, 120, 16, 11);
    EXPECT_LE(textWidth(cut.text, cut.fontSize), 120);
    EXPECT_NE(std::string::npos, cut.text.find("\u2026"));
    EXPECT_EQ(name.substr(0, 2), cut.text.substr(0, 2));
    EXPECT_EQ(".grd", cut.text.substr(cut.text.size() - 4));
    for (std::size_t i = 0; i < cut.text.size(); ++i)  // no character cut in two
        if ((cut.text[i] & 0xC0) == 0xC0) {
            EXPECT_EQ(0x80, cut.text[i + 1] & 0xC0);
        }
}

TEST(LabelBoxes, MeetAtAnyAngle) {
    const double QUARTER = 1.5707963267948966;
    struct Case {
        LabelBox a, b;
        bool meet;
    } cases[] = {
        {{0, 0, 10, 3, 0}, {19, 0, 10, 3, 0}, true},
        {{0, 0, 10, 3, 0}, {21, 0, 10, 3, 0}, false},
        {{0, 0, 10, 3, 0}, {0, 12, 10, 3, QUARTER}, true},      // a turned box reaching down to it
        {{0, 0, 10, 3, QUARTER / 2}, {9, -9, 3, 3, 0}, false},  // beside a diagonal box's corner
        {{0, 0, 10, 3, QUARTER / 2}, {5, 5, 1, 1, 0}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.meet, boxesMeet(c.a, c.b));
        EXPECT_EQ(c.meet, boxesMeet(c.b, c.a));
    }
    EXPECT_TRUE(segmentMeetsBox({-20, 1}, {20, 1}, {0, 0, 10, 3, 0}));
    EXPECT_FALSE(segmentMeetsBox({-20, 5}, {20, 5}, {0, 0, 10, 3, 0}));
    EXPECT_TRUE(boxInside({50, 50, 10, 3, 0}, {0, 0, 100, 100}, 5));
    EXPECT_TRUE(boxInside({50, 50, 10, 3, 0}, {0, 42, 100, 16}, 0));
    EXPECT_FALSE(boxInside({50, 50, 10, 3, QUARTER}, {0, 42, 100, 16}, 0));  // turned upright
}
