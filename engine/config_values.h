#pragma once
// The fourteen values of the Config dialog, kept in the settings file: the
// tolerances of the two damage tests, and the two automatic judgements with
// their ratio thresholds. The defaults are those of a missing settings file.

#include <cstdint>

namespace kestrel {

// Tolerance percentages of the dealt (attack) and taken (defense) damage tests.
struct Tolerances {
    std::int32_t PERM_ATK_L = 70;
    std::int32_t PERM_ATK_H = 100;
    std::int32_t PERM_DEF_L = 50;
    std::int32_t PERM_DEF_H = 100;

    friend bool operator==(const Tolerances&, const Tolerances&) = default;
};

// The ratio thresholds of the family judgement (TYP_SPC) and of the floating
// judgement against normal (NOM), エ (ELE) and wind-resistant (WID) monsters.
struct JudgementThresholds {
    float VAL_TYP_SPC_L = 1.00f;
    float VAL_TYP_SPC_H = 1.20f;
    float VAL_FLY_NOM_L = 1.30f;
    float VAL_FLY_NOM_H = 1.56f;
    float VAL_FLY_ELE_L = 1.09f;
    float VAL_FLY_ELE_H = 1.30f;
    float VAL_FLY_WID_L = 0.90f;
    float VAL_FLY_WID_H = 1.17f;

    friend bool operator==(const JudgementThresholds&, const JudgementThresholds&) = default;
};

struct ConfigValues {
    Tolerances tolerances;
    std::int32_t AUTOJUDG_SPC = 1;  // the family judgement: 1 on, 0 off
    std::int32_t AUTOJUDG_FLY = 1;  // the floating judgement: 1 on, 0 off
    JudgementThresholds thresholds;

    friend bool operator==(const ConfigValues&, const ConfigValues&) = default;
};

}  // namespace kestrel
