// The window's integer values by name, for the scenario runner and tests.

#include "ui/main_window/window.h"

#include <map>

namespace kestrel::ui {

std::optional<std::int32_t> CKestrelDlg::stateField(std::string_view name) const
{
    const ObservationState& s = state_;
    const std::map<std::string_view, std::int32_t> fields = {
        {"currentClass", s.currentClass},
        {"currentUser", s.currentUser},
        {"listLayout", s.listLayout},
        {"showHints", settings_.showHints ? 1 : 0},
        {"monsterCount", catalogue_->monsterCount},
        {"candidateCount", s.candidateCount},
        {"refreshSuppressed", s.refreshSuppressed},
        {"listLocked", s.listLocked},
        {"toleranceEnabled", s.toleranceEnabled},
        {"familyConfirmed", s.familyConfirmed},
        {"hpAtLeast", s.hpAtLeast},
        {"hpAtMost", s.hpAtMost},
        {"mpAtLeast", s.mpAtLeast},
        {"mpAtMost", s.mpAtMost},
        {"observedFloating", s.observedFloating},
        {"observedMetal", s.observedMetal},
        {"observedSize", s.observedSize},
        {"observedMpDrain", s.observedMpDrain},
        {"observedAnger", s.observedAnger},
        {"observedPush", s.observedPush},
        {"lastAttackLow", s.lastAttackLow},
        {"lastAttackHigh", s.lastAttackHigh},
        {"lastDefenseLow", s.lastDefenseLow},
        {"lastDefenseHigh", s.lastDefenseHigh},
        {"lastBonusDefenseLow", s.lastBonusDefenseLow},
        {"lastBonusDefenseHigh", s.lastBonusDefenseHigh},
        {"attackLow", s.attackLow},
        {"attackHigh", s.attackHigh},
        {"defenseLow", s.defenseLow},
        {"defenseHigh", s.defenseHigh},
        {"bonusDefenseLow", s.bonusDefenseLow},
        {"bonusDefenseHigh", s.bonusDefenseHigh},
        {"prevDealtHigh", s.prevDealtHigh},
        {"prevDealtLow", s.prevDealtLow},
        {"prevTakenHigh", s.prevTakenHigh},
        {"prevTakenLow", s.prevTakenLow},
        {"dealtLowTyped", s.dealtLowTyped},
        {"takenLowTyped", s.takenLowTyped},
        {"specialLowTyped", s.specialLowTyped},
        {"moonsaultLowTyped", s.moonsaultLowTyped},
        {"searchWordCount", s.search.searchWordCount},
        {"nameSearchActive", s.search.nameSearchActive},
        {"debugLevel", settings_.debugLevel},
        {"sortKey", settings_.sortKey},
        {"informationFlags", static_cast<std::int32_t>(settings_.informationFlags & 0xFFFFFFFFu)},
    };
    // The integer settings under their keys in the settings file.
    for (const auto& [key, value] : integerSettings(settings_))
        if (key == name)
            return value;
    if (name.starts_with("familyExcluded")) {
        // familyExcluded1 .. familyExcluded14
        const std::string_view number = name.substr(14);
        for (int k = 1; k <= kFamilyCount; ++k)
            if (number == std::to_string(k))
                return s.familyExcluded[k];
        return std::nullopt;
    }
    auto it = fields.find(name);
    if (it == fields.end())
        return std::nullopt;
    return it->second;
}

}  // namespace kestrel::ui
