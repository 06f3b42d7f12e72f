#pragma once
// The one-time information messages: their texts and the tolerances that the
// start-up question recommends.

#include <cstdint>
#include <string>

namespace kestrel::ui {

// The caption of every information message box.
inline constexpr const char* kInformationCaption = "INFORMATION";

// Damage tolerances (percent) recommended after the game's status update:
// attack low/high, defense low/high.
struct Tolerances {
    std::int32_t attackLow;
    std::int32_t attackHigh;
    std::int32_t defenseLow;
    std::int32_t defenseHigh;
};
inline constexpr Tolerances kRecommendedTolerances = {70, 100, 50, 100};

// The message that asks whether to take over the recommended tolerances.
inline constexpr int kToleranceQuestion = 1;

// The text of information message n (0, 1, 2, 3, 4 or 6) in code page 932;
// empty for any other number.
std::string informationText(int message);

}  // namespace kestrel::ui
