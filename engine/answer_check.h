#pragma once
// The answer check: once the game has named the monster of a quiz, what the
// observations say about its record. Whether it is still a candidate, every
// criterion it fails (the same verdict as the near misses and なぜ消えた?), which
// observed facts its record contradicts, and the attack and defense values for
// which the filter's own damage test would keep every typed damage value.
//
// One addition to the agreed interface: checkAnswer takes the profile's attack
// and defense (ProfileSides), which the filter inputs do not carry and which the
// implied sets are computed from.

#include "catalogue/catalogue.h"
#include "engine/elimination.h"
#include "engine/filter_inputs.h"
#include "engine/observation_state.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrel {

// The values an implied set is looked for in; an interval that ends at the top
// one stands for "this value or more".
inline constexpr std::int32_t kImpliedStatMin = 1;
inline constexpr std::int32_t kImpliedStatMax = 9999;

// The profile's attack (the monster's defense is measured with it) and defense
// (its attack); 0 when the player has not set that side.
struct ProfileSides {
    std::int32_t attack = 0;
    std::int32_t defense = 0;
};

using StatInterval = std::pair<std::int32_t, std::int32_t>;  // both ends included

struct ImpliedValue {
    std::int32_t fileValue = -1;
    bool known = false;                 // file value not -1 (or 0) and the profile's side set
    std::vector<StatInterval> implied;  // ascending, disjoint; empty when no value keeps them all
    bool inside = false;                // the file's value lies in one of them
};

struct FactContradiction {
    std::string attribute;  // "floating", "metal", "size", "mpDrain", "anger", "push", "family", "skill"
    std::string observed;  // as the command line names it ("yes", "big", a family code, a search word in code page 932)
    std::string recorded;  // the record's value in the same words
};

struct AnswerCheck {
    std::int32_t index = -1;
    bool wasCandidate = false;
    RecordVerdict verdict;  // the failed criteria and the damage each failed test allowed
    ImpliedValue attack;    // from the received damage and the profile's defense
    ImpliedValue defense;   // from the dealt damage and the profile's attack
    std::vector<FactContradiction> contradictions;
};

// The record named nameCp932 exactly, else the first in table order whose name
// begins with it as the @name search finds it; -1 for none or an empty name.
std::int32_t findAnswer(Catalogue& catalogue, std::string_view nameCp932);

// Checks the record at index against the observations. The record's expected
// damage must be computed for the profile (computeExpectedDamage), as for the
// filter. An index outside the table gives a check with index -1.
AnswerCheck checkAnswer(Catalogue& catalogue, const ObservationState& state, const FilterInputs& inputs,
                        std::int32_t index, const ProfileSides& profile);

// The values v of the record's attack (defense) for which the filter's received
// (dealt) damage test, with the tolerance box off, keeps every typed value in
// force; all of kImpliedStatMin..kImpliedStatMax when no such value is typed.
std::vector<StatInterval> impliedAttack(const MonsterRecord& record, const FilterInputs& inputs,
                                        std::int32_t profileDefense);
std::vector<StatInterval> impliedDefense(const MonsterRecord& record, const FilterInputs& inputs,
                                         std::int32_t profileAttack);

// Whether value lies in one of the intervals (past the top one when it ends at kImpliedStatMax).
bool impliedContains(const std::vector<StatInterval>& intervals, std::int32_t value);

}  // namespace kestrel
