#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "capture_output.h"
#include "extent.h"
#include "kriging.h"

namespace {

TEST(WeightCheck, WithinTwoHundredthsIsSilent) {
    float w[] = {0.5f, 0.51f};
    CaptureOutput out;
    checkWeightSum(w, 2);
    EXPECT_EQ("", out.str());
    EXPECT_EQ(0.5f, w[0]);
    EXPECT_EQ(0.51f, w[1]);
    float low[] = {0.49f, 0.49f};  // 0.98: the warning needs strictly more than 0.02
    checkWeightSum(low, 2);
    float high[] = {1.02f};
    checkWeightSum(high, 1);
    EXPECT_EQ("", out.str());
    EXPECT_EQ(0.49f, low[0]);
}

TEST(WeightCheck, BeyondWarnsAndRenormalises) {
    float w[] = {0.5f, 0.53f};
    CaptureOutput out;
    checkWeightSum(w, 2);
    EXPECT_EQ(
        " WARNING: ILL-CONDITIONED MATRIX IN SUBROUTINE INTERP:\n"
        "    SUM OF KRIGING WEIGHTS = 1.03 (SHOULD BE 1.)\n",
        out.str());
    float reciprocal = static_cast<float>(1.0 / 1.03f);
    EXPECT_EQ(static_cast<float>(0.5 * reciprocal), w[0]);
    EXPECT_EQ(static_cast<float>(static_cast<double>(0.53f) * reciprocal), w[1]);
    float low[] = {0.3f, 0.3f, 0.3f};
    CaptureOutput out2;
    checkWeightSum(low, 3);
    EXPECT_EQ(
        " WARNING: ILL-CONDITIONED MATRIX IN SUBROUTINE INTERP:\n"
        "    SUM OF KRIGING WEIGHTS = 0.9 (SHOULD BE 1.)\n",
        out2.str());
}

// Weights that are not numbers cannot be rescaled: the warning shows the sum, and the weights
// become equal so that the estimate is the mean of the neighbours.
TEST(WeightCheck, ASumThatIsNotFiniteWarnsAndEqualises) {
    for (float first : {std::nanf(""), INFINITY}) {
        float w[] = {first, 0.5f, 0.25f, 0.25f};
        CaptureOutput out;
        checkWeightSum(w, 4);
        EXPECT_EQ(std::string(" WARNING: ILL-CONDITIONED MATRIX IN SUBROUTINE INTERP:\n"
                              "    SUM OF KRIGING WEIGHTS = ") +
                      (std::isnan(first) ? "nan" : "inf") + " (SHOULD BE 1.)\n",
                  out.str());
        for (float weight : w) EXPECT_EQ(0.25f, weight);
    }
}

// Ordinary kriging worked independently in double precision with Gaussian elimination: the
// reference for the single-precision routine, to about five digits.
struct Reference {
    double estimate, deviation, weightSum;
};

Reference krigeInDouble(const VariogramModel& c, const std::vector<float>& x,
                        const std::vector<float>& y, const std::vector<float>& z, double vMax,
                        double x0, double y0) {
    auto v = [&c](double d) {
        double t = d / c.halfRMax;
        double p = c.curve0 + c.curve1 * t + c.curve2 * t * t + c.curve3 * t * t * t;
        return p < 0 ? 0.0 : p;
    };
    auto dist = [](double ax, double ay, double bx, double by) {
        return std::sqrt((ax - bx) * (ax - bx) + (ay - by) * (ay - by) + 1e-30);
    };
    const int m = static_cast<int>(x.size()), n = m + 1;
    std::vector<std::vector<double>> a(n, std::vector<double>(n + 1, 1.0));
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < m; ++j) a[i][j] = i == j ? 0 : v(dist(x[i], y[i], x[j], y[j]));
        a[i][n] = v(dist(x[i], y[i], x0, y0));
    }
    a[m][m] = 0;
    std::vector<std::vector<double>> block = a;
    for (int col = 0; col < n; ++col) {
        int p = col;
        for (int r = col + 1; r < n; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[p][col])) p = r;
        std::swap(a[p], a[col]);
        for (int r = col + 1; r < n; ++r) {
            double f = a[r][col] / a[col][col];
            for (int k = col; k <= n; ++k) a[r][k] -= f * a[col][k];
        }
    }
    std::vector<double> w(n);
    for (int r = n - 1; r >= 0; --r) {
        double s = a[r][n];
        for (int k = r + 1; k < n; ++k) s -= a[r][k] * w[k];
        w[r] = s / a[r][r];
    }
    Reference ref{0, 0, 0};
    double var = 0;
    for (int i = 0; i < m; ++i) {
        ref.estimate += w[i] * z[i];
        ref.weightSum += w[i];
        var += w[i] * block[i][n];
        for (int j = 0; j < m; ++j) var -= 0.5 * w[i] * w[j] * block[i][j];
    }
    var *= vMax;
    ref.deviation = std::sqrt(var < 0 ? 0 : var);
    return ref;
}

class Kriging : public testing::Test {
  protected:
    std::unique_ptr<KrigingWork> work = std::make_unique<KrigingWork>();
    std::vector<float> x = {3.1f,  17.4f, 25.0f, 40.2f, 8.8f,  33.3f,
                            12.0f, 45.5f, 28.7f, 5.5f,  38.0f, 20.6f};
    std::vector<float> y = {4.2f,  2.5f,  19.9f, 7.7f,  27.1f, 29.6f,
                            14.4f, 22.0f, 9.3f,  35.0f, 37.2f, 30.1f};
    std::vector<float> z = {1.5f, 2.7f, 3.1f, 4.9f, 2.2f, 4.0f, 2.0f, 5.6f, 3.8f, 2.9f, 5.1f, 3.5f};
    VariogramModel model{0.05f, 1.2f, -0.3f, 0.02f, 0};
    float vMax = 2.5f;

