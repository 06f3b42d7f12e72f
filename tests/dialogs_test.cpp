// The user settings and Config dialogs: what they keep of what was typed, and
// what the main window does around them that a story cannot see.

#include "support/monster_files.h"
#include "ui/config_dialog.h"
#include "ui/main_window.h"
#include "ui/main_window_ids.h"
#include "ui/memory_controls.h"
#include "ui/texts.h"
#include "ui/user_setting_dialog.h"

#include <gtest/gtest.h>

#include <set>

using namespace kestrel::ui;

namespace {

// Opens the dialog on fresh controls, fills it as the script says and closes it.
bool run(DialogLogic& dialog, DialogScript script)
{
    MemoryControls parent;
    parent.queueDialog(std::move(script));
    return parent.runModal("", dialog);
}

DialogScript ok(std::vector<std::pair<int, std::string>> fills, std::vector<int> clicks = {})
{
    return DialogScript{true, std::move(fills), std::move(clicks)};
}

// Every control has an id of its own and a caption that code page 932 can hold.
void expectWellFormed(const DialogLogic& dialog)
{
    std::set<int> ids;
    for (const ControlSpec& spec : dialog.controls()) {
        EXPECT_TRUE(ids.insert(spec.id).second) << "id " << spec.id << " twice";
        EXPECT_EQ(spec.caption.find('?'), std::string::npos) << "caption of " << spec.id;
    }
}

}  // namespace

TEST(UserSetting, ClampsNumbersCutsTheNameAndKeepsAnUnknownWeapon)
{
    UserSetting d;
    d.profile.WEAPON = 16;  // accepted by the settings file, but no button
    d.profile.ORBUMLV = 2;
    EXPECT_EQ(d.caption(), sjis("ユーザー設定 : USER1"));
    expectWellFormed(d);
    MemoryControls shown;
    shown.create(d.controls(), d);
    d.onInit(shown);
    for (int id = 1007; id <= 1021; ++id)
        EXPECT_FALSE(shown.checked(id)) << id;

    // "a" and six double-byte characters: the sixth would straddle byte 12.
    const std::string name = "a" + sjis("ゆうしゃだよ");
    ASSERT_TRUE(run(d, ok({{1005, "abc"}, {1006, "-20"}, {1023, "123456"}, {1031, ""}, {1022, name}})));
    EXPECT_EQ(d.profile.WEAPON, 16);
    EXPECT_EQ(d.profile.ORBUMLV, 2);
    EXPECT_EQ(d.profile.ATACK, 1);
    EXPECT_EQ(d.profile.DEFENSE, 1);
    EXPECT_EQ(d.profile.WEIGHT, 9999);
    EXPECT_EQ(d.profile.SPATK, 0);
    EXPECT_EQ(std::string(d.profile.USERNAME), name.substr(0, 11));

    ASSERT_TRUE(run(d, ok({{1022, "ABCDEFGHIJKLMNO"}, {1019, "1"}})));
    EXPECT_STREQ(d.profile.USERNAME, "ABCDEFGHIJKL");
    EXPECT_EQ(d.profile.WEAPON, 12);
}

TEST(ConfigSetting, OutOfRangeOrEmptyGivesTheRecommendedValue)
{
    ConfigSetting d;
    expectWellFormed(d);
    d.values = ConfigValues{5, 500, 6, 600, 0, 0, 0.6f, 0.7f, 0.8f, 0.9f, 1.1f, 1.2f, 1.3f, 1.4f};
    std::vector<std::pair<int, std::string>> emptied;
    for (int id : {1129, 1112, 1130, 1114, 1131, 1132, 1142, 1145, 1150, 1153, 1158, 1161})
        emptied.emplace_back(id, "");
    ASSERT_TRUE(run(d, ok(emptied)));
    EXPECT_EQ(d.values.PERM_ATK_L, 70);
    EXPECT_EQ(d.values.PERM_ATK_H, 100);
    EXPECT_EQ(d.values.PERM_DEF_L, 50);
    EXPECT_EQ(d.values.PERM_DEF_H, 100);
    const float recommended[] = {1.00f, 1.20f, 1.30f, 1.56f, 1.09f, 1.30f, 0.90f};
    const float seen[] = {d.values.VAL_TYP_SPC_L, d.values.VAL_TYP_SPC_H, d.values.VAL_FLY_NOM_L, d.values.VAL_FLY_NOM_H,
                          d.values.VAL_FLY_ELE_L, d.values.VAL_FLY_ELE_H, d.values.VAL_FLY_WID_L};
    for (int i = 0; i < 7; ++i)
        EXPECT_FLOAT_EQ(seen[i], recommended[i]) << i;
    EXPECT_FLOAT_EQ(d.values.VAL_FLY_WID_H, 1.40f);  // its edit is disabled: it keeps what it showed

    ASSERT_TRUE(run(d, ok({{1129, "-5"}, {1112, "1000"}, {1114, "999"}, {1132, "2.5"}, {1131, "0.5"},
                           {1142, " +1.25x"}, {1150, "nan"}})));
    EXPECT_EQ(d.values.PERM_ATK_L, -5);
    EXPECT_EQ(d.values.PERM_ATK_H, 100);
    EXPECT_EQ(d.values.PERM_DEF_H, 999);
    EXPECT_FLOAT_EQ(d.values.VAL_TYP_SPC_L, 1.00f);
    EXPECT_FLOAT_EQ(d.values.VAL_TYP_SPC_H, 0.5f);
    EXPECT_FLOAT_EQ(d.values.VAL_FLY_NOM_L, 1.25f);
    EXPECT_FLOAT_EQ(d.values.VAL_FLY_ELE_L, 1.09f);

    // The reset hands back what the dialog was given, whatever was typed.
    ASSERT_TRUE(run(d, ok({{1129, "90"}, {1131, "1.9"}, {1006, "1"}}, {3})));
    EXPECT_TRUE(d.resetRequested);
    EXPECT_EQ(d.values.PERM_ATK_L, -5);
    EXPECT_FLOAT_EQ(d.values.VAL_TYP_SPC_H, 0.5f);
    EXPECT_EQ(d.values.AUTOJUDG_SPC, 0);
}

TEST(DialogHandlers, NewProfileRecomputesDamageAndCancelWritesNothing)
{
    kestrel::testing::TempDir dir;
    const std::string ini = dir.write(
        "k.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\nMONSTERFILE=" + kestrel::testing::sampleFilePath() + "\r\n");
    MemoryControls controls;
    CKestrelDlg window(controls, ini);
    window.OnInitDialog();
    const auto& first = window.catalogue().monsterTable[0];
    const std::int32_t dealtBefore = first.dealtMax;

    controls.queueDialog(ok({{1005, "250"}, {1006, "180"}}));
    controls.click(id::kChangeUser);
    EXPECT_EQ(controls.dialogsRun().back(), sjis("ユーザー設定 : USER1"));
    EXPECT_NE(first.dealtMax, dealtBefore);

    const std::string saved = kestrel::testing::readFileBytes(ini);
    controls.queueDialog(DialogScript{false, {{1005, "999"}}, {}});
    controls.click(id::kChangeUser);
    controls.queueDialog(DialogScript{false, {{1129, "20"}}, {3}});
    controls.click(id::kConfig);
    EXPECT_EQ(controls.dialogsRun().back(), "Config");
    EXPECT_EQ(kestrel::testing::readFileBytes(ini), saved);
    EXPECT_EQ(window.settings().informationFlags, 0x5Fu);
    EXPECT_EQ(window.settings().profiles[0].ATACK, 250);
}
