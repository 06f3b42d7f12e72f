#pragma once
// The family and floating auto-judgement: the damage of a skill that hits one
// kind of monster harder is divided by the normal-attack damage, and the
// widest ratio range the typed values allow is compared with the thresholds.
// The weapon's special attack tells whether the monster belongs to the
// weapon's target family, ムーンサルト whether it floats.

#include "engine/config_values.h"

#include <cstdint>

namespace kestrel {

// The damage as typed into the six edits (an empty edit reads 0).
struct SkillDamage {
    std::int32_t normalLow = 0, normalHigh = 0;        // 1090, 1118
    std::int32_t specialLow = 0, specialHigh = 0;      // 1134, 1153
    std::int32_t moonsaultLow = 0, moonsaultHigh = 0;  // 1155, 1156
};

// The ratio range of one skill row. When shown is false the row writes nothing
// at all (no skill damage, no normal damage, or a ratio outside (0.5, 5.0]).
struct SkillRatio {
    bool shown = false;
    float rMin = 0.0f;  // smallest skill damage over largest normal damage
    float rMax = 0.0f;  // largest skill damage over smallest normal damage
};

enum class FamilyVerdict {
    Excluded,   // "除外 → [name]"
    Confirmed,  // "確定 → [name]"
    Undecided,  // "系統判定中"
    NoTarget,   // the weapon has no target family: no verdict
};

enum class FloatingVerdict {
    WindResistant,  // "ましょうぐも？", no state change
    NotFloating,    // "浮いていない"
    Floating,       // "浮いている"
    Undecided,      // "浮遊判定中"
};

struct FamilyJudgement {
    SkillRatio ratio;
    FamilyVerdict verdict = FamilyVerdict::Undecided;  // meaningful when ratio.shown
};

struct FloatingJudgement {
    SkillRatio ratio;
    FloatingVerdict verdict = FloatingVerdict::Undecided;  // meaningful when ratio.shown
};

// The skill-damage bonus (SPATK) is taken off the four skill values, each
// floored at 0; the normal damage stays as typed. A negative reading counts
// as no damage.
SkillDamage withoutSkillBonus(const SkillDamage& typed, std::int32_t SPATK);

// The ratio range of a skill row against the normal damage (single precision).
SkillRatio skillRatio(std::int32_t skillLow, std::int32_t skillHigh, std::int32_t normalLow, std::int32_t normalHigh);

// The weapon special attack's row. targetFamily is the family code - 1 of the
// weapon's target (0..13); anything else gives NoTarget. Exclusion is tested
// before confirmation.
FamilyJudgement judgeFamily(const SkillDamage& typed, std::int32_t SPATK, std::int32_t targetFamily,
                            const JudgementThresholds& thresholds);

// The ムーンサルト row. elementConfirmed: family エ is confirmed (box "確定"
// ticked and its confirm-row button down), which selects the エ thresholds.
// Not floating is tested before floating.
FloatingJudgement judgeFloating(const SkillDamage& typed, std::int32_t SPATK, bool elementConfirmed,
                                const JudgementThresholds& thresholds);

}  // namespace kestrel
