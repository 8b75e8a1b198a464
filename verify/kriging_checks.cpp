// Gridder's kriging of single points (the very routine its second run calls for each node)
// against what ordinary kriging promises and against an independent solve in double precision,
// with a model through 0 and one with a nugget; and its weight check on sums it must rescale.
// Cost: 262 kriged points of about 20 neighbours each, and a double inverse of each system.
#include <cmath>
#include <random>
#include <vector>

#include "checks.h"
#include "kriging.h"
#include "kriging_comparison.h"
#include "weight_check_cases.h"

namespace {

constexpr int RANDOM_POINTS = 100;
constexpr int DATUM_STRIDE = 13;  // every 13th datum is kriged at its own position

// The worst point: its error over its bound, with the largest error of all in the text.  A
// difference or a bound that is not a number makes the verdict fail.
Verdict worstVerdict(const std::string& quantity, const std::vector<Measured>& checks) {
    double worst = 0, largest = 0;
    for (const Measured& c : checks) {
        worst = worse(worst, c.error / c.bound);
        largest = worse(largest, c.error);
    }
    Verdict v = boundVerdict(quantity, worst, 1);
    v.measured += " (largest " + realText(largest, 3) + ")";
    return v;
}

struct ModelChecks {
    std::vector<Measured> atData, atRandom, weightSums, variances;
};

ModelChecks checkModel(const Scatter& s, const VariogramModel& model, bool exactAtData) {
    ModelChecks checks;
    auto keep = [&](const PointCheck& c, std::vector<Measured>& estimates) {
        estimates.push_back(c.estimate);
        checks.weightSums.push_back(c.weightSum);
        checks.variances.push_back(c.variance);
    };
    for (int i = 0; i < int(s.x.size()); i += DATUM_STRIDE) {
        double datum = s.z[i];
        keep(comparePoint(s, model, s.x[i], s.y[i], exactAtData ? &datum : nullptr), checks.atData);
    }
    std::mt19937 random(2);
    std::uniform_real_distribution<float> position(0, SCATTER_SIDE);
    for (int i = 0; i < RANDOM_POINTS; ++i) {
        float x0 = position(random), y0 = position(random);
        keep(comparePoint(s, model, x0, y0, nullptr), checks.atRandom);
    }
    return checks;
}

std::vector<Measured> joined(std::vector<Measured> a, const std::vector<Measured>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

void checkKriging(std::vector<Verdict>& rows) {
    Scatter s = exampleScatter();
    ModelChecks zero = checkModel(s, modelThroughZero(), true);
    ModelChecks nugget = checkModel(s, modelWithNugget(), false);
    rows.push_back(
        worstVerdict("gridder at data, intercept 0: |est. - datum| / bound", zero.atData));
    rows.push_back(
        worstVerdict("gridder at random points: |est. - double| / bound", zero.atRandom));
    rows.push_back(worstVerdict("gridder with nugget 0.2: |est. - double| / bound",
                                joined(nugget.atData, nugget.atRandom)));
    rows.push_back(worstVerdict("gridder: |sum of weights - 1| / bound, unchecked",
                                joined(zero.weightSums, nugget.weightSums)));
    rows.push_back(worstVerdict("gridder: |variance - double| / bound",
                                joined(zero.variances, nugget.variances)));

    WeightCheckOutcome check = weightCheckCases(checkWeightSum);
    Verdict rescaled = boundVerdict("gridder weight check, sums 0.5 to 3: |rescaled - 1|",
                                    check.largestMiss, check.bound);
    rescaled.measured += " (" + std::to_string(check.wrongDecisions) + " wrong decisions)";
    rescaled.pass = rescaled.pass && check.wrongDecisions == 0;
    rows.push_back(rescaled);
}
