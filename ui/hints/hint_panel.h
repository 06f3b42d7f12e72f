#pragma once
// The hint panel beside the candidate list: the three best next observations,
// the near misses once the list is short, and the "なぜ消えた?" field that tells
// for each monster whose name begins with the typed text what removed it. The
// value buttons' tooltips show each answer's live count above their shortcut.
// It only reads the state.

#include "catalogue/catalogue.h"
#include "engine/filter_inputs.h"
#include "engine/observation_state.h"
#include "settings/player_profile.h"
#include "ui/controls.h"
#include "ui/hints/differences_table.h"

#include <array>
#include <vector>

namespace kestrel::ui {

// The headings of the panel's three parts and the label of the "なぜ消えた?" field.
inline constexpr int kIdAdviceHeading = 3000, kIdNearMissHeading = 3010, kIdWhyGoneHeading = 3028;
inline constexpr int kIdWhyGoneLabel = 3029;
inline constexpr std::array<int, 3> kIdAdviceLines = {3001, 3002, 3003};
inline constexpr std::array<int, 10> kIdNearMissLines = {3011, 3012, 3013, 3014, 3015, 3016, 3017, 3018, 3019, 3020};
inline constexpr int kIdWhyGoneEdit = 3030;
inline constexpr std::array<int, 5> kIdWhyGoneLines = {3031, 3032, 3033, 3034, 3035};
// Near misses are shown once the list holds this many candidates or fewer.
inline constexpr int kNearMissListSize = 3;

// Appends the panel's controls (all empty at first) to a window's controls.
void addHintPanelControls(std::vector<ControlSpec>& items);

struct HintSources {
    Catalogue& catalogue;
    const ObservationState& state;
    const FilterInputs& inputs;
    const WeaponRow* weapon;                 // the profile's weapon; nullptr for none
    const PlayerProfile* profile = nullptr;  // the current profile; nullptr for none
};

// The skills the panel names, each added to the search by a click on the
// control that names it (code page 932, as typed into the search edit).
struct HintSkills {
    std::array<std::string, kIdAdviceLines.size()> advice;  // per advice line: its best-splitting skill
    std::array<std::string, kDifferenceRows> rows;          // per row of the 違い table
    // The skill of control id, or "" when it names none.
    std::string of(int id) const;
    // The first skill named: the advice's, else the table's first skill row.
    std::string first() const;
};

// Brings the whole panel and the value buttons' tooltips up to date; with no
// monster loaded everything is empty. While the profile's attack or defense is
// unset, the first advice line says so (a damage typed then empties the list)
// and no damage observation is advised. While two or more candidates remain
// and nothing is advised, an advice line says that no observation splits them.
HintSkills showHints(Controls& controls, const HintSources& sources);

}  // namespace kestrel::ui
