#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "distance.h"
#include "model_row.h"

namespace {

std::uint32_t bitsOf(float f) {
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

// Four at a time or one by one, every value is the same to the bit: random positions, models
// that go negative (made 0) or have no intercept, coincident points, and coordinates that are
// infinite or not a number.
TEST(ModelRow, EqualsTheOneByOneValuesBitForBit) {
    const VariogramModel models[] = {
        {0.1f, 1, 0, 0, 10}, {0, 2, 0, -0.5f, 3.5f}, {0.05f, 1.2f, -0.3f, 0.02f, 707.1f}};
    const float inf = std::numeric_limits<float>::infinity();
    std::mt19937 random(61);
    std::uniform_real_distribution<float> unit(-1, 1);
    for (const VariogramModel& model : models) {
        for (int count = 0; count <= 50; ++count) {
            std::vector<float> xs(count), ys(count), v(count);
            float x = 20 * unit(random), y = 20 * unit(random);
            for (int k = 0; k < count; ++k) {
                xs[k] = x + 30 * unit(random);
                ys[k] = y + 30 * unit(random);
            }
            if (count > 3) {
                xs[1] = x, ys[1] = y;  // the same position
                xs[2] = std::nanf("");
                ys[3] = -inf;
            }
            modelValuesTo(model, x, y, xs.data(), ys.data(), count, v.data());
            for (int k = 0; k < count; ++k)
                ASSERT_EQ(bitsOf(modelVariance(model, separation(xs[k], ys[k], x, y))),
                          bitsOf(v[k]))
                    << count << " " << k;
        }
    }
}

}  // namespace
