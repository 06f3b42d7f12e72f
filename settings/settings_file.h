#pragma once
// Every persistent value of the program: the SETTING section and the 100 player
// profile sections USER0..USER99 of the settings file.

#include "engine/config_values.h"
#include "settings/player_profile.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrel {

// The main window's place on the screen in pixels: its top-left corner and size.
struct WindowGeometry {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const WindowGeometry&, const WindowGeometry&) = default;
};

// The list layouts that have columns of their own (特技, 場所, まめ, ダメージ).
inline constexpr int kColumnLayoutCount = 4;
// Bounds a stored window or column takes whatever the file says.
inline constexpr std::int32_t kMinWindowSide = 100, kMaxWindowSide = 16384, kMaxWindowOffset = 32000;
inline constexpr std::int32_t kMinColumnWidth = 10, kMaxColumnWidth = 4000;
inline constexpr std::size_t kMaxStoredColumns = 32;

// Every member is also merged by mergeOwnChanges (settings_merge.cpp): a member
// left out there is never saved.
struct Settings {
    std::uint64_t informationFlags = 0;  // INFORMATIONFLAG (low 32 bits stored)
    std::string monsterFilePath;         // MONSTERFILE, code page 932
    // [KESTREL] MONSTERFILE_UTF8: the definition file's path, UTF-8, when code
    // page 932 cannot hold it; while set it is the file used, and MONSTERFILE
    // keeps the last path it could hold.
    std::string monsterFileUtf8;
    // [KESTREL] WINDOW=x,y,width,height: where the main window was last; none
    // until it has been saved (or when the stored value is no such list).
    std::optional<WindowGeometry> window;
    // [KESTREL] COLUMNS_<layout>=w1,w2,...: the list's column widths per layout;
    // empty while the layout keeps its own widths.
    std::array<std::vector<std::int32_t>, kColumnLayoutCount> columnWidths;
    // [KESTREL] HINTS: whether the hint panel beside the list is shown (1) or
    // hidden (0).
    bool showHints = true;
    // [KESTREL] TOPMOST: whether the main window stays above every other
    // window (1) or not (0).
    bool topmost = false;
    std::int32_t debugLevel = 0;    // DEBUG (read, never written)
    std::int32_t currentClass = 1;  // QUIZCLASS
    std::int32_t currentUser = 0;   // USERSEL
    std::int32_t sortKey = 0;       // SORT
    std::int32_t listLayout = 0;    // SELECTLIST
    ConfigValues config;            // what the Config dialog edits
    std::array<PlayerProfile, kProfileCount> profiles;

    Settings();  // every value as a missing settings file gives it
};

// The integer and decimal values of the SETTING section by key, in file order
// (INFORMATIONFLAG and MONSTERFILE aside).
std::vector<std::pair<std::string_view, std::int32_t>> integerSettings(const Settings& settings);
std::vector<std::pair<std::string_view, float>> decimalSettings(const Settings& settings);

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
