#include "explicit_growth.h"

#include <cmath>
#include <random>

#include "solvers.h"
#include "stability_limit.h"
#include "verdict.h"

double explicitGrowthPerStep(double fraction, int nx, int nz, float dx, float dz) {
    constexpr int STEPS = 200, LAST = 50;
    constexpr float KAPPA = 1, CONDUCTIVITY = 1;
    static TemperatureField T;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> disturbance(-1, 1);
    for (int i = 1; i <= nz; ++i)
        for (int j = 1; j <= nx; ++j) T[i][j] = i == 1 || i == nz ? 0.0f : disturbance(random);
    float dt = float(fraction * explicitStableStep(KAPPA, dx, dz, nx, nz));
    double before = 0;
    for (int s = 1; s <= STEPS; ++s) {
        explicitStep(CONDUCTIVITY, dt, dx, dz, 0, KAPPA, nx, nz, T);
        if (s == STEPS - LAST || s == STEPS) {
            double largest = 0;
            for (int i = 1; i <= nz; ++i)
                for (int j = 1; j <= nx; ++j) largest = worse(largest, std::fabs(T[i][j]));
            if (s == STEPS) return std::pow(largest / before, 1.0 / LAST);
            before = largest;
        }
    }
    return 0;
}
