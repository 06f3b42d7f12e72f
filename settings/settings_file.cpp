#include "settings/settings_file.h"

#include "platform/cp932.h"
#include "platform/file_names.h"
#include "platform/ini_file.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <limits>
#include <optional>

namespace kestrel {

namespace {

constexpr std::string_view kSettingSection = "SETTING";
// The program's own keys, beside the original ones.
constexpr std::string_view kKestrelSection = "KESTREL";
constexpr std::string_view kMonsterFileUtf8 = "MONSTERFILE_UTF8";
constexpr std::string_view kHints = "HINTS";
constexpr std::string_view kTopmost = "TOPMOST";
constexpr std::size_t kMaxPathBytes = 4096;
constexpr std::string_view kWindowKey = "WINDOW";
constexpr std::string_view kColumnsKeyPrefix = "COLUMNS_";

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view skipSpace(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    return text;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The leading decimal integer as "%d" reads it; a value beyond 32 bits is held
// at the nearest limit. nullopt when the text does not start with a number.
std::optional<std::int32_t> parseDecimal(std::string_view text)
{
    text = skipSpace(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        value = std::min(value * 10 + (text.front() - '0'), kLimit);
        text.remove_prefix(1);
    }
    if (negative)
        value = -value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// The leading hexadecimal number as "%X" reads it (optional sign and 0x).
std::optional<std::uint32_t> parseHex(std::string_view text)
{
    text = skipSpace(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') && hexDigit(text[2]) >= 0)
        text.remove_prefix(2);
    if (text.empty() || hexDigit(text.front()) < 0)
        return std::nullopt;
    std::uint64_t value = 0;
    bool overflow = false;
    for (; !text.empty() && hexDigit(text.front()) >= 0; text.remove_prefix(1)) {
        value = value * 16 + static_cast<std::uint64_t>(hexDigit(text.front()));
        if (value > 0xFFFFFFFFu) {
            overflow = true;
            value = 0xFFFFFFFFu;
        }
    }
    if (overflow)
        return 0xFFFFFFFFu;
    std::uint32_t result = static_cast<std::uint32_t>(value);
    return negative ? static_cast<std::uint32_t>(0u - result) : result;
}

// The leading number as "%f" reads it into a float; independent of the locale.
std::optional<float> parseFloat(std::string_view text)
{
    text = skipSpace(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() == '+' || text.front() == '-')
        return std::nullopt;
    std::chars_format format = std::chars_format::general;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        (hexDigit(text[2]) >= 0 || (text[2] == '.' && text.size() > 3 && hexDigit(text[3]) >= 0))) {
        text.remove_prefix(2);
        format = std::chars_format::hex;
    }
    float value = 0.0f;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, format);
    if (end == text.data())
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a float: either way outside every range.
        value = std::numeric_limits<float>::infinity();
    }
    return negative ? -value : value;
}

// A text value as the program holds it: a C string, cut to fit its buffer.
std::string_view textValue(std::string_view text, std::size_t maxBytes)
{
    return cutAtCharBoundary(text.substr(0, text.find('\0')), maxBytes);
}

// Where a key's value lives in the settings.
template <class T>
using Field = T& (*)(Settings&);

struct IntKey {
    std::string_view key;
    Field<std::int32_t> field;
    std::string_view defaultText;
    bool (*accepted)(std::int32_t);
    std::int32_t fallback;
};

constexpr bool anyValue(std::int32_t) { return true; }
constexpr bool classRange(std::int32_t v) { return v >= 1 && v <= 4; }
constexpr bool userRange(std::int32_t v) { return v >= 0 && v <= kProfileCount - 1; }
constexpr bool sortRange(std::int32_t v) { return v >= 0 && v <= 7; }
constexpr bool layoutRange(std::int32_t v) { return v >= 0 && v <= 4; }
constexpr bool lowTolerance(std::int32_t v) { return v != 0 && v <= 100; }
constexpr bool highTolerance(std::int32_t v) { return v >= 100 && v <= 999; }
constexpr bool onOff(std::int32_t v) { return v == 0 || v == 1; }

// The integer keys of SETTING after INFORMATIONFLAG and MONSTERFILE, in the
// order they are read.
constexpr IntKey kIntKeys[] = {{"DEBUG", [](Settings& s) -> auto& {return s.debugLevel;
}  // namespace
, "0", anyValue, 0
}  // namespace kestrel
, {"QUIZCLASS", [](Settings& s) -> auto& {return s.currentClass;
}
, "0", classRange, 1
}
, {"USERSEL", [](Settings& s) -> auto& {return s.currentUser;
}
, "0", userRange, 0
}
, {"SORT", [](Settings& s) -> auto& {return s.sortKey;
}
, "0", sortRange, 0
}
, {"SELECTLIST", [](Settings& s) -> auto& {return s.listLayout;
}
, "0", layoutRange, 0
}
, {"PERM_ATK_L", [](Settings& s) -> auto& {return s.config.tolerances.PERM_ATK_L;
}
, "70", lowTolerance, 100
}
, {"PERM_ATK_H", [](Settings& s) -> auto& {return s.config.tolerances.PERM_ATK_H;
}
, "100", highTolerance, 100
}
, {"PERM_DEF_L", [](Settings& s) -> auto& {return s.config.tolerances.PERM_DEF_L;
}
, "50", lowTolerance, 100
}
, {"PERM_DEF_H", [](Settings& s) -> auto& {return s.config.tolerances.PERM_DEF_H;
}
, "100", highTolerance, 100
}
, {"AUTOJUDG_SPC", [](Settings& s) -> auto& {return s.config.AUTOJUDG_SPC;
}
, "1", onOff, 1
}
, {"AUTOJUDG_FLY", [](Settings& s) -> auto& {return s.config.AUTOJUDG_FLY;
}
, "1", onOff, 1
}
,
}
;

struct FloatKey {
    std::string_view key;
    float JudgementThresholds::*member;
    std::string_view defaultText;  // also the fallback
};

constexpr FloatKey kFloatKeys[] = {
    {"VAL_TYP_SPC_L", &JudgementThresholds::VAL_TYP_SPC_L, "1.00"},
    {"VAL_TYP_SPC_H", &JudgementThresholds::VAL_TYP_SPC_H, "1.20"},
    {"VAL_FLY_NOM_L", &JudgementThresholds::VAL_FLY_NOM_L, "1.30"},
    {"VAL_FLY_NOM_H", &JudgementThresholds::VAL_FLY_NOM_H, "1.56"},
    {"VAL_FLY_ELE_L", &JudgementThresholds::VAL_FLY_ELE_L, "1.09"},
    {"VAL_FLY_ELE_H", &JudgementThresholds::VAL_FLY_ELE_H, "1.30"},
    {"VAL_FLY_WID_L", &JudgementThresholds::VAL_FLY_WID_L, "0.90"},
    {"VAL_FLY_WID_H", &JudgementThresholds::VAL_FLY_WID_H, "1.17"},
};

// An integer key: the stored text, or the default text when the key is missing
// or holds no number, then the accepted range.
std::int32_t readInt(const IniFile& ini, std::string_view section, std::string_view key, std::string_view defaultText,
                     bool (*accepted)(std::int32_t), std::int32_t fallback)
{
    std::optional<std::int32_t> value;
    if (auto text = ini.value(section, key))
        value = parseDecimal(*text);
    if (!value)
        value = parseDecimal(defaultText);
    return (value && accepted(*value)) ? *value : fallback;
}

float readFloat(const IniFile& ini, std::string_view key, std::string_view defaultText)
{
    const float fallback = parseFloat(defaultText).value_or(1.0f);
    std::optional<float> value;
    if (auto text = ini.value(kSettingSection, key))
        value = parseFloat(*text);
    if (!value)
        return fallback;
    return (*value >= 0.5f && *value <= 2.0f) ? *value : fallback;
}

// A comma-separated list of 1 to maxCount decimal integers ("12,-3, 40"), each
// held at the 32-bit limits; nullopt for anything else.
std::optional<std::vector<std::int32_t>> integerList(std::string_view text, std::size_t maxCount)
{
    std::vector<std::int32_t> values;
    while (true) {
        const std::size_t comma = text.find(',');
        std::string_view item = skipSpace(text.substr(0, comma));
        while (!item.empty() && isSpace(item.back()))
            item.remove_suffix(1);
        const std::string_view digits = !item.empty() && item.front() == '-' ? item.substr(1) : item;
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos ||
            values.size() == maxCount)
            return std::nullopt;
        values.push_back(*parseDecimal(item));
        if (comma == std::string_view::npos)
            return values;
        text.remove_prefix(comma + 1);
    }
}

std::string joinIntegers(const std::vector<std::int32_t>& values)
{
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i ? "," : "") + std::to_string(values[i]);
    return text;
}

