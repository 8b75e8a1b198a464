#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iostream>
#include <limits>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "capture_output.h"
#include "distance.h"
#include "neighbors.h"
#include "notation.h"

namespace {

const std::string LIMIT_WARNING = "     Warning: Internal limit of   50 neighbors was reached.\n";
const std::string MINIMUM_WARNING =
    "     Warning: Internal minimum of    6 neighbors was not reached.\n";

std::string reduced(const char* radius) {
    return std::string("     Cutoff radius temporarily reduced to ") + radius + "\n";
}
std::string increased(const char* radius) {
    return std::string("     Cutoff radius temporarily increased to ") + radius + "\n";
}

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Data points around a grid point at the origin.
struct Points {
    std::vector<float> x, y;
    void add(float px, float py, int copies = 1) {
        for (int i = 0; i < copies; ++i) {
            x.push_back(px);
            y.push_back(py);
        }
    }
    int n() const { return static_cast<int>(x.size()); }
};

const VariogramModel SEARCH_MODEL{0.1f, 1, 0, 0, 10};

class NeighborSearch : public testing::Test {
  protected:
    std::unique_ptr<KrigingWork> work = std::make_unique<KrigingWork>();
    Points p;
    int search(float& radius, std::string& output) {
        CaptureOutput out;
        int m =
            searchNeighbors(SEARCH_MODEL, p.x.data(), p.y.data(), p.n(), 0, 0, radius, *work).count;
        output = out.str();
        return m;
    }
};

TEST_F(NeighborSearch, ExactlyFiftyInsideIsQuiet) {
    for (int i = 1; i <= 50; ++i) p.add(static_cast<float>(i), 0);
    p.add(60, 0);
    float radius = 50;  // the 50th lies exactly on the radius
    std::string output;
    EXPECT_EQ(50, search(radius, output));
    EXPECT_EQ("", output);
    EXPECT_EQ(50.0f, radius);
    for (int k = 0; k < 50; ++k) EXPECT_EQ(k, work->neighbor[k]);
}

TEST_F(NeighborSearch, AFiftyFirstShrinksTheRadius) {
    for (int i = 1; i <= 50; ++i) p.add(static_cast<float>(i), 0);
    p.add(45.5f, 0);
    p.add(60, 0);
    EXPECT_EQ(MAX_NEIGHBORS + 1,
              gatherNeighbors(SEARCH_MODEL, p.x.data(), p.y.data(), p.n(), 0, 0, 50, *work));
    float radius = 50;
    std::string output;
    EXPECT_EQ(37, search(radius, output));
    EXPECT_EQ(LIMIT_WARNING + reduced("37.5"), output);
    EXPECT_EQ(37.5f, radius);
}

TEST_F(NeighborSearch, TooFewGrowTheRadiusWithOneWarning) {
    for (int i = 10; i <= 15; ++i) p.add(static_cast<float>(i), 0);
    float radius = 5;
    std::string output;
    EXPECT_EQ(6, search(radius, output));
    EXPECT_EQ(MINIMUM_WARNING + increased("6") + increased("7.2") + increased("8.64") +
                  increased("10.368") + increased("12.4416") + increased("14.9299") +
                  increased("17.9159"),
              output);
    float expected = 5;  // each change rounded to a float, compounding
    for (int i = 0; i < 7; ++i) expected = static_cast<float>(expected * 1.2);
    EXPECT_EQ(expected, radius);
}

TEST_F(NeighborSearch, ShrinkingAndGrowingCompound) {
    p.add(1, 0, 3);
    p.add(8.5f, 0, 10);
    p.add(0, 9.5f, 40);
    float radius = 10;  // 53 inside; 3 inside 7.5; 13 inside 9
    std::string output;
    EXPECT_EQ(13, search(radius, output));
    EXPECT_EQ(LIMIT_WARNING + reduced("7.5") + MINIMUM_WARNING + increased("9"), output);
    EXPECT_EQ(9.0f, radius);
}

// Sixty copies of one datum at distance 5: the count jumps from 1 to 61 there, and no radius
// holds between 6 and 50 data.  That is known from the first scan, so the search says so at once.
TEST_F(NeighborSearch, DuplicatedDataEndWithTheNearest) {
    p.add(100, 100, 5);
    p.add(3, 4, 60);
    p.add(0.6f, 0.8f);  // index 65, distance 1
    float radius = 7;
    std::string output;
    EXPECT_EQ(50, search(radius, output));
    EXPECT_EQ(LIMIT_WARNING +
                  "     Warning: No cutoff radius gives 6 to 50 neighbors; the 50 nearest data "
                  "are used.\n",
              output);
    // The nearest fifty in dataset order: the first 49 copies, then the datum at distance 1.
    for (int k = 0; k < 49; ++k) EXPECT_EQ(5 + k, work->neighbor[k]);
    EXPECT_EQ(65, work->neighbor[49]);
    EXPECT_FLOAT_EQ(0.6f, work->rhs[0]);         // v(5) = 0.1 + 5 / 10
    EXPECT_FLOAT_EQ(0.2f, work->rhs[49]);        // v(1)
    EXPECT_FLOAT_EQ(0.1f, work->matrix[0][1]);   // coincident copies: the intercept
    EXPECT_FLOAT_EQ(0.5f, work->matrix[49][0]);  // v(4)
    EXPECT_EQ(work->matrix[0][49], work->matrix[49][0]);
    EXPECT_EQ(0.0f, work->matrix[7][7]);
}

// 5 data near the point, 45 on a ring from 1 to 1.00088 and 10 just outside it: only radii from
// 1 to just under 1.0011 hold 6 to 50 data, and the walk from 2 needs 486 changes to meet them.
TEST_F(NeighborSearch, ANarrowRingIsReachedHoweverLongTheWalk) {
    for (int i = 1; i <= 5; ++i) p.add(0.1f * i, 0);
    for (int k = 0; k < 55; ++k) {
        float r = k < 45 ? 1.0f + 0.00002f * k : 1.0011f + 0.0001f * (k - 45), a = 0.1f * k;
        p.add(r * std::cos(a), r * std::sin(a));
    }
    float radius = 2;
    std::string output;
    search(radius, output);
    EXPECT_EQ(0u, output.find(LIMIT_WARNING + reduced("1.5") + reduced("1.125") +
                              reduced("0.84375") + MINIMUM_WARNING + increased("1.0125")));
    EXPECT_EQ(486, occurrences(output, "     Cutoff radius temporarily "));
    EXPECT_EQ(0, occurrences(output, "nearest data"));
    EXPECT_TRUE(radius >= 1.0f && radius < 1.0011f) << radius;
}

// A walk that rounding keeps from landing goes straight to the nearest edge of the radii that
// hold 6 to 50 data: 1.4e-45 times 1.2 rounds back to 1.4e-45, infinity times 0.75 stays.
TEST_F(NeighborSearch, RadiiThatTheWalkCannotMove) {
    for (int i = 1; i <= 60; ++i) p.add(static_cast<float>(i), 0);
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float radius;
        std::string output;
        float landed;
    } cases[] = {{1e-45f, MINIMUM_WARNING + increased("6"), 6},
                 {inf, LIMIT_WARNING + reduced("50"), 50}};
    for (const auto& c : cases) {
        float radius = c.radius;
        std::string output;
        EXPECT_EQ(static_cast<int>(c.landed), search(radius, output));
        EXPECT_EQ(c.output, output);
        EXPECT_EQ(c.landed, radius);
    }
}

