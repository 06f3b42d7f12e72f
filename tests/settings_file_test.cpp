#include "catalogue/monster_loader.h"
#include "platform/file_names.h"
#include "platform/ini_file.h"
#include "platform/program_path.h"
#include "settings/settings_file.h"
#include "support/monster_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <tuple>

using namespace kestrel;
using S = Settings;

static Settings withSetting(const std::string& lines) { return parseSettings("[SETTING]\r\n" + lines); }

// The value of key in a list of integerSettings or decimalSettings.
template <class T>
static T valueOf(const std::vector<std::pair<std::string_view, T>>& values, std::string_view key)
{
    for (const auto& [k, v] : values)
        if (k == key)
            return v;
    ADD_FAILURE() << "no setting " << key;
    return T{};
}

static auto fields(const PlayerProfile& p)
{
    return std::tuple(p.WEAPON, p.ORBUMLV, p.ATACK, p.DEFENSE, p.WEIGHT, p.SPATK, std::string(p.USERNAME));
}

TEST(SettingsFile, EveryValueKeepsItsRangeOrFallsBack)
{
    // An empty or non-numeric value reads as a missing key; "%d" stops at the first non-digit.
    // Each case names the key whose value it checks (the line may be empty).
    const struct {
        const char* line;
        std::string_view key;
        int want;
    } ints[] = {{"QUIZCLASS=4", "QUIZCLASS", 4},
                {"QUIZCLASS=5", "QUIZCLASS", 1},
                {"QUIZCLASS=-", "QUIZCLASS", 1},
                {"USERSEL=99", "USERSEL", 99},
                {"USERSEL=100", "USERSEL", 0},
                {"SELECTLIST=5", "SELECTLIST", 0},
                {"DEBUG=-8", "DEBUG", -8},
                {"PERM_ATK_L=0", "PERM_ATK_L", 100},
                {"PERM_ATK_L=-5", "PERM_ATK_L", -5},
                {"PERM_ATK_L=101", "PERM_ATK_L", 100},
                {"PERM_ATK_L=", "PERM_ATK_L", 70},
                {"PERM_ATK_L=abc", "PERM_ATK_L", 70},
                {"PERM_ATK_L= 12abc", "PERM_ATK_L", 12},
                {"SORT=8", "SORT", 0},
                {"PERM_ATK_H=99", "PERM_ATK_H", 100},
                {"PERM_DEF_H=999", "PERM_DEF_H", 999},
                {"PERM_DEF_H=99999999999", "PERM_DEF_H", 100},
                {"AUTOJUDG_FLY=0", "AUTOJUDG_FLY", 0},
                {"AUTOJUDG_SPC=2", "AUTOJUDG_SPC", 1},
                {"USERSEL=-1", "USERSEL", 0}};
    for (const auto& c : ints)
        EXPECT_EQ(valueOf(integerSettings(withSetting(c.line)), c.key), c.want) << c.line;
    const struct {
        const char* line;
        std::string_view key;
        float want;
    } floats[] = {{"VAL_FLY_WID_H=2.00", "VAL_FLY_WID_H", 2.0f},      {"VAL_FLY_WID_H=2.01", "VAL_FLY_WID_H", 1.17f},
                  {"VAL_FLY_WID_H=2.0000001", "VAL_FLY_WID_H", 2.0f}, {"VAL_FLY_WID_L=0.5", "VAL_FLY_WID_L", 0.5f},
                  {"VAL_FLY_WID_L=0.49", "VAL_FLY_WID_L", 0.90f},     {"VAL_TYP_SPC_L=1.5e0x", "VAL_TYP_SPC_L", 1.5f},
                  {"VAL_TYP_SPC_L=nan", "VAL_TYP_SPC_L", 1.0f},       {"VAL_TYP_SPC_L=1e999", "VAL_TYP_SPC_L", 1.0f},
                  {"VAL_FLY_NOM_H=x", "VAL_FLY_NOM_H", 1.56f}};
    for (const auto& c : floats)
        EXPECT_EQ(valueOf(decimalSettings(withSetting(c.line)), c.key), c.want) << c.line;
    const std::pair<const char*, std::uint64_t> flags[] = {{"zz", 0}, {"1fz", 0x1F}, {"-1", ~0u}, {"123456789A", ~0u}};
    for (const auto& [text, want] : flags)
        EXPECT_EQ(withSetting(std::string("INFORMATIONFLAG=") + text).informationFlags, want) << text;
    EXPECT_EQ(withSetting("MONSTERFILE=" + std::string(3000, 'p')).monsterFilePath.size(), 2047u);
    // 獣 would straddle byte 12 in USER4 and ends at byte 12 in USER5.
    const Settings s = parseSettings(
        "[user3]\r\nWEAPON=16\r\nORBUMLV=7\r\nATACK=0\r\nDEFENSE=9999\r\nWEIGHT=10000\r\nSPATK=-3\r\n"
        "USERNAME=ABCDEFGHIJKLMNOPQRST\r\n[USER4]\r\nWEAPON=17\r\nORBUMLV=6\r\nSPATK=9999\r\n"
        "USERNAME=ABCDEFGHIJK\x8F\x62\r\n[USER5]\r\nUSERNAME=ABCDEFGHIJ\x8F\x62X\r\n");
    EXPECT_EQ(fields(s.profiles[3]), std::tuple(16, 0, 1, 9999, 1, 0, "ABCDEFGHIJKL"));
    EXPECT_EQ(fields(s.profiles[4]), std::tuple(0, 6, 1005, 2005, 3005, 9999, "ABCDEFGHIJK"));
    EXPECT_EQ(std::string(s.profiles[5].USERNAME), "ABCDEFGHIJ\x8F\x62");
    EXPECT_EQ(fields(s.profiles[99]), std::tuple(0, 0, 1100, 2100, 3100, 0, "User100"));
    EXPECT_EQ(weaponRow(15), nullptr);
}

