#pragma once
// Every persistent value of the program: the SETTING section and the 100 player
// profile sections USER0..USER99 of the settings file.

#include "settings/player_profile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrel {

struct Settings {
    std::uint64_t informationFlags = 0;  // INFORMATIONFLAG (low 32 bits stored)
    std::string monsterFilePath;         // MONSTERFILE, code page 932
    // [KESTREL] MONSTERFILE_UTF8: the definition file's path, UTF-8, when code
    // page 932 cannot hold it; while set it is the file used, and MONSTERFILE
    // keeps the last path it could hold.
    std::string monsterFileUtf8;
    std::int32_t debugLevel = 0;         // DEBUG (read, never written)
    std::int32_t currentClass = 1;       // QUIZCLASS
    std::int32_t currentUser = 0;        // USERSEL
    std::int32_t sortKey = 0;            // SORT
    std::int32_t listLayout = 0;         // SELECTLIST
    std::int32_t PERM_ATK_L = 70;
    std::int32_t PERM_ATK_H = 100;
    std::int32_t PERM_DEF_L = 50;
    std::int32_t PERM_DEF_H = 100;
    std::int32_t AUTOJUDG_SPC = 1;
    std::int32_t AUTOJUDG_FLY = 1;
    float VAL_TYP_SPC_L = 1.00f;
    float VAL_TYP_SPC_H = 1.20f;
    float VAL_FLY_NOM_L = 1.30f;
    float VAL_FLY_NOM_H = 1.56f;
    float VAL_FLY_ELE_L = 1.09f;
    float VAL_FLY_ELE_H = 1.30f;
    float VAL_FLY_WID_L = 0.90f;
    float VAL_FLY_WID_H = 1.17f;
    std::array<PlayerProfile, kProfileCount> profiles;

    Settings();  // every value as a missing settings file gives it
};

// Reads the settings file at path; a missing or unreadable file gives all defaults.
Settings loadSettings(const std::string& path);
// The same over the file's bytes (also the fuzzing entry point).
Settings parseSettings(std::string_view bytes);

// Writes the settings into the file at path, keeping every unrelated line, the
// sections of unset profiles and DEBUG as they are. The file is replaced
// atomically (a temporary file beside it, then a rename). Returns false when
// the file could not be written; the old file is then left as it was.
bool saveSettings(const Settings& settings, const std::string& path);
// The bytes that saveSettings writes, given the file's current bytes.
std::string renderSettings(const Settings& settings, std::string_view currentBytes);

}  // namespace kestrel