std::string columnsKey(int layout) { return std::string(kColumnsKeyPrefix) + std::to_string(layout); }

// WINDOW: four integers, the place kept within reach of any screen layout and
// the size within what a window can be; anything else is no place at all.
std::optional<WindowGeometry> readWindow(const IniFile& ini)
{
    const auto text = ini.value(kKestrelSection, kWindowKey);
    const auto values = text ? integerList(*text, 4) : std::nullopt;
    if (!values || values->size() != 4)
        return std::nullopt;
    const auto& v = *values;
    return WindowGeometry{
        std::clamp(v[0], -kMaxWindowOffset, kMaxWindowOffset), std::clamp(v[1], -kMaxWindowOffset, kMaxWindowOffset),
        std::clamp(v[2], kMinWindowSide, kMaxWindowSide), std::clamp(v[3], kMinWindowSide, kMaxWindowSide)};
}

// COLUMNS_<layout>: every width held between a grip and a few screens.
std::vector<std::int32_t> readColumns(const IniFile& ini, int layout)
{
    const auto text = ini.value(kKestrelSection, columnsKey(layout));
    auto values = text ? integerList(*text, kMaxStoredColumns) : std::nullopt;
    if (!values)
        return {};
    for (std::int32_t& width : *values)
        width = std::clamp(width, kMinColumnWidth, kMaxColumnWidth);
    return *values;
}

