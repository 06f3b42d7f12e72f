// The user settings dialog: what it shows when it opens and what it keeps on OK.
// Nothing typed is ever refused: numbers out of range are clamped silently.

#include "ui/dialogs/user_setting_dialog.h"

#include "catalogue/field_parsing.h"
#include "platform/cp932.h"
#include "ui/dialogs/dialog_template.h"

#include <algorithm>
#include <cstring>

namespace kestrel::ui {

namespace {

using namespace user_setting_id;

constexpr int kWeaponGroup = 1;
constexpr int kOrbGroup = 2;
constexpr std::int32_t kMaxValue = 9999;

// The index of the first checked radio of count buttons from firstId on, or
// keep when none is checked.
std::int32_t checkedIndex(const Controls& controls, int firstId, int count, std::int32_t keep)
{
    for (int i = 0; i < count; ++i) {
        if (controls.checked(firstId + i))
            return i;
    }
    return keep;
}

// A number typed into an edit, in the manner of "%d" (0 when there is none),
// clamped to low..9999.
std::int32_t clampedNumber(const Controls& controls, int id, std::int32_t low)
{
    return std::clamp(leadingInteger(controls.text(id)).value_or(0), low, kMaxValue);
}

}  // namespace

std::string UserSetting::caption() const
{
    return sjis("ユーザー設定 : USER") + std::to_string(static_cast<long long>(index) + 1);
}

std::vector<ControlSpec> UserSetting::controls() const
{
    using K = ControlKind;
    DialogTemplate t;
    t.label("使用武器選択");
    for (int w = 0; w < kWeaponCount; ++w)
        t.addCp932(kFirstWeapon + w, K::Radio, weaponRow(w)->name, kWeaponGroup);
    for (int level = 0; level < kOrbCount; ++level)
        t.addCp932(kFirstOrb + level, K::Radio, orbCaption(level), kOrbGroup);
    t.labels({"昏冥庫パ二ガルム 冥無の精", "特技ダメージ　＋"});
    t.add(kBonus, K::Edit);
    t.label("名前");
    t.add(kName, K::Edit);
    t.label("重さ");
    t.add(kWeight, K::Edit);
    t.label("攻撃力");
    t.add(kAttack, K::Edit);
    t.label("守備力");
    t.add(kDefense, K::Edit);
    t.add(kIdOk, K::Button, "OK");
    t.add(kIdCancel, K::Button, "ｷｬﾝｾﾙ");
    return t.take();
}

// A weapon or orb value without a button of its own (WEAPON 15 and 16 of the
// settings file) opens with no button of its group checked.
void UserSetting::onInit(Controls& controls)
{
    for (int w = 0; w < kWeaponCount; ++w)
        controls.setChecked(kFirstWeapon + w, profile.WEAPON == w);
    for (int level = 0; level < kOrbCount; ++level)
        controls.setChecked(kFirstOrb + level, profile.ORBUMLV == level);
    controls.setText(kAttack, std::to_string(profile.ATACK));
    controls.setText(kDefense, std::to_string(profile.DEFENSE));
    controls.setText(kWeight, std::to_string(profile.WEIGHT));
    controls.setText(kBonus, std::to_string(profile.SPATK));
    controls.setText(kName, std::string(profile.USERNAME, strnlen(profile.USERNAME, sizeof profile.USERNAME)));
}

void UserSetting::onOk(Controls& controls)
{
    profile.WEAPON = checkedIndex(controls, kFirstWeapon, kWeaponCount, profile.WEAPON);
    profile.ORBUMLV = checkedIndex(controls, kFirstOrb, kOrbCount, profile.ORBUMLV);
    profile.ATACK = clampedNumber(controls, kAttack, 1);
    profile.DEFENSE = clampedNumber(controls, kDefense, 1);
    profile.WEIGHT = clampedNumber(controls, kWeight, 1);
    // A longer name keeps its first 12 bytes, never half a double-byte character.
    copyTextField(profile.USERNAME, sizeof profile.USERNAME, controls.text(kName));
    profile.SPATK = clampedNumber(controls, kBonus, 0);
}

}  // namespace kestrel::ui