TEST_F(NeighborSearch, ARadiusThatCannotGrow) {
    for (int i = 1; i <= 10; ++i) p.add(static_cast<float>(i), 0);
    float radius = 0;
    std::string output;
    EXPECT_EQ(10, search(radius, output));
    EXPECT_EQ(MINIMUM_WARNING +
                  "     Warning: A cutoff radius of zero or less cannot grow; the 10 nearest data "
                  "are used.\n",
              output);
}

TEST_F(NeighborSearch, AHugeCutoffShrinksAsFarAsItMust) {
    // From 1e30 down to below 50 takes over 200 reductions in one direction: not refused.
    for (int i = 1; i <= 60; ++i) p.add(static_cast<float>(i), 0);
    float radius = 1e30f;
    std::string output;
    int m = search(radius, output);
    EXPECT_GE(m, 6);
    EXPECT_LE(m, 50);
    EXPECT_GT(occurrences(output, "reduced to"), 200);
    EXPECT_EQ(0, occurrences(output, "nearest data"));
}

// The walk as described: the data scanned and entered again for every radius tried, with a
// model that goes negative (0) far out.  Returns the console lines; m is -1 if it does not land.
const VariogramModel DIPPING{0.1f, 1, 0, -0.05f, 10};

std::string walkByScanning(const Points& p, float x0, float y0, float& radius, int& m,
                           KrigingWork& work) {
    std::ostringstream out;
    for (int changes = 0; changes < 5000; ++changes) {
        m = gatherNeighbors(DIPPING, p.x.data(), p.y.data(), p.n(), x0, y0, radius, work);
        int direction = m > MAX_NEIGHBORS ? -1 : m < MIN_NEIGHBORS ? 1 : 0;
        if (direction == 0) return out.str();
        m = -1;
        std::string warning = direction < 0 ? LIMIT_WARNING : MINIMUM_WARNING;
        if (out.str().find(warning) == std::string::npos) out << warning;
        radius = static_cast<float>(radius * (direction < 0 ? 0.75 : 1.2));
        out << "     Cutoff radius temporarily " << (direction < 0 ? "reduced" : "increased")
            << " to " << num(radius) << "\n";
    }
    return "";
}