TEST(SettingsFile, SavesInOrderSkipsUnsetProfilesAndRoundTrips)
{
    EXPECT_EQ(renderSettings(Settings(), ""),
              "[SETTING]\r\nINFORMATIONFLAG=0\r\nMONSTERFILE=\r\nQUIZCLASS=1\r\nUSERSEL=0\r\nSORT=0\r\n"
              "SELECTLIST=0\r\nPERM_ATK_L=70\r\nPERM_ATK_H=100\r\nPERM_DEF_L=50\r\nPERM_DEF_H=100\r\n"
              "AUTOJUDG_SPC=1\r\nAUTOJUDG_FLY=1\r\nVAL_TYP_SPC_L=1.00\r\nVAL_TYP_SPC_H=1.20\r\n"
              "VAL_FLY_NOM_L=1.30\r\nVAL_FLY_NOM_H=1.56\r\nVAL_FLY_ELE_L=1.09\r\nVAL_FLY_ELE_H=1.30\r\n"
              "VAL_FLY_WID_L=0.90\r\nVAL_FLY_WID_H=1.17\r\n"
              "[USER0]\r\nWEAPON=0\r\nORBUMLV=0\r\nATACK=1001\r\nDEFENSE=2001\r\nWEIGHT=3001\r\n"
              "USERNAME=User1\r\nSPATK=0\r\n");
    kestrel::testing::TempDir dir;
    EXPECT_EQ(renderSettings(loadSettings(dir.path() + "/none.ini"), ""), renderSettings(Settings(), ""));
    // DEBUG stays as the file has it; profile 5 (attack 1500 is above 1001) keeps its old section.
    const std::string old = "; kept\n[SETTING]\nDEBUG=8\nQUIZCLASS=2\n[USER5]\nATACK=1500\nDEFENSE=100\nWEAPON=3\n";
    const std::string file = dir.write("k.ini", old);
    Settings s = loadSettings(file);
    s.profiles[5].WEAPON = 9;
    s.debugLevel = 0;
    s.currentClass = 3;
    s.informationFlags = 0x1'0000'00ABull;
    s.monsterFilePath = "C:\\HRV\\\x8F\x62.csv";
    s.config.tolerances.PERM_ATK_L = -5;
    s.config.thresholds.VAL_FLY_WID_H = 2.0f;
    s.profiles[42] = {14, 6, 999, 888, 77, 9999, "Me"};
    ASSERT_TRUE(saveSettings(s, file));
    const std::string saved = *readWholeFile(file);
    EXPECT_EQ(saved.rfind("; kept\n[SETTING]\nDEBUG=8\nQUIZCLASS=3\nINFORMATIONFLAG=AB\n", 0), 0u);
    EXPECT_NE(saved.find("[USER5]\nATACK=1500\nDEFENSE=100\nWEAPON=3\n"), std::string::npos);
    // Load, save, load: the same values.
    const Settings back = loadSettings(file);
    EXPECT_EQ(std::tuple(back.monsterFilePath, back.currentClass, back.config.tolerances.PERM_ATK_L,
                         back.config.thresholds.VAL_FLY_WID_H),
              std::tuple(s.monsterFilePath, 3, -5, 2.0f));
    EXPECT_EQ(std::tuple(fields(back.profiles[42]), back.profiles[5].WEAPON), std::tuple(fields(s.profiles[42]), 3));
    EXPECT_FALSE(saveSettings(s, dir.path()));  // there, but not a readable file
}

