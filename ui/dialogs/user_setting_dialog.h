#pragma once
// The user settings dialog (template 138): one player profile's weapon, orb
// level, attack, defense, weight, skill-damage bonus and name.

#include "settings/player_profile.h"
#include "ui/controls.h"

#include <string>
#include <vector>

namespace kestrel::ui {

namespace user_setting_id {
inline constexpr int kFirstWeapon = 1007;  // 1007..1021: weapon 0..14
inline constexpr int kFirstOrb = 1024;     // 1024..1030: orb level 0..6
inline constexpr int kOrbCount = 7;
inline constexpr int kBonus = 1031;
inline constexpr int kName = 1022;
inline constexpr int kWeight = 1023;
inline constexpr int kAttack = 1005;
inline constexpr int kDefense = 1006;
}  // namespace user_setting_id

class UserSetting : public DialogLogic {
public:
    // Filled by the caller before the dialog opens, read back after OK.
    int index = 0;  // the profile being edited, 0..99
    PlayerProfile profile;

    // "ユーザー設定 : USER<index + 1>", code page 932.
    std::string caption() const;

    std::vector<ControlSpec> controls() const override;
    void onInit(Controls& controls) override;
    void onOk(Controls& controls) override;
    static constexpr int kTemplate = 138;
    int templateId() const override { return kTemplate; }
};

}  // namespace kestrel::ui
