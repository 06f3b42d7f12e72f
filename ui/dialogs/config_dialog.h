#pragma once
// The Config dialog (template 145): the two automatic judgements with their
// ratio thresholds, the tolerances of the two damage tests, and the reset of
// the one-time information messages.

#include "engine/config_values.h"
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
    static constexpr int kTemplate = 145;
    int templateId() const override { return kTemplate; }
    // "Information Message Reset" ends the dialog as accepted.
    bool closesWithOk(int id) const override { return id == config_id::kInformationReset; }
    void onClicked(int id) override;
};

}  // namespace kestrel::ui
