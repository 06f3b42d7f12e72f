#pragma once
// The Config dialog (template 145): the two automatic judgements with their
// ratio thresholds, the tolerances of the two damage tests, and the reset of
// the one-time information messages.

#include "settings/settings_file.h"
#include "ui/controls.h"

#include <cstdint>
#include <vector>

namespace kestrel::ui {

namespace config_id {
inline constexpr int kSpecialOn = 1006, kSpecialOff = 1007;
inline constexpr int kSpecialHigh = 1131, kSpecialLow = 1132;
inline constexpr int kFloatingOn = 1008, kFloatingOff = 1009;
inline constexpr int kNormalLow = 1142, kNormalHigh = 1145;
inline constexpr int kElementLow = 1150, kElementHigh = 1153;
inline constexpr int kWindLow = 1158, kWindHigh = 1161;
inline constexpr int kAttackTolLow = 1129, kAttackTolHigh = 1112;
inline constexpr int kDefenseTolLow = 1130, kDefenseTolHigh = 1114;
inline constexpr int kInformationReset = 3;
}  // namespace config_id

// The fourteen values the dialog edits, named as in the settings.
struct ConfigValues {
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
};

ConfigValues configValuesOf(const Settings& settings);
void applyConfigValues(Settings& settings, const ConfigValues& values);

class ConfigSetting : public DialogLogic {
public:
    // Filled by the caller before the dialog opens, read back after OK.
    ConfigValues values;
    // Set by "Information Message Reset": the caller clears the information flags.
    bool resetRequested = false;

    // "Config".
    std::string caption() const;

    std::vector<ControlSpec> controls() const override;
    void onInit(Controls& controls) override;
    void onOk(Controls& controls) override;
    int templateId() const override { return 145; }
    // "Information Message Reset" ends the dialog as accepted.
    bool closesWithOk(int id) const override { return id == config_id::kInformationReset; }
    void onClicked(int id) override;
};

}  // namespace kestrel::ui
