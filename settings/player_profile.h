#pragma once
// The player profiles and the constant weapon table.

#include "engine/profile_values.h"

#include <cstdint>
#include <string_view>

namespace kestrel {

inline constexpr int kProfileCount = 100;
inline constexpr int kUserNameSize = 13;  // 12 bytes of text and the NUL
inline constexpr int kWeaponCount = 15;
inline constexpr int kMaxWeaponSetting = 16;  // the settings file accepts 0..16

struct PlayerProfile {
    std::int32_t WEAPON = 0;
    std::int32_t ORBUMLV = 0;
    std::int32_t ATACK = 1;
    std::int32_t DEFENSE = 1;
    std::int32_t WEIGHT = 1;
    std::int32_t SPATK = 0;
    char USERNAME[kUserNameSize] = {};
};

// The defaults of a profile missing from the settings file (profile number n):
// attack 1001 + n, defense 2001 + n, weight 3001 + n, name "User" n + 1.
PlayerProfile defaultProfile(int n);

// Whether the player has never set the profile's attack or defense: the
// defaults lie above 1000 and 2000, beyond any value the game gives.
constexpr bool attackUnset(const PlayerProfile& profile) { return playerAttackUnset(profile.ATACK); }
constexpr bool defenseUnset(const PlayerProfile& profile) { return playerDefenseUnset(profile.DEFENSE); }

struct WeaponRow {
    const char* name;           // code page 932, fits 16 bytes
    std::int32_t targetFamily;  // family code - 1 (0..13)
    const char* specialAttack;  // code page 932, fits 20 bytes
};

// The weapon row of a WEAPON value, or nullptr for a value outside the table
// (15 and 16 are accepted by the settings file but name no weapon).
const WeaponRow* weaponRow(std::int32_t weapon);

// Caption of the orb level radio button (0..6), code page 932; nullptr outside.
const char* orbCaption(std::int32_t level);

}  // namespace kestrel
