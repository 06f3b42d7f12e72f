#pragma once
// How a value typed into the dealt or received damage row reaches the range
// model: each edit remembers its previous value, a value more than one away
// from it is a jump, and a jump restarts the accumulated range from the pair.

#include "engine/observation_state.h"

#include <cstdint>
#include <functional>

namespace kestrel {

enum class MeasuredRow { Dealt, Taken };
enum class DamageEdit { Low, High };

// Records value as the edit's latest and whether it jumped from the one before
// (the first value of an edit leaves the jump flag as it was).
void noteDamageValue(ObservationState& state, MeasuredRow row, DamageEdit edit, std::int32_t value);

// Whether the player's value a row is measured against (the attack for the
// dealt row, the defense for the taken row) is unset.
bool measuredAgainstUnset(MeasuredRow row, std::int32_t playerValue);

// Nothing is known of the row's quantity any more: its last range and its
// accumulated bounds go back to -1, so the display shows "?".
void forgetMeasuredRange(ObservationState& state, MeasuredRow row);

// Narrows the monster's defense (dealt row, by the player's attack) or attack
// (taken row, by the player's defense) by value. After a jump of this edit the
// range restarts: showRanges runs, the other edit's value narrows it too, and
// showRanges runs again. Against an unset player's value the row's range is
// forgotten instead.
void narrowByDamage(ObservationState& state, MeasuredRow row, DamageEdit edit, std::int32_t playerValue,
                    std::int32_t value, std::int32_t otherValue, const std::function<void()>& showRanges);

}  // namespace kestrel
