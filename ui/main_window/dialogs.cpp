// The main window's two modal dialogs: "変更" edits the selected player profile,
// "Config Setting..." the judgement thresholds, the damage tolerances and the
// information messages. Each copies the values in, runs the dialog and takes
// them back only on OK; the keyboard returns to the edit that last had it
// either way.

#include "ui/dialogs/config_dialog.h"
#include "ui/main_window/window.h"
#include "ui/dialogs/user_setting_dialog.h"

namespace kestrel::ui {

void CKestrelDlg::onChangeUser()
{
    if (currentProfile()) {
        PlayerProfile& selected = settings_.profiles[static_cast<std::size_t>(state_.currentUser)];
        UserSetting dialog;
        dialog.index = state_.currentUser;
        dialog.profile = selected;
        if (controls_.runModal(dialog.caption(), dialog)) {
            const bool attackWasUnset = attackUnset(selected);
            selected = dialog.profile;
            updateUserLabels();
            saveSettings();
            // The list, its damage cells and the ranges show the new profile at once.
            computeExpectedDamage();
            rangesFromEdits();
            refresh();
            // The skill rows typed while the attack was unset are judged now.
            if (attackWasUnset && !attackUnset(selected))
                judgeFamilyAndFloating();
        }
    }
    returnFocus();
}

// The new tolerances apply to the list at once.
void CKestrelDlg::onConfigSetting()
{
    ConfigSetting dialog;
    dialog.values = settings_.config;
    if (controls_.runModal(dialog.caption(), dialog)) {
        if (dialog.resetRequested)
            settings_.informationFlags = 0;
        settings_.config = dialog.values;
        saveSettings();
        refresh();
    }
    returnFocus();
}

}  // namespace kestrel::ui
