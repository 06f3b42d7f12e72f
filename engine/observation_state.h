#pragma once
// Everything the player has observed about the hidden monster of the current
// quiz, the ranges derived from the damage typed so far, and the search state.

#include <cstdint>

namespace kestrel {

inline constexpr int kFamilyCount = 14;
inline constexpr int kMaxSearchWords = 8;
inline constexpr int kSearchWordBytes = 64;      // bytes of text a word slot holds
inline constexpr int kNormalisedWordBytes = 96;  // a normalised word may grow by half
inline constexpr std::int32_t kUnboundedDefense = 9999;

struct SearchState {
    char searchWords[kMaxSearchWords][kSearchWordBytes + 1];
    char searchWordsNormalised[kMaxSearchWords][kNormalisedWordBytes + 1];
    std::int32_t searchWordCount;
    std::int32_t nameSearchActive;
    char nameSearchText[kSearchWordBytes + 1];
};

struct ObservationState {
    // Context.
    std::int32_t currentClass = 1;
    std::int32_t currentUser = 0;
    std::int32_t listLayout = 0;
    std::int32_t candidateCount = 0;
    std::int32_t refreshSuppressed = 0;
    std::int32_t listLocked = 0;
    std::int32_t toleranceEnabled = 0;

    // Observed values; index 0 of familyExcluded is unused (family codes 1..14).
    std::int32_t familyExcluded[kFamilyCount + 1] = {};
    std::int32_t familyConfirmed = -1;
    std::int32_t hpAtLeast = -1;
    std::int32_t hpAtMost = -1;
    std::int32_t mpAtLeast = -1;
    std::int32_t mpAtMost = -1;
    std::int32_t observedFloating = -1;
    std::int32_t observedMetal = -1;
    std::int32_t observedSize = -1;
    std::int32_t observedMpDrain = -1;
    std::int32_t observedAnger = 0;  // 0 unknown, 1 got angry, 2 does not get angry
    std::int32_t observedPush = -1;  // 0 could push it, 1 could not

    // Damage model: last ranges, accumulated bounds and spans.
    std::int32_t lastAttackLow = -1, lastAttackHigh = -1;
    std::int32_t lastDefenseLow = -1, lastDefenseHigh = -1;
    std::int32_t lastBonusDefenseLow = -1, lastBonusDefenseHigh = -1;
    std::int32_t attackLow = -1, attackHigh = -1;
    std::int32_t defenseLow = -1, defenseHigh = -1;
    std::int32_t bonusDefenseLow = -1, bonusDefenseHigh = -1;
    std::int32_t attackSpanLow = 0, attackSpanHigh = 0;
    std::int32_t defenseSpanLow = 0, defenseSpanHigh = 0;
    std::int32_t bonusDefenseSpanLow = 0, bonusDefenseSpanHigh = 0;
    std::int32_t prevDealtHigh = -1, prevDealtLow = -1, prevTakenHigh = -1, prevTakenLow = -1;
    std::int32_t dealtLowTyped = 0, takenLowTyped = 0, specialLowTyped = 0, moonsaultLowTyped = 0;
    std::int32_t dealtHighJumped = 0, dealtLowJumped = 0, takenHighJumped = 0, takenLowJumped = 0;

    SearchState search{};
};

// Puts every observed value, the damage-model state and the search word count
// back to their reset values; the context fields other than listLocked and
// toleranceEnabled are kept. Clearing the window's controls is the window's part.
void resetObservations(ObservationState& state);

}  // namespace kestrel
