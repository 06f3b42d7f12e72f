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

// Narrows the monster's defense (dealt row, by the player's attack) or attack
// (taken row, by the player's defense) by value. After a jump of this edit the
// range restarts: showRanges runs, the other edit's value narrows it too, and
// showRanges runs again.
void narrowByDamage(ObservationState& state, MeasuredRow row, DamageEdit edit, std::int32_t playerValue,
                    std::int32_t value, std::int32_t otherValue, const std::function<void()>& showRanges);

}  // namespace kestrel
