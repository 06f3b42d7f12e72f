#include "platform/ini_file.h"
#include "platform/program_path.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;
using kestrel::parseSettings;
using kestrel::Settings;

namespace {

Settings withSetting(const std::string& lines)
{
    return parseSettings("[SETTING]\r\n" + lines);
}

fs::path freshFolder(const std::string& name)
{
    fs::path dir = fs::temp_directory_path() / ("kestrel-settings-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

}  // namespace

TEST(SettingsFile, IntegerRanges)
{
    EXPECT_EQ(withSetting("").currentClass, 1);  // default text "0" is outside 1..4
    EXPECT_EQ(withSetting("QUIZCLASS=4").currentClass, 4);
    EXPECT_EQ(withSetting("QUIZCLASS=5").currentClass, 1);
    EXPECT_EQ(withSetting("USERSEL=99").currentUser, 99);
    EXPECT_EQ(withSetting("USERSEL=100").currentUser, 0);
    EXPECT_EQ(withSetting("SORT=7").sortKey, 7);
    EXPECT_EQ(withSetting("SELECTLIST=5").listLayout, 0);
    EXPECT_EQ(withSetting("PERM_ATK_L=0").PERM_ATK_L, 100);
    EXPECT_EQ(withSetting("PERM_ATK_L=-5").PERM_ATK_L, -5);
    EXPECT_EQ(withSetting("PERM_ATK_L=101").PERM_ATK_L, 100);
    EXPECT_EQ(withSetting("").PERM_ATK_L, 70);
    EXPECT_EQ(withSetting("").PERM_DEF_L, 50);
    EXPECT_EQ(withSetting("PERM_ATK_H=99").PERM_ATK_H, 100);
    EXPECT_EQ(withSetting("PERM_DEF_H=999").PERM_DEF_H, 999);
    EXPECT_EQ(withSetting("PERM_DEF_H=99999999999").PERM_DEF_H, 100);
    EXPECT_EQ(withSetting("AUTOJUDG_FLY=0").AUTOJUDG_FLY, 0);
    EXPECT_EQ(withSetting("AUTOJUDG_SPC=2").AUTOJUDG_SPC, 1);
    EXPECT_EQ(withSetting("DEBUG=-8").debugLevel, -8);
}

TEST(SettingsFile, EmptyOrNonNumericReadsAsMissing)
{
    EXPECT_EQ(withSetting("PERM_ATK_L=").PERM_ATK_L, 70);
    EXPECT_EQ(withSetting("PERM_ATK_L=abc").PERM_ATK_L, 70);
    EXPECT_EQ(withSetting("PERM_ATK_L= 12abc").PERM_ATK_L, 12);
    EXPECT_EQ(withSetting("QUIZCLASS=-").currentClass, 1);
    EXPECT_FLOAT_EQ(withSetting("VAL_FLY_NOM_H=x").VAL_FLY_NOM_H, 1.56f);
    EXPECT_EQ(withSetting("INFORMATIONFLAG=zz").informationFlags, 0u);
    EXPECT_EQ(withSetting("INFORMATIONFLAG=1fz").informationFlags, 0x1Fu);
    EXPECT_EQ(withSetting("INFORMATIONFLAG=-1").informationFlags, 0xFFFFFFFFu);
    EXPECT_EQ(withSetting("INFORMATIONFLAG=123456789A").informationFlags, 0xFFFFFFFFu);
}

TEST(SettingsFile, FloatBoundsInSinglePrecision)
{
    EXPECT_EQ(withSetting("VAL_FLY_WID_H=2.00").VAL_FLY_WID_H, 2.0f);
    EXPECT_EQ(withSetting("VAL_FLY_WID_H=2.01").VAL_FLY_WID_H, 1.17f);
    EXPECT_EQ(withSetting("VAL_FLY_WID_H=2.0000001").VAL_FLY_WID_H, 2.0f);  // rounds to 2.0f
    EXPECT_EQ(withSetting("VAL_FLY_WID_L=0.5").VAL_FLY_WID_L, 0.5f);
    EXPECT_EQ(withSetting("VAL_FLY_WID_L=0.49").VAL_FLY_WID_L, 0.90f);
    EXPECT_EQ(withSetting("VAL_TYP_SPC_L=1.5e0x").VAL_TYP_SPC_L, 1.5f);
    EXPECT_EQ(withSetting("VAL_TYP_SPC_L=nan").VAL_TYP_SPC_L, 1.0f);
    EXPECT_EQ(withSetting("VAL_TYP_SPC_L=1e999").VAL_TYP_SPC_L, 1.0f);
    EXPECT_EQ(withSetting("").VAL_FLY_ELE_L, 1.09f);
}

TEST(SettingsFile, ProfilesAndNames)
{
    const Settings s = parseSettings(
        "[user3]\r\nWEAPON=16\r\nORBUMLV=7\r\nATACK=0\r\nDEFENSE=9999\r\nWEIGHT=10000\r\nSPATK=-3\r\n"
        "USERNAME=ABCDEFGHIJKLMNOPQRST\r\n"
        "[USER4]\r\nWEAPON=17\r\nUSERNAME=ABCDEFGHIJK\x8F\x62\r\n");  // 獣 would straddle byte 12
    EXPECT_EQ(s.profiles[3].WEAPON, 16);
    EXPECT_EQ(s.profiles[3].ORBUMLV, 0);
    EXPECT_EQ(s.profiles[3].ATACK, 1);
    EXPECT_EQ(s.profiles[3].DEFENSE, 9999);
    EXPECT_EQ(s.profiles[3].WEIGHT, 1);
    EXPECT_EQ(s.profiles[3].SPATK, 0);
    EXPECT_STREQ(s.profiles[3].USERNAME, "ABCDEFGHIJKL");
    EXPECT_EQ(s.profiles[4].WEAPON, 0);
    EXPECT_STREQ(s.profiles[4].USERNAME, "ABCDEFGHIJK");
    EXPECT_EQ(s.profiles[99].ATACK, 1100);
    EXPECT_EQ(s.profiles[99].WEIGHT, 3100);
    EXPECT_STREQ(s.profiles[99].USERNAME, "User100");
    EXPECT_EQ(kestrel::weaponRow(15), nullptr);
    ASSERT_NE(kestrel::weaponRow(14), nullptr);
    EXPECT_EQ(kestrel::weaponRow(14)->targetFamily, 7);
    EXPECT_STREQ(kestrel::orbCaption(5), "Lv5");

    const std::string longPath(3000, 'p');
    EXPECT_EQ(withSetting("MONSTERFILE=" + longPath).monsterFilePath.size(), 2047u);
}

TEST(SettingsFile, SavesInOrderAndSkipsUnsetProfiles)
{
    const std::string fresh = kestrel::renderSettings(Settings(), "");
    EXPECT_EQ(fresh,
              "[SETTING]\r\nINFORMATIONFLAG=0\r\nMONSTERFILE=\r\nQUIZCLASS=1\r\nUSERSEL=0\r\nSORT=0\r\n"
              "SELECTLIST=0\r\nPERM_ATK_L=70\r\nPERM_ATK_H=100\r\nPERM_DEF_L=50\r\nPERM_DEF_H=100\r\n"
              "AUTOJUDG_SPC=1\r\nAUTOJUDG_FLY=1\r\nVAL_TYP_SPC_L=1.00\r\nVAL_TYP_SPC_H=1.20\r\n"
              "VAL_FLY_NOM_L=1.30\r\nVAL_FLY_NOM_H=1.56\r\nVAL_FLY_ELE_L=1.09\r\nVAL_FLY_ELE_H=1.30\r\n"
              "VAL_FLY_WID_L=0.90\r\nVAL_FLY_WID_H=1.17\r\n"
              "[USER0]\r\nWEAPON=0\r\nORBUMLV=0\r\nATACK=1001\r\nDEFENSE=2001\r\nWEIGHT=3001\r\n"
              "USERNAME=User1\r\nSPATK=0\r\n");

    const std::string old = "; kept\n[SETTING]\nDEBUG=8\nQUIZCLASS=2\n[USER5]\nATACK=1500\nWEAPON=3\n";
    Settings s = parseSettings(old);
    s.profiles[5].WEAPON = 9;  // still unset: attack 1500
    s.currentClass = 3;
    s.informationFlags = 0x1'0000'00ABull;
    const std::string saved = kestrel::renderSettings(s, old);
    EXPECT_EQ(saved.rfind("; kept\n[SETTING]\nDEBUG=8\nQUIZCLASS=3\nINFORMATIONFLAG=AB\n", 0), 0u);
    EXPECT_NE(saved.find("[USER5]\nATACK=1500\nWEAPON=3\n"), std::string::npos);
    EXPECT_EQ(parseSettings(saved).profiles[5].WEAPON, 3);
}

TEST(SettingsFile, RoundTripThroughTheFile)
{
    const fs::path dir = freshFolder("roundtrip");
    const std::string file = (dir / "kestrel.ini").string();
    Settings s = kestrel::loadSettings(file);  // missing file: defaults
    s.monsterFilePath = "C:\\HRV\\\x8F\x62.csv";
    s.currentUser = 42;
    s.PERM_ATK_L = -5;
    s.VAL_FLY_WID_H = 2.0f;
    s.profiles[42] = {14, 6, 999, 888, 77, 9999, "Me"};
    ASSERT_TRUE(kestrel::saveSettings(s, file));
    const Settings back = kestrel::loadSettings(file);
    EXPECT_EQ(back.monsterFilePath, s.monsterFilePath);
    EXPECT_EQ(back.currentUser, 42);
    EXPECT_EQ(back.PERM_ATK_L, -5);
    EXPECT_EQ(back.VAL_FLY_WID_H, 2.0f);
    auto fields = [](const kestrel::PlayerProfile& p) {
        return std::tuple(p.WEAPON, p.ORBUMLV, p.ATACK, p.DEFENSE, p.WEIGHT, p.SPATK, std::string(p.USERNAME));
    };
    EXPECT_EQ(fields(back.profiles[42]), fields(s.profiles[42]));
    const std::string first = *kestrel::readWholeFile(file);
    ASSERT_TRUE(kestrel::saveSettings(back, file));
    EXPECT_EQ(kestrel::readWholeFile(file), first);
    EXPECT_FALSE(kestrel::saveSettings(s, (dir / "kestrel.ini" / "x.ini").string()));
    EXPECT_FALSE(kestrel::saveSettings(s, dir.string()));  // there, but not a readable file
    fs::remove_all(dir);
}

TEST(ProgramPath, SettingsFileBesideTheProgramOrPerUser)
{
    const fs::path dir = freshFolder("path");
    EXPECT_EQ(kestrel::settingsFilePath((dir / "kestrel").string()), (dir / "kestrel.ini").string());
    EXPECT_EQ(kestrel::settingsFilePath((dir / "HRV.exe").string()), (dir / "HRV.ini").string());
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    EXPECT_EQ(kestrel::settingsFilePath("/nonexistent-folder/kestrel"), (dir / "config/kestrel/kestrel.ini").string());
    EXPECT_TRUE(fs::is_directory(dir / "config" / "kestrel"));
    const std::string self = kestrel::executablePath();
    EXPECT_EQ(fs::path(self).filename(), "test_settings_file");
    fs::remove_all(dir);
}
