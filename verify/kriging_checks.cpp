// Gridder's kriging of single points (the very routine its second run calls for each node)
// against what ordinary kriging promises and against an independent solve in double precision.
// Cost: 131 kriged points of about 20 neighbours each, and a double inverse of each system.
#include <cmath>
#include <random>
#include <vector>

#include "checks.h"
#include "kriging_comparison.h"

namespace {

constexpr int RANDOM_POINTS = 100;
constexpr int DATUM_STRIDE = 13;  // every 13th datum is kriged at its own position

// The worst point: its error over its bound, with the largest error of all in the text.
Verdict worstVerdict(const std::string& quantity, const std::vector<PointCheck>& checks,
                     bool estimates) {
    double worst = 0, largest = 0;
    for (const PointCheck& c : checks) {
        double error = estimates ? c.estimateError : c.sumError;
        worst = std::fmax(worst, error / (estimates ? c.estimateBound : c.sumBound));
        largest = std::fmax(largest, error);
    }
    Verdict v = boundVerdict(quantity, worst, 1);
    v.measured += " (largest " + realText(largest, 3) + ")";
    return v;
}

}  // namespace

void checkKriging(std::vector<Verdict>& rows) {
    Scatter s = exampleScatter();
    std::vector<PointCheck> atData, atRandom;
    for (int i = 0; i < int(s.x.size()); i += DATUM_STRIDE) {
        double datum = s.z[i];
        atData.push_back(comparePoint(s, s.x[i], s.y[i], &datum));
    }
    std::mt19937 random(2);
    std::uniform_real_distribution<float> position(0, SCATTER_SIDE);
    for (int i = 0; i < RANDOM_POINTS; ++i) {
        float x0 = position(random), y0 = position(random);
        atRandom.push_back(comparePoint(s, x0, y0, nullptr));
    }
    std::vector<PointCheck> all = atData;
    all.insert(all.end(), atRandom.begin(), atRandom.end());
    rows.push_back(
        worstVerdict("gridder at data, intercept 0: |est. - datum| / bound", atData, true));
    rows.push_back(worstVerdict("gridder: |sum of weights - 1| / bound", all, false));
    rows.push_back(
        worstVerdict("gridder at random points: |est. - double| / bound", atRandom, true));
}
