#pragma once
// The player's attack and defense as the damage rules take them. A profile the
// player has never set holds 1001 + n and 2001 + n, above any value the game
// gives: such a value is unset, and no damage is measured against it.

#include <cstdint>

namespace kestrel {

inline constexpr std::int32_t kMaxPlayerAttack = 1000;
inline constexpr std::int32_t kMaxPlayerDefense = 2000;

constexpr bool playerAttackUnset(std::int32_t attack) { return attack > kMaxPlayerAttack; }
constexpr bool playerDefenseUnset(std::int32_t defense) { return defense > kMaxPlayerDefense; }

}  // namespace kestrel