    void SetUp() override {
        model.halfRMax = computeExtent(x.data(), y.data(), static_cast<int>(x.size())).halfRMax;
    }
    std::string krige(float x0, float y0, float& cutoff, float& estimate, float& deviation) {
        CaptureOutput out;
        INTERP(model.curve0, model.curve1, model.curve2, model.curve3, x.data(), y.data(), z.data(),
               static_cast<int>(x.size()), model.halfRMax, vMax, x0, y0, cutoff, estimate,
               deviation, *work);
        return out.str();
    }
};

TEST_F(Kriging, AgreesWithAReferenceInDouble) {
    const float points[][2] = {{22.0f, 18.0f}, {0, 0}, {50, 40}, {17.4f, 2.5f}, {30.5f, 12.25f}};
    for (const auto& pt : points) {
        float cutoff = 1e6f, estimate = 0, deviation = 0;
        std::string output = krige(pt[0], pt[1], cutoff, estimate, deviation);
        EXPECT_EQ("\n * Begin kriging for one point...\n   12 data used in estimate\n", output);
        Reference ref = krigeInDouble(model, x, y, z, vMax, pt[0], pt[1]);
        EXPECT_NEAR(ref.estimate, estimate, 2e-5 * std::fabs(ref.estimate));
        EXPECT_NEAR(ref.deviation, deviation, 2e-5 * ref.deviation);
        EXPECT_EQ(1e6f, cutoff);
        // The bordered system makes the weights sum to one; the check has nothing to mend.
        double sum = 0;
        for (int k = 0; k < 12; ++k) sum += work->rhs[k];
        EXPECT_NEAR(1.0, sum, 1e-5);
    }
}

// At a datum with a positive intercept the right-hand side of that datum is curve0, not 0: the
// estimate is a weighted mean that does not reproduce the datum.
TEST_F(Kriging, ADatumUnderTheGridPointIsNotForced) {
    float cutoff = 1e6f, estimate = 0, deviation = 0;
    krige(x[2], y[2], cutoff, estimate, deviation);
    Reference ref = krigeInDouble(model, x, y, z, vMax, x[2], y[2]);
    EXPECT_NE(z[2], estimate);
    EXPECT_GT(std::fabs(estimate - z[2]), 0.01f);
    EXPECT_NEAR(ref.estimate, estimate, 2e-5 * ref.estimate);
    EXPECT_GT(deviation, 0.0f);
}

TEST_F(Kriging, ConstantDataGiveThatConstant) {
    z.assign(z.size(), 5.0f);
    float cutoff = 1e6f, estimate = 0, deviation = 0;
    krige(10, 10, cutoff, estimate, deviation);
    EXPECT_NEAR(5.0f, estimate, 5e-6f);
}

TEST_F(Kriging, NegativeVarianceGivesZero) {
    vMax = -1;
    float cutoff = 1e6f, estimate = 0, deviation = 1;
    krige(10, 10, cutoff, estimate, deviation);
    EXPECT_EQ(0.0f, deviation);

    vMax = -0.0f;  // a zero variance times a negative zero: the deviation is +0, never -0
    deviation = 1;
    krige(10, 10, cutoff = 1e6f, estimate, deviation);
    EXPECT_EQ(0.0f, deviation);
    EXPECT_FALSE(std::signbit(deviation));
}

TEST_F(Kriging, TheRadiusChangesReachTheCaller) {
    float cutoff = 5, estimate = 0, deviation = 0;
    std::string output = krige(22, 18, cutoff, estimate, deviation);
    EXPECT_EQ(0u, output.find("\n * Begin kriging for one point...\n"
                              "     Warning: Internal minimum of    6 neighbors was not reached.\n"
                              "     Cutoff radius temporarily increased to 6\n"));
    EXPECT_LT(5.0f, cutoff);
    // The estimate uses only the data inside the final radius.
    std::vector<float> xs, ys, zs;
    for (size_t i = 0; i < x.size(); ++i) {
        float dx = x[i] - 22, dy = y[i] - 18;
        if (std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy) <= cutoff) {
            xs.push_back(x[i]);
            ys.push_back(y[i]);
            zs.push_back(z[i]);
        }
    }
    ASSERT_GE(xs.size(), 6u);
    EXPECT_NE(std::string::npos,
              output.find(std::string(xs.size() < 10 ? "    " : "   ") + std::to_string(xs.size()) +
                          " data used in estimate\n"));
    Reference ref = krigeInDouble(model, xs, ys, zs, vMax, 22, 18);
    EXPECT_NEAR(ref.estimate, estimate, 2e-5 * ref.estimate);
    EXPECT_NEAR(ref.deviation, deviation, 2e-5 * ref.deviation);
}

TEST_F(Kriging, NothingCarriesOverBetweenCalls) {
    float c1 = 1e6f, e1 = 0, d1 = 0;
    krige(22, 18, c1, e1, d1);
    float c2 = 8, e2 = 0, d2 = 0;
    krige(45, 5, c2, e2, d2);  // different neighbours, radius changes
    float c3 = 1e6f, e3 = 0, d3 = 0;
    krige(22, 18, c3, e3, d3);
    EXPECT_EQ(e1, e3);
    EXPECT_EQ(d1, d3);
}

}  // namespace
