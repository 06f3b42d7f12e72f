// The window's integer values by name, for the scenario runner and tests.

#include "ui/main_window/window.h"

#include <map>

namespace kestrel::ui {

namespace {

struct ObservationField {
    std::string_view name;
    std::int32_t ObservationState::*member;
};

constexpr ObservationField kObservationFields[] = {
    {"currentClass", &ObservationState::currentClass},
    {"currentUser", &ObservationState::currentUser},
    {"listLayout", &ObservationState::listLayout},
    {"candidateCount", &ObservationState::candidateCount},
    {"refreshSuppressed", &ObservationState::refreshSuppressed},
    {"listLocked", &ObservationState::listLocked},
    {"toleranceEnabled", &ObservationState::toleranceEnabled},
    {"familyConfirmed", &ObservationState::familyConfirmed},
    {"hpAtLeast", &ObservationState::hpAtLeast},
    {"hpAtMost", &ObservationState::hpAtMost},
    {"mpAtLeast", &ObservationState::mpAtLeast},
    {"mpAtMost", &ObservationState::mpAtMost},
    {"observedFloating", &ObservationState::observedFloating},
    {"observedMetal", &ObservationState::observedMetal},
    {"observedSize", &ObservationState::observedSize},
    {"observedMpDrain", &ObservationState::observedMpDrain},
    {"observedAnger", &ObservationState::observedAnger},
    {"observedPush", &ObservationState::observedPush},
    {"lastAttackLow", &ObservationState::lastAttackLow},
    {"lastAttackHigh", &ObservationState::lastAttackHigh},
    {"lastDefenseLow", &ObservationState::lastDefenseLow},
    {"lastDefenseHigh", &ObservationState::lastDefenseHigh},
    {"lastBonusDefenseLow", &ObservationState::lastBonusDefenseLow},
    {"lastBonusDefenseHigh", &ObservationState::lastBonusDefenseHigh},
    {"attackLow", &ObservationState::attackLow},
    {"attackHigh", &ObservationState::attackHigh},
    {"defenseLow", &ObservationState::defenseLow},
    {"defenseHigh", &ObservationState::defenseHigh},
    {"bonusDefenseLow", &ObservationState::bonusDefenseLow},
    {"bonusDefenseHigh", &ObservationState::bonusDefenseHigh},
    {"prevDealtHigh", &ObservationState::prevDealtHigh},
    {"prevDealtLow", &ObservationState::prevDealtLow},
    {"prevTakenHigh", &ObservationState::prevTakenHigh},
    {"prevTakenLow", &ObservationState::prevTakenLow},
    {"dealtLowTyped", &ObservationState::dealtLowTyped},
    {"takenLowTyped", &ObservationState::takenLowTyped},
    {"specialLowTyped", &ObservationState::specialLowTyped},
    {"moonsaultLowTyped", &ObservationState::moonsaultLowTyped},
};

struct SearchField {
    std::string_view name;
    std::int32_t SearchState::*member;
};

constexpr SearchField kSearchFields[] = {
    {"searchWordCount", &SearchState::searchWordCount},
    {"nameSearchActive", &SearchState::nameSearchActive},
};

std::optional<std::int32_t> observationField(const ObservationState& s, std::string_view name)
{
    for (const auto& field : kObservationFields)
        if (field.name == name)
            return s.*field.member;
    for (const auto& field : kSearchFields)
        if (field.name == name)
            return s.search.*field.member;
    if (name.starts_with("familyExcluded")) {
        // familyExcluded1 .. familyExcluded14
        const std::string_view number = name.substr(14);
        for (int k = 1; k <= kFamilyCount; ++k)
            if (number == std::to_string(k))
                return s.familyExcluded[k];
    }
    return std::nullopt;
}

// The settings' values that are no integer key of the settings file.
std::optional<std::int32_t> otherSettingsField(const Settings& settings, std::string_view name)
{
    if (name == "showHints")
        return settings.showHints ? 1 : 0;
    if (name == "debugLevel")
        return settings.debugLevel;
    if (name == "sortKey")
        return settings.sortKey;
    if (name == "informationFlags")
        return static_cast<std::int32_t>(settings.informationFlags & 0xFFFFFFFFu);
    return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> CKestrelDlg::stateField(std::string_view name) const
{
    // The integer settings under their keys in the settings file.
    for (const auto& [key, value] : integerSettings(settings_))
        if (key == name)
            return value;
    if (name == "monsterCount")
        return catalogue_->monsterCount;
    if (const auto value = observationField(state_, name))
        return value;
    return otherSettingsField(settings_, name);
}

}  // namespace kestrel::ui
