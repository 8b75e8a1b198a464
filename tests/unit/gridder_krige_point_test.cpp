#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "capture_output.h"
#include "krige_point.h"
#include "kriging.h"

namespace {

struct Scatter {
    std::vector<float> x, y, z;
    void add(float px, float py, float pz, int copies = 1) {
        for (int i = 0; i < copies; ++i) {
            x.push_back(px);
            y.push_back(py);
            z.push_back(pz);
        }
    }
    int n() const { return static_cast<int>(x.size()); }
};

const VariogramModel MODEL{0.1f, 1, 0, 0, 10};

// One point kriged on a stream of its own gives the very lines and numbers that INTERP shows for
// a grid node, and nothing reaches standard output.
TEST(KrigePoint, MatchesTheGridNodeDigitForDigit) {
    auto work = std::make_unique<KrigingWork>();
    Scatter s;
    for (int i = 0; i < 9; ++i)
        s.add(static_cast<float>(i % 3) * 2.5f, static_cast<float>(i / 3) * 3.0f, 0.7f * i);
    const float cutoffs[] = {1e6f, 1.5f};  // every datum; a radius that has to grow
    for (float start : cutoffs) {
        float expectedCutoff = start, estimate = 0, deviation = 0;
        CaptureOutput gridNode;
        INTERP(MODEL.curve0, MODEL.curve1, MODEL.curve2, MODEL.curve3, s.x.data(), s.y.data(),
               s.z.data(), s.n(), MODEL.halfRMax, 2, 2, 1, expectedCutoff, estimate, deviation,
               *work);
        std::string expectedLines = gridNode.str();

        CaptureOutput standardOutput;
        std::ostringstream console;
        float cutoff = start;
        PointEstimate p = krigePoint(MODEL, 2, s.x.data(), s.y.data(), s.z.data(), s.n(), 2, 1,
                                     cutoff, *work, console);
        EXPECT_EQ("", standardOutput.str());
        EXPECT_EQ(expectedLines, console.str());
        EXPECT_EQ(estimate, p.estimate);
        EXPECT_EQ(deviation, p.standardDeviation);
        EXPECT_EQ(static_cast<float>(std::sqrt(static_cast<double>(p.variance))), deviation);
        EXPECT_EQ(expectedCutoff, cutoff);
        EXPECT_FALSE(p.searchGaveUp);
        EXPECT_FALSE(p.illConditioned);
    }
}

TEST(KrigePoint, SaysWhenTheSearchGaveUp) {
    auto work = std::make_unique<KrigingWork>();
    Scatter s;
    s.add(3, 4, 1, 60);  // the count jumps from 0 to 60 at distance 5
    s.add(40, 0, 2);
    std::ostringstream console;
    float cutoff = 7;
    PointEstimate p = krigePoint(MODEL, 1, s.x.data(), s.y.data(), s.z.data(), s.n(), 0, 0, cutoff,
                                 *work, console);
    EXPECT_TRUE(p.searchGaveUp);
    EXPECT_EQ(MAX_NEIGHBORS, p.neighbors);
}

}  // namespace