TEST(SettingsFile, SettingsFileBesideTheProgramOrPerUser)
{
    kestrel::testing::TempDir dir;
    using std::filesystem::path;
    const path d = dir.path();
    EXPECT_EQ(path(settingsFilePath((d / "kestrel").string())), d / "kestrel.ini");
    EXPECT_EQ(path(settingsFilePath((d / "HRV.exe").string())), d / "HRV.ini");
    const std::string config = (d / "config").string();
#ifdef _WIN32
    _putenv_s("APPDATA", config.c_str());
#else
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
#endif
    EXPECT_EQ(path(settingsFilePath("/nonexistent-folder/kestrel")), d / "config" / "kestrel" / "kestrel.ini");
    EXPECT_TRUE(std::filesystem::is_directory(d / "config" / "kestrel"));
    EXPECT_EQ(path(executablePath()).stem(), "test_settings_file");
}

TEST(FilePaths, JapaneseFolderForSettingsAndDefinitionFile)
{
    // The folder データソース (ソ ends in the byte of "\" in code page 932):
    // the settings file is written into it and read back, and its MONSTERFILE,
    // kept in code page 932, leads to the definition file beside it.
    kestrel::testing::TempDir dir;
    const std::string name = "\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF\xE3\x82\xBD\xE3\x83\xBC\xE3\x82\xB9";
    ASSERT_TRUE(std::filesystem::create_directory(pathFromUtf8(dir.path() + "/" + name)));
    const std::string csv = dir.write(name + "/m.csv", "HRVTNP14122700\r\n0,A,2,\x8F\x62,F,120,5,50,40,\r\n");
    const std::string ini = dir.path() + "/" + name + "/\xE8\xA8\xAD\xE5\xAE\x9A.ini";  // 設定.ini
    Settings s;
    s.monsterFilePath = settingsPathOf(csv);
    ASSERT_TRUE(saveSettings(s, ini));
    ASSERT_TRUE(saveSettings(s, ini));  // replacing the file it wrote
    const Settings back = loadSettings(ini);
    EXPECT_NE(back.monsterFilePath.find("\x83\x5C"), std::string::npos);
    EXPECT_EQ(pathFromUtf8(fileSystemPath(back.monsterFilePath)), pathFromUtf8(csv));
    auto catalogue = std::make_unique<Catalogue>();
    loadMonsterFile(*catalogue, fileSystemPath(back.monsterFilePath), nullptr);
    EXPECT_EQ(catalogue->monsterCount, 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pathFromUtf8(dir.path() + "/" + name)), {}), 2);
}