// Scattered and clustered data, points inside and outside them, radii from tiny to huge: the
// search (one scan, data entered only where the walk lands, model values four at a time) prints
// the same lines and fills the same system as the walk that scans every radius, bit for bit.
TEST_F(NeighborSearch, EqualsTheWalkThatScansEveryRadius) {
    std::mt19937 random(4000);
    std::uniform_real_distribution<float> unit(0, 1);
    auto reference = std::make_unique<KrigingWork>();
    int compared = 0;
    for (int trial = 0; trial < 300; ++trial) {
        p = Points();
        for (int i = 0, n = 20 + static_cast<int>(random() % 400); i < n; ++i) {
            bool cluster = i % 3 == 0 && i > 0;  // around an earlier datum
            float size = cluster ? 1 : 100;
            p.add((cluster ? p.x[i / 2] : 0) + size * unit(random),
                  (cluster ? p.y[i / 2] : 0) + size * unit(random));
        }
        float x0 = 120 * unit(random) - 10, y0 = 120 * unit(random) - 10;
        float radius = std::pow(10.0f, 4 * unit(random) - 1.5f), walked = radius;
        int m = 0;
        std::string expected = walkByScanning(p, x0, y0, walked, m, *reference);
        if (m < 0) continue;
        ++compared;
        CaptureOutput out;
        SearchOutcome found =
            searchNeighbors(DIPPING, p.x.data(), p.y.data(), p.n(), x0, y0, radius, *work);
        ASSERT_EQ(expected, out.str()) << trial;
        ASSERT_EQ(m, found.count);
        ASSERT_EQ(walked, radius);
        for (int j = 0; j < m; ++j) {
            ASSERT_EQ(reference->neighbor[j], work->neighbor[j]);
            ASSERT_EQ(reference->rhs[j], work->rhs[j]);
            for (int k = 0; k < m; ++k) {
                int dj = work->neighbor[j], dk = work->neighbor[k];
                float v =
                    j == k ? 0
                           : modelVariance(DIPPING, separation(p.x[dj], p.y[dj], p.x[dk], p.y[dk]));
                ASSERT_EQ(0, std::memcmp(&v, &work->matrix[j][k], sizeof v)) << trial;
            }
        }
    }
    EXPECT_GT(compared, 250);
}

TEST_F(NeighborSearch, NearestDataInDatasetOrder) {
    // Distances 1..60 in a scrambled order; the fifty nearest are those at 50 or less.
    for (int i = 0; i < 60; ++i) p.add(static_cast<float>((i * 37) % 60 + 1), 0);
    ASSERT_EQ(50, gatherNearest(SEARCH_MODEL, p.x.data(), p.y.data(), p.n(), 0, 0, *work));
    int k = 0;
    for (int i = 0; i < 60; ++i)
        if ((i * 37) % 60 + 1 <= 50) {
            EXPECT_EQ(i, work->neighbor[k]);
            ++k;
        }
    EXPECT_EQ(50, k);
    // Of equally distant data the earlier ones are taken.
    Points same;
    same.add(2, 0, 55);
    same.add(0, 1);
    ASSERT_EQ(50, gatherNearest(SEARCH_MODEL, same.x.data(), same.y.data(), same.n(), 0, 0, *work));
    for (int j = 0; j < 49; ++j) EXPECT_EQ(j, work->neighbor[j]);
    EXPECT_EQ(55, work->neighbor[49]);
}

}  // namespace
