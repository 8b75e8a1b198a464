#pragma once
// The kriging benchmarks' data: MAX_DATA points scattered uniformly over 1000 x 1000 by a fixed
// linear congruential sequence, their values a gentle plane plus noise of 1, so that every run
// and every benchmark sees the same scene.
#include <cstdint>
#include <vector>

#include "capacities.h"
#include "extent.h"

struct KrigingScene {
    std::vector<float> x = std::vector<float>(MAX_DATA), y = x, z = x;
    DataExtent extent;
    KrigingScene() {
        std::uint32_t seed = 7;
        auto next = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return static_cast<float>(seed >> 8) / 16777216.0f;
        };
        for (int i = 0; i < MAX_DATA; ++i) {
            x[i] = 1000 * next();
            y[i] = 1000 * next();
            z[i] = 0.01f * x[i] + 0.02f * y[i] + next();
        }
        extent = computeExtent(x.data(), y.data(), MAX_DATA);
    }
};