// The program's own keys, read only from their own section and only when
// whole: a definition file path that code page 932 cannot hold (whole UTF-8
// only, written only once used), the window's place and the list's column
// widths (whole lists of integers held within bounds), and whether the hint
// panel is shown (unless it says 0).
TEST(SettingsFile, OwnKeys)
{
    const std::string korean = "/home/p/\xEB\xAA\xAC\xEC\x8A\xA4\xED\x84\xB0.csv";  // 몬스터.csv
    const struct {
        std::string file;
        std::string want;
    } paths[] = {
        {"[KESTREL]\r\nMONSTERFILE_UTF8=" + korean + "\r\n", korean},
        {"[KESTREL]\r\nMONSTERFILE_UTF8=/p/\x83\x82.csv\r\n", ""},  // code page 932 bytes: no UTF-8 path
        {"[KESTREL]\r\nMONSTERFILE_UTF8=/" + std::string(5000, 'a') + "\r\n", ""},
        {"[SETTING]\r\nMONSTERFILE_UTF8=" + korean + "\r\n", ""},
    };
    for (const auto& c : paths)
        EXPECT_EQ(parseSettings(c.file).monsterFileUtf8, c.want) << c.file;
    const std::string original = "[SETTING]\r\nMONSTERFILE=C:\\old.csv\r\n";
    EXPECT_EQ(IniFile::parse(renderSettings(parseSettings(original), original)).value("KESTREL", "MONSTERFILE_UTF8"),
              std::nullopt);

    using W = std::optional<WindowGeometry>;
    const struct {
        std::string value;
        W want;
    } windows[] = {
        {"10,20,1040,860", WindowGeometry{10, 20, 1040, 860}},
        {" -1920 , 5,800,600 ", WindowGeometry{-1920, 5, 800, 600}},
        {"99999999,-99999999,5,99999999", WindowGeometry{32000, -32000, 100, 16384}},
        {"10,20,1040", std::nullopt},
        {"10,20,1040,860,7", std::nullopt},
        {"10,20,,860", std::nullopt},
        {"10,20,1040,860x", std::nullopt},
        {"+10,20,1040,860", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : windows)
        EXPECT_EQ(parseSettings("[KESTREL]\r\nWINDOW=" + c.value + "\r\n").window, c.want) << c.value;
    EXPECT_EQ(parseSettings("[SETTING]\r\nWINDOW=1,2,300,400\r\n").window, std::nullopt);

    using V = std::vector<std::int32_t>;
    std::string many = "20";
    for (int i = 1; i < 33; ++i)
        many += ",20";
    const struct {
        std::string value;
        V want;
    } columns[] = {
        {"106,29,726", V{106, 29, 726}},
        {"0,-5,100000", V{10, 10, 4000}},
        {"106;29", V{}},
        {"106,", V{}},
        {many, V{}},  // 33 widths: more than any list keeps
    };
    for (const auto& c : columns)
        EXPECT_EQ(parseSettings("[KESTREL]\r\nCOLUMNS_1=" + c.value + "\r\n").columnWidths[1], c.want) << c.value;

    const std::pair<const char*, bool> hints[] = {{"", true},
                                                  {"[KESTREL]\r\nHINTS=0\r\n", false},
                                                  {"[KESTREL]\r\nHINTS=1\r\n", true},
                                                  {"[KESTREL]\r\nHINTS=no\r\n", true},
                                                  {"[SETTING]\r\nHINTS=0\r\n", true}};
    for (const auto& [file, shown] : hints)
        EXPECT_EQ(parseSettings(file).showHints, shown) << file;
}
