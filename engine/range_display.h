#pragma once
// The accumulated attack and defense ranges and the fifteen texts that show them.

#include "engine/observation_state.h"

#include <string>

namespace kestrel {

struct RangeTexts {
    std::string low, separator, high, average, percentage;  // code page 932
};

struct RangeDisplay {
    RangeTexts attack;        // 1073 1151 1069 1165 1166
    RangeTexts defense;       // 1074 1152 1075 1167 1168
    RangeTexts bonusDefense;  // 1079 1158 1080 1169 1170
};

// Intersects the last ranges with the accumulated bounds (restarting where a
// jump flag says so), returns the texts and clears the four jump flags.
RangeDisplay updateRangeDisplay(ObservationState& state);

}  // namespace kestrel
