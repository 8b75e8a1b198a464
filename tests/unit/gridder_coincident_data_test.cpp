#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "krige_point.h"

namespace {

// Eight data, the sixth and the eighth at (3, 8) with values 6 and 8; and the same data with one
// datum of value 7 there.  Without an intercept the copies are merged at every point, and the
// point is then kriged bit for bit as from the single datum; with an intercept nothing is merged.
TEST(CoincidentData, MergedCopiesKrigeLikeOneDatumWithTheirMean) {
    auto work = std::make_unique<KrigingWork>();
    std::vector<float> x = {0, 10, 0, 10, 5, 3, 7, 3}, y = {0, 0, 10, 10, 5, 8, 2, 8};
    std::vector<float> z = {1, 2, 3, 4, 5, 6, 7, 8}, zSingle = {1, 2, 3, 4, 5, 7, 7};
    VariogramModel model{0, 1, 0, 0, 7.07107f};
    auto krige = [&](const std::vector<float>& values, float x0, float y0) {
        std::ostringstream console;
        float cutoff = 100;
        return krigePoint(model, 2, x.data(), y.data(), values.data(),
                          static_cast<int>(values.size()), x0, y0, cutoff, *work, console);
    };
    const float points[][2] = {{4, 4}, {1, 1}, {9, 9}, {3, 8}, {5, 6}};
    for (const auto& p : points) {
        PointEstimate merged = krige(z, p[0], p[1]), single = krige(zSingle, p[0], p[1]);
        EXPECT_TRUE(merged.mergedCoincident);
        EXPECT_EQ(7, merged.neighbors);
        EXPECT_EQ(single.estimate, merged.estimate) << p[0] << " " << p[1];
        EXPECT_EQ(single.standardDeviation, merged.standardDeviation);
    }
    model.curve0 = 0.01f;
    EXPECT_FALSE(krige(z, 4, 4).mergedCoincident);
}

}  // namespace