std::string profileSection(int n) { return "USER" + std::to_string(n); }

constexpr bool weaponRange(std::int32_t v) { return v >= 0 && v <= kMaxWeaponSetting; }
constexpr bool orbRange(std::int32_t v) { return v >= 0 && v <= 6; }
constexpr bool statRange(std::int32_t v) { return v >= 1 && v <= 9999; }

PlayerProfile readProfile(const IniFile& ini, int n)
{
    const std::string section = profileSection(n);
    const PlayerProfile defaults = defaultProfile(n);
    PlayerProfile profile;
    profile.WEAPON = readInt(ini, section, "WEAPON", "0", weaponRange, 0);
    profile.ORBUMLV = readInt(ini, section, "ORBUMLV", "0", orbRange, 0);
    profile.ATACK = readInt(ini, section, "ATACK", std::to_string(defaults.ATACK), statRange, 1);
    profile.DEFENSE = readInt(ini, section, "DEFENSE", std::to_string(defaults.DEFENSE), statRange, 1);
    profile.WEIGHT = readInt(ini, section, "WEIGHT", std::to_string(defaults.WEIGHT), statRange, 1);
    profile.SPATK = readInt(ini, section, "SPATK", "0", statRange, 0);
    std::string name = ini.valueOr(section, "USERNAME", defaults.USERNAME);
    copyTextField(profile.USERNAME, sizeof profile.USERNAME, textValue(name, kUserNameSize - 1));
    return profile;
}

std::string formatFloat(float value)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (result.ec != std::errc())
        return "0.00";
    return std::string(buffer, result.ptr);
}

std::string formatHex(std::uint32_t value)
{
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        c = (c >= 'a' && c <= 'f') ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

}  // namespace

Settings::Settings()
{
    for (int n = 0; n < kProfileCount; ++n)
        profiles[static_cast<std::size_t>(n)] = defaultProfile(n);
}

std::vector<std::pair<std::string_view, std::int32_t>> integerSettings(const Settings& settings)
{
    Settings values = settings;  // the key table reaches values through mutable references
    std::vector<std::pair<std::string_view, std::int32_t>> result;
    for (const IntKey& key : kIntKeys)
        result.emplace_back(key.key, key.field(values));
    return result;
}

std::vector<std::pair<std::string_view, float>> decimalSettings(const Settings& settings)
{
    std::vector<std::pair<std::string_view, float>> result;
    for (const FloatKey& key : kFloatKeys)
        result.emplace_back(key.key, settings.config.thresholds.*key.member);
    return result;
}

Settings parseSettings(std::string_view bytes)
{
    const IniFile ini = IniFile::parse(bytes);
    Settings settings;
    settings.informationFlags = parseHex(ini.valueOr(kSettingSection, "INFORMATIONFLAG", "00000000")).value_or(0);
    settings.monsterFilePath = std::string(textValue(ini.valueOr(kSettingSection, "MONSTERFILE", ""), 2047));
    // A path that is not whole UTF-8 (or absurdly long) is no path: MONSTERFILE then counts.
    const std::string utf8Path = ini.valueOr(kKestrelSection, kMonsterFileUtf8, "");
    if (utf8Path.size() <= kMaxPathBytes && isValidUtf8(utf8Path) && utf8Path.find('\0') == std::string::npos)
        settings.monsterFileUtf8 = utf8Path;
    settings.window = readWindow(ini);
    for (int layout = 0; layout < kColumnLayoutCount; ++layout)
        settings.columnWidths[static_cast<std::size_t>(layout)] = readColumns(ini, layout);
    // Only 0 hides the panel: anything else leaves it as a fresh start has it.
    settings.showHints = ini.valueOr(kKestrelSection, kHints, "1") != "0";
    // Only 1 keeps the window on top: anything else leaves it as a fresh start has it.
    settings.topmost = ini.valueOr(kKestrelSection, kTopmost, "0") == "1";
    for (const IntKey& key : kIntKeys)
        key.field(settings) = readInt(ini, kSettingSection, key.key, key.defaultText, key.accepted, key.fallback);
    for (const FloatKey& key : kFloatKeys)
        settings.config.thresholds.*key.member = readFloat(ini, key.key, key.defaultText);
    for (int n = 0; n < kProfileCount; ++n)
        settings.profiles[static_cast<std::size_t>(n)] = readProfile(ini, n);
    return settings;
}

