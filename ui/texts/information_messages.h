#pragma once
// The one-time information messages: their texts and the tolerances that the
// start-up question recommends.

#include "engine/config_values.h"

#include <string>

namespace kestrel::ui {

// The caption of every information message box.
inline constexpr const char* kInformationCaption = "INFORMATION";

// The damage tolerances recommended after the game's status update: those of a
// fresh settings file.
inline constexpr Tolerances kRecommendedTolerances{};

// The message that asks whether to take over the recommended tolerances.
inline constexpr int kToleranceQuestion = 1;

// The text of information message n (0, 1, 2, 3, 4 or 6) in code page 932;
// empty for any other number.
std::string informationText(int message);

}  // namespace kestrel::ui
