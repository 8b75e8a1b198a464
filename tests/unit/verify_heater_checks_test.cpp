// verify's heater checks fed deliberately wrong claims: each wrong one must fail, the true one
// pass.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "explicit_growth.h"
#include "heater_exact_field.h"
#include "subduction_checks.h"

namespace {

// Stepping with other parameters than the exact solution is drawn for is what each fault of the
// schemes amounts to: heat production times rhoC (A four times too large for rhoC = 2), a full
// step of heat per ADI half-step (A doubled), dx^2 taken as dx dz, and the two spacings swapped
// (rx and rz swapped).
TEST(VerifyHeaterChecks, geothermWithPatternCatchesWrongSchemes) {
    struct Case {
        const char* name;
        std::function<void(GeothermRun&)> change;
        bool pass;
    };
    const Case cases[] = {
        {"as drawn", [](GeothermRun&) {}, true},
        {"A rhoC for A / rhoC", [](GeothermRun& r) { r.A *= 4; }, false},
        {"full heat per half-step", [](GeothermRun& r) { r.A *= 2; }, false},
        {"dx^2 as dx dz", [](GeothermRun& r) { r.dx = std::sqrt(r.dx * r.dz); }, false},
        {"spacings swapped", [](GeothermRun& r) { std::swap(r.dx, r.dz); }, false},
        {"kappa 1 % off", [](GeothermRun& r) { r.kappa *= 1.01f; }, false},
    };
    for (HeaterMethod method : {HeaterMethod::explicitSteps, HeaterMethod::adi})
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            GeothermRun run, stepped;
            c.change(stepped);
            ExactFieldError e = geothermWithPattern(method, run, stepped);
            EXPECT_GT(e.bound, 0);
            EXPECT_EQ(c.pass, e.largest <= e.bound) << e.largest << " against " << e.bound;
        }
}

// The fault moves the plate by v dt / ds nodes and heats it by the work tau v dt ds per segment.
TEST(VerifyHeaterChecks, subductionCatchesWrongMotionAndHeat) {
    struct Case {
        const char* name;
        std::function<void(SubductionRun&)> change;
        bool motionPasses, heatPasses;
    };
    const Case cases[] = {
        {"as claimed", [](SubductionRun&) {}, true, true},
        {"v 20 % faster", [](SubductionRun& r) { r.v *= 1.2f; }, false, false},
        {"tau 10 % less", [](SubductionRun& r) { r.tau *= 0.9f; }, true, false},
        {"rhoC doubled", [](SubductionRun& r) { r.k *= 2; }, true, false},
        {"no motion", [](SubductionRun& r) { r.v = 0; }, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SubductionRun run, stepped;
        c.change(stepped);
        ExactFieldError motion = subductionMotion(run, stepped);
        ExactFieldError heat = subductionShearHeat(run, stepped);
        EXPECT_EQ(c.motionPasses, motion.largest <= motion.bound) << motion.largest;
        EXPECT_EQ(c.heatPasses, heat.largest <= heat.bound) << heat.largest;
    }
}

// A limit off by what cos(pi / (nz - 1)) for cos(pi / (2 (nz - 1))) makes of it: 1.78 times the
// true one on 3 rows (dx 1.25, dz 1), where the fixed rows count most; a step just inside the
// wrong limit grows there (so fast that it leaves the float range: a growth that is not a number
// fails the row as well), and one just beyond a limit too small does not.
TEST(VerifyHeaterChecks, growthBracketsTheLimit) {
    const double trueRate = 4 * 0.5 + 4 / 1.5625, wrongRate = 4 * 0.0 + 4 / 1.5625;
    const double tooLarge = trueRate / wrongRate;
    struct Case {
        double fraction;
        bool grows;
    };
    for (Case c : {Case{1.01, true}, Case{0.99, false}, Case{0.99 * tooLarge, true},
                   Case{1.01 / tooLarge, false}}) {
        SCOPED_TRACE(c.fraction);
        EXPECT_EQ(c.grows, !(explicitGrowthPerStep(c.fraction, 5, 3, 1.25f, 1) <= 1));
    }
}

}  // namespace