Settings loadSettings(const std::string& path) { return parseSettings(readWholeFile(path).value_or(std::string())); }

std::string renderSettings(const Settings& settings, std::string_view currentBytes)
{
    IniFile ini = IniFile::parse(currentBytes);
    ini.setValue(kSettingSection, "INFORMATIONFLAG",
                 formatHex(static_cast<std::uint32_t>(settings.informationFlags & 0xFFFFFFFFu)));
    ini.setValue(kSettingSection, "MONSTERFILE", settings.monsterFilePath);
    // The section appears only once such a path has been chosen; later it is emptied.
    if (!settings.monsterFileUtf8.empty() || ini.value(kKestrelSection, kMonsterFileUtf8))
        ini.setValue(kKestrelSection, kMonsterFileUtf8, settings.monsterFileUtf8);
    if (const auto& w = settings.window)
        ini.setValue(kKestrelSection, kWindowKey, joinIntegers({w->x, w->y, w->width, w->height}));
    // A layout back at its own widths empties its key, if it has one.
    for (int layout = 0; layout < kColumnLayoutCount; ++layout) {
        const auto& widths = settings.columnWidths[static_cast<std::size_t>(layout)];
        if (!widths.empty() || ini.value(kKestrelSection, columnsKey(layout)))
            ini.setValue(kKestrelSection, columnsKey(layout), joinIntegers(widths));
    }
    // Written once the panel has been hidden; kept up to date from then on.
    if (!settings.showHints || ini.value(kKestrelSection, kHints))
        ini.setValue(kKestrelSection, kHints, settings.showHints ? "1" : "0");
    // Written once the window has been kept on top; kept up to date from then on.
    if (settings.topmost || ini.value(kKestrelSection, kTopmost))
        ini.setValue(kKestrelSection, kTopmost, settings.topmost ? "1" : "0");
    for (const auto& [key, value] : integerSettings(settings)) {
        if (key != "DEBUG")  // DEBUG is set by editing the file only
            ini.setValue(kSettingSection, key, std::to_string(value));
    }
    for (const auto& [key, value] : decimalSettings(settings))
        ini.setValue(kSettingSection, key, formatFloat(value));

    // Profiles still above their never-set defaults are not written, so their
    // old sections (if any) stay as they are.
    for (int n = 0; n < kProfileCount; ++n) {
        const PlayerProfile& profile = settings.profiles[static_cast<std::size_t>(n)];
        if (profile.ATACK > 1001 || profile.DEFENSE > 2001)
            continue;
        const std::string section = profileSection(n);
        ini.setValue(section, "WEAPON", std::to_string(profile.WEAPON));
        ini.setValue(section, "ORBUMLV", std::to_string(profile.ORBUMLV));
        ini.setValue(section, "ATACK", std::to_string(profile.ATACK));
        ini.setValue(section, "DEFENSE", std::to_string(profile.DEFENSE));
        ini.setValue(section, "WEIGHT", std::to_string(profile.WEIGHT));
        const char* nameEnd = std::find(profile.USERNAME, profile.USERNAME + kUserNameSize, '\0');
        ini.setValue(section, "USERNAME", std::string_view(profile.USERNAME, nameEnd));
        ini.setValue(section, "SPATK", std::to_string(profile.SPATK));
    }
    return ini.serialise();
}

bool saveSettings(const Settings& settings, const std::string& path)
{
    std::optional<std::string> current = readWholeFile(path);
    if (!current) {
        // Only a missing file starts empty; one that is there but cannot be
        // read is not overwritten, or its other sections would be lost.
        const std::filesystem::path file = pathFromUtf8(path);
        std::error_code ec;
        if (std::filesystem::exists(file, ec))
            return false;
        current.emplace();
    }
    return writeFileAtomically(path, renderSettings(settings, *current));
}

}  // namespace kestrel
