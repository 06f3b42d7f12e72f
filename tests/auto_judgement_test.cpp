// The family and floating auto-judgement on numbers (the stories play what the window does with a verdict).

#include "engine/auto_judgement.h"

#include <gtest/gtest.h>

using namespace kestrel;
using FV = FamilyVerdict;
using LV = FloatingVerdict;

namespace {

constexpr std::int32_t kBeast = 0;  // the spear's target, 獣
const JudgementThresholds kDefaults;

}  // namespace

TEST(AutoJudgement, FamilyVerdictsTestExclusionFirstWithTheBonusOffTheSkillDamage)
{
    struct Case {
        SkillDamage d;
        std::int32_t bonus;
        float rMin, rMax;
        FV verdict;
    };  // ratios in single precision
    const Case cases[] = {
        {{100, 120, 110, 130}, 0, 110.0f / 120.0f, 1.30f, FV::Excluded},  // even though 1.30 reaches 1.20
        {{100, 120, 150, 180}, 0, 1.25f, 1.80f, FV::Confirmed},
        {{100, 120, 121, 125}, 0, 121.0f / 120.0f, 1.25f, FV::Confirmed},
        {{100, 105, 110, 115}, 0, 110.0f / 105.0f, 1.15f, FV::Undecided},
        // The thresholds themselves decide (1.00 excludes, 1.20 confirms); a bonus of 20 comes off 130 ~ 150.
        {{100, 120, 120, 130}, 0, 1.00f, 1.30f, FV::Excluded},
        {{100, 100, 110, 120}, 0, 1.10f, 1.20f, FV::Confirmed},
        {{100, 120, 130, 150}, 20, 110.0f / 120.0f, 1.30f, FV::Excluded}};
    for (const Case& c : cases) {
        const FamilyJudgement j = judgeFamily(c.d, c.bonus, kBeast, kDefaults);
        EXPECT_TRUE(j.ratio.shown && j.ratio.rMin == c.rMin && j.ratio.rMax == c.rMax) << c.d.specialLow;
        EXPECT_EQ(j.verdict, c.verdict) << c.d.specialLow;
    }
    for (std::int32_t target : {-1, 14, 15})  // a weapon without a target family
        EXPECT_EQ(judgeFamily(cases[0].d, 0, target, kDefaults).verdict, FV::NoTarget) << target;

    // Normal damage stays as typed; skill damage is floored at 0, so the row shows nothing.
    const SkillDamage d = withoutSkillBonus({100, 120, 10, 150, 30, 40}, 20);
    EXPECT_TRUE(d.normalLow == 100 && d.specialLow == 0 && d.moonsaultHigh == 20);
    EXPECT_FALSE(judgeFamily({100, 120, 10, 15, 0, 0}, 20, kBeast, kDefaults).ratio.shown);
    EXPECT_EQ(withoutSkillBonus({1, 1, INT32_MAX, INT32_MAX, 0, 0}, 9999).specialHigh, INT32_MAX - 9999);
}

TEST(AutoJudgement, RatiosOutsideTheWindowOrMissingDamageShowNothing)
{
    struct Case {
        std::int32_t sLow, sHigh, nLow, nHigh;
        bool shown;
    };
    for (const Case& c : {Case{40, 50, 100, 120, false}, Case{60, 70, 100, 120, false},     // 0.33, exactly 0.5
                          Case{100, 500, 100, 100, true}, Case{100, 501, 100, 100, false},  // exactly 5.0, above
                          Case{110, 130, 0, 120, false}, Case{110, 130, 100, 0, false},     // an empty normal edit
                          Case{0, 130, 100, 120, false}, Case{-110, -130, -100, -120, false}})
        EXPECT_EQ(skillRatio(c.sLow, c.sHigh, c.nLow, c.nHigh).shown, c.shown) << c.sLow << " " << c.sHigh;
    EXPECT_FALSE(judgeFloating({0, 0, 0, 0, 110, 130}, 0, false, kDefaults).ratio.shown);
}

TEST(AutoJudgement, FloatingVerdictsTestNotFloatingFirst)
{
    struct Case {
        std::int32_t nHigh, mLow, mHigh;
        bool element;
        LV verdict;
    };  // element: エ confirmed
    // Against 100 normal damage: 0.67, 1.25 ~ 1.70, 1.55 ~ 1.90, 1.33 ~ 1.50, then the lower エ thresholds.
    for (const Case& c : {Case{120, 80, 90, false, LV::WindResistant}, Case{120, 150, 170, false, LV::NotFloating},
                          Case{110, 170, 190, false, LV::Floating}, Case{105, 140, 150, false, LV::Undecided},
                          Case{110, 115, 135, true, LV::NotFloating}, Case{110, 130, 150, false, LV::NotFloating},
                          Case{110, 130, 150, true, LV::Floating}, Case{110, 95, 125, true, LV::WindResistant}}) {
        const FloatingJudgement j = judgeFloating({100, c.nHigh, 0, 0, c.mLow, c.mHigh}, 0, c.element, kDefaults);
        EXPECT_TRUE(j.ratio.shown && j.verdict == c.verdict) << c.mLow << " " << c.element;
    }
}
