#include "engine/auto_judgement.h"

#include <algorithm>

namespace kestrel {

namespace {

constexpr std::int32_t kFamilyTargets = 14;
// Ratios outside this window come from a mistyped or unrelated value.
constexpr float kLowestRatio = 0.5f;
constexpr float kHighestRatio = 5.0f;

std::int32_t noneBelowZero(std::int32_t value) { return std::max<std::int32_t>(value, 0); }

// The bonus is taken off in 64 bits, so that no stored value overflows.
std::int32_t withoutBonus(std::int32_t value, std::int32_t bonus)
{
    const std::int64_t v = std::int64_t{noneBelowZero(value)} - bonus;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, INT32_MAX));
}

}  // namespace

SkillDamage withoutSkillBonus(const SkillDamage& typed, std::int32_t SPATK)
{
    SkillDamage d;
    d.normalLow = noneBelowZero(typed.normalLow);
    d.normalHigh = noneBelowZero(typed.normalHigh);
    d.specialLow = withoutBonus(typed.specialLow, SPATK);
    d.specialHigh = withoutBonus(typed.specialHigh, SPATK);
    d.moonsaultLow = withoutBonus(typed.moonsaultLow, SPATK);
    d.moonsaultHigh = withoutBonus(typed.moonsaultHigh, SPATK);
    return d;
}

SkillRatio skillRatio(std::int32_t skillLow, std::int32_t skillHigh, std::int32_t normalLow, std::int32_t normalHigh)
{
    SkillRatio ratio;
    if (normalLow <= 0 || normalHigh <= 0 || skillLow <= 0 || skillHigh <= 0)
        return ratio;
    ratio.rMin = static_cast<float>(skillLow) / static_cast<float>(normalHigh);
    ratio.rMax = static_cast<float>(skillHigh) / static_cast<float>(normalLow);
    ratio.shown = ratio.rMin > kLowestRatio && ratio.rMax <= kHighestRatio;
    return ratio;
}

FamilyJudgement judgeFamily(const SkillDamage& typed, std::int32_t SPATK, std::int32_t targetFamily,
                            const JudgementThresholds& thresholds)
{
    const SkillDamage d = withoutSkillBonus(typed, SPATK);
    FamilyJudgement judgement;
    judgement.ratio = skillRatio(d.specialLow, d.specialHigh, d.normalLow, d.normalHigh);
    if (targetFamily < 0 || targetFamily >= kFamilyTargets)
        judgement.verdict = FamilyVerdict::NoTarget;
    else if (thresholds.VAL_TYP_SPC_L >= judgement.ratio.rMin)
        judgement.verdict = FamilyVerdict::Excluded;
    else if (judgement.ratio.rMax >= thresholds.VAL_TYP_SPC_H)
        judgement.verdict = FamilyVerdict::Confirmed;
    else
        judgement.verdict = FamilyVerdict::Undecided;
    return judgement;
}

FloatingJudgement judgeFloating(const SkillDamage& typed, std::int32_t SPATK, bool elementConfirmed,
                                const JudgementThresholds& thresholds)
{
    const SkillDamage d = withoutSkillBonus(typed, SPATK);
    FloatingJudgement judgement;
    judgement.ratio = skillRatio(d.moonsaultLow, d.moonsaultHigh, d.normalLow, d.normalHigh);
    const float L = elementConfirmed ? thresholds.VAL_FLY_ELE_L : thresholds.VAL_FLY_NOM_L;
    const float H = elementConfirmed ? thresholds.VAL_FLY_ELE_H : thresholds.VAL_FLY_NOM_H;
    if (thresholds.VAL_FLY_WID_L >= judgement.ratio.rMin)
        judgement.verdict = FloatingVerdict::WindResistant;
    else if (L >= judgement.ratio.rMin)
        judgement.verdict = FloatingVerdict::NotFloating;
    else if (judgement.ratio.rMax >= H)
        judgement.verdict = FloatingVerdict::Floating;
    else
        judgement.verdict = FloatingVerdict::Undecided;
    return judgement;
}

}  // namespace kestrel
