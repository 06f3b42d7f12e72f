#pragma once
// What the filter reads from the window at refresh time, handed over as a plain
// snapshot: the enabling boxes, the damage edits as numbers, the search edit,
// the tolerance percentages and the current profile's orb level, weight,
// attack and defense.

#include "engine/config_values.h"

#include <cstdint>
#include <string>

namespace kestrel {

struct FilterInputs {
    // Enabling boxes.
    bool floating = false;            // 1030 浮遊
    bool metal = false;               // 1031 メタル
    bool size = false;                // 1164 大きさ
    bool mpDrain = false;             // 1060 MP吸
    bool anger = false;               // 1059 怒り
    bool push = false;                // 1071 重さ
    bool hpAtLeast = false;           // 1033
    bool hpAtMost = false;            // 1035
    bool mpAtLeast = false;           // 1045
    bool mpAtMost = false;            // 1067
    bool familyExclusion = false;     // 1042 除外
    bool familyConfirmation = false;  // 1058 確定
    bool dealtDamage = false;         // 1092
    bool takenDamage = false;         // 1098
    bool textSearch = false;          // 1032 特技検索 / 豆検索
    bool tolerance = false;           // 1115

    // Damage edits read as decimal integers (empty reads as 0).
    std::int32_t dealtLow = 0;   // 1090
    std::int32_t dealtHigh = 0;  // 1118
    std::int32_t takenLow = 0;   // 1096
    std::int32_t takenHigh = 0;  // 1133

    // The raw text of the search edit 1005 (code page 932), for the trivia search.
    std::string searchText;

    Tolerances tolerances;

    // The current profile.
    std::int32_t ORBUMLV = 0;
    std::int32_t WEIGHT = 3001;
    // While unset (engine/profile_values.h) the damage test resting on it stands aside.
    std::int32_t ATACK = 0;
    std::int32_t DEFENSE = 0;
};

}  // namespace kestrel
