#pragma once
// The game's damage formula, forwards (expected damage of every monster for a
// player profile) and backwards (the monster's attack or defense implied by one
// damage value).

#include "catalogue/catalogue.h"
#include "engine/observation_state.h"

#include <cstdint>

namespace kestrel {

struct DamageRange {
    std::int32_t min;
    std::int32_t max;
    float ratio;  // attack / defense x 100
};

DamageRange expectedDamageRange(std::int32_t attack, std::int32_t defense, std::int32_t noDamage);

// Fills takenMin/Max/Ratio and dealtMin/Max/Ratio of every record for a player
// of the given attack and defense.
void computeExpectedDamage(Catalogue& catalogue, std::int32_t playerAttack, std::int32_t playerDefense);

// Sets lastAttackLow/High from one received-damage value.
void attackFromTakenDamage(ObservationState& state, std::int32_t playerDefense, std::int32_t damage);
// Sets lastDefenseLow/High and lastBonusDefenseLow/High from one dealt-damage value.
void defenseFromDealtDamage(ObservationState& state, std::int32_t playerAttack, std::int32_t damage);

}  // namespace kestrel
