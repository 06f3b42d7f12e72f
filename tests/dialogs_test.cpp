// The user settings and Config dialogs: what they keep of what was typed. What
// the main window does around them (OK, Cancel, the reset) is played by the stories.

#include "ui/dialogs/config_dialog.h"
#include "ui/memory_controls.h"
#include "ui/texts/texts.h"
#include "ui/dialogs/user_setting_dialog.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

using namespace kestrel::ui;
using kestrel::ConfigValues, kestrel::JudgementThresholds, kestrel::Tolerances;
using Fills = std::vector<std::pair<int, std::string>>;

namespace {

// Opens the dialog on fresh controls, fills it, clicks the buttons and closes it with OK.
bool runOk(DialogLogic& dialog, Fills fills, std::vector<int> clicks = {})
{
    MemoryControls parent;
    parent.queueDialog(DialogScript{true, std::move(fills), std::move(clicks)});
    return parent.runModal("", dialog);
}

// Every control has an id of its own and a caption that code page 932 can hold.
void expectWellFormed(const DialogLogic& dialog)
{
    std::set<int> ids;
    for (const ControlSpec& item : dialog.controls())
        EXPECT_TRUE(ids.insert(item.id).second && item.caption.find('?') == std::string::npos) << item.id;
}

// The fourteen values, to be compared and printed at once.
auto fields(const ConfigValues& v)
{
    const Tolerances& p = v.tolerances;
    const JudgementThresholds& t = v.thresholds;
    return std::tuple{p.PERM_ATK_L,    p.PERM_ATK_H,    p.PERM_DEF_L,    p.PERM_DEF_H,    v.AUTOJUDG_SPC,
                      v.AUTOJUDG_FLY,  t.VAL_TYP_SPC_L, t.VAL_TYP_SPC_H, t.VAL_FLY_NOM_L, t.VAL_FLY_NOM_H,
                      t.VAL_FLY_ELE_L, t.VAL_FLY_ELE_H, t.VAL_FLY_WID_L, t.VAL_FLY_WID_H};
}

}  // namespace

TEST(Dialogs, ClampsNumbersCutsTheNameAndKeepsAnUnknownWeapon)
{
    UserSetting d;
    d.profile.WEAPON = 16, d.profile.ORBUMLV = 2;  // 16 is accepted by the settings file, but has no button
    EXPECT_EQ(d.caption(), sjis("ユーザー設定 : USER1"));
    expectWellFormed(d);
    MemoryControls shown;
    shown.create(d.controls(), d);
    d.onInit(shown);
    for (int id = 1007; id <= 1021; ++id)
        EXPECT_FALSE(shown.checked(id)) << id;

    // "a" and six double-byte characters: the sixth would straddle byte 12.
    const std::string name = "a" + sjis("ゆうしゃだよ");
    ASSERT_TRUE(runOk(d, {{1005, "abc"}, {1006, "-20"}, {1023, "123456"}, {1031, ""}, {1022, name}}));
    const kestrel::PlayerProfile& p = d.profile;
    EXPECT_TRUE(p.WEAPON == 16 && p.ORBUMLV == 2 && p.ATACK == 1 && p.DEFENSE == 1 && p.WEIGHT == 9999 && p.SPATK == 0);
    EXPECT_EQ(std::string(p.USERNAME), name.substr(0, 11));
    ASSERT_TRUE(runOk(d, {{1022, "ABCDEFGHIJKLMNO"}, {1019, "1"}}));
    EXPECT_STREQ(p.USERNAME, "ABCDEFGHIJKL");
    EXPECT_EQ(p.WEAPON, 12);
}

TEST(Dialogs, OutOfRangeOrEmptyGivesTheRecommendedValue)
{
    ConfigSetting d;
    expectWellFormed(d);
    d.values = ConfigValues{{5, 500, 6, 600}, 0, 0, {0.6f, 0.7f, 0.8f, 0.9f, 1.1f, 1.2f, 1.3f, 1.4f}};
    Fills emptied;
    for (int id : {1129, 1112, 1130, 1114, 1131, 1132, 1142, 1145, 1150, 1153, 1158, 1161})
        emptied.emplace_back(id, "");
    ASSERT_TRUE(runOk(d, emptied));
    // The last ratio's edit is disabled: it keeps what it showed.
    const ConfigValues recommended{{70, 100, 50, 100}, 0, 0, {1.00f, 1.20f, 1.30f, 1.56f, 1.09f, 1.30f, 0.90f, 1.40f}};
    EXPECT_EQ(fields(d.values), fields(recommended));

    ASSERT_TRUE(runOk(
        d,
        {{1129, "-5"}, {1112, "1000"}, {1114, "999"}, {1132, "2.5"}, {1131, "0.5"}, {1142, " +1.25x"}, {1150, "nan"}}));
    const ConfigValues typed{{-5, 100, 50, 999}, 0, 0, {1.00f, 0.5f, 1.25f, 1.56f, 1.09f, 1.30f, 0.90f, 1.40f}};
    EXPECT_EQ(fields(d.values), fields(typed));
    // The reset hands back what the dialog was given, whatever was typed.
    ASSERT_TRUE(runOk(d, {{1129, "90"}, {1131, "1.9"}, {1006, "1"}}, {3}));
    EXPECT_TRUE(d.resetRequested);
    EXPECT_EQ(fields(d.values), fields(typed));
}
