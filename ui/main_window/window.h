#pragma once
// The main window's logic (CKestrelDlg): it owns the monster table, the settings
// and the observation state, and turns every user action on its controls into
// the same chain: change the state, bring the labels up to date, refresh the
// candidates, and save what the settings file keeps.

#include "catalogue/catalogue.h"
#include "catalogue/monster_loader.h"
#include "engine/filter_inputs.h"
#include "engine/measured_damage.h"
#include "engine/observation_state.h"
#include "settings/settings_file.h"
#include "ui/controls.h"
#include "ui/hints/hint_panel.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel::ui {

class CKestrelDlg : public ControlEvents {
public:
    // The window works on controls (created by the constructor) and keeps its
    // settings in the file at settingsPath.
    CKestrelDlg(Controls& controls, std::string settingsPath);
    // Saves the settings once more.
    ~CKestrelDlg() override;
    CKestrelDlg(const CKestrelDlg&) = delete;
    CKestrelDlg& operator=(const CKestrelDlg&) = delete;

    // The start-up sequence: settings, definition file, first refresh.
    void OnInitDialog();
    // The same with a definition file given when the program starts: it is
    // remembered as if chosen with Refer and is the only file loaded.
    void OnInitDialog(const std::string& definitionFile);
    // A definition file given when the program starts, as if chosen with Refer.
    void openDefinitionFile(const std::string& path);
    // The About item of the window menu.
    void onAboutCommand();
    // Help → 定義ファイルの確認: every line of the loaded file outside its layout.
    void onCheckDefinitionFile();
    // Help → キー操作: the keyboard shortcuts.
    void onKeyListCommand();
    // View → ヒント: shows or hides the hint panel, remembered for the next start.
    void onHintPanelCommand(bool shown);

    void onTextChanged(int id) override;
    void onClicked(int id) override;
    // A click on a column header sorts as the matching sort radio does.
    void onHeaderClicked(int id, int column) override;

    // For tests and the scenario runner.
    const ObservationState& state() const { return state_; }
    const Settings& settings() const { return settings_; }
    const Catalogue& catalogue() const { return *catalogue_; }
    // An integer field of the observation state or a setting, by its name
    // (observedFloating, currentUser, debugLevel, …); nullopt for an unknown name.
    std::optional<std::int32_t> stateField(std::string_view name) const;

private:
    // Start-up and the refresh cycle.
    void refresh();
    FilterInputs filterInputs() const;
    void showRanges();
    void updateHints();
    void saveSettings();
    // The list's columns of the current layout, at their remembered widths.
    void showColumns();
    // The widths of the columns on show, kept in the settings (nothing while
    // they are the layout's own).
    void rememberColumnWidths();
    // The window's place, as saved and as it is now.
    void restoreWindowPlace();
    void rememberWindowPlace();
    void resetObservations();
    void loadDefinitionFile();
    void tellDefinitionFileProblems();
    void computeExpectedDamage();
    void applySort();
    void applySortForLaterRefresh();
    void applySkillLabels(std::int32_t quizClass);
    void updateObservationLabels();
    void updateUserLabels();
    void showPathLabel();
    void rememberDefinitionFile(const std::string& path);
    // The definition file in the file system's form.
    std::string definitionFilePath() const;
    void setTitle();
    int primaryInput() const;
    void focusPrimaryInput();
    const PlayerProfile* currentProfile() const;

    // Handlers.
    void onRefer();
    void onClassChosen(std::int32_t quizClass);
    void onReset();
    void onUserNoChanged();
    void onUserStep(int delta);
    void onSortChosen(std::int32_t key);
    void onLayoutChosen(std::int32_t layout);
    void onTriviaLayoutChosen();
    void onSearchTextChanged();
    void onSearchBoxClicked();
    void onSkillButton(int id);
    // A skill the hint panel names, added to the search as its skill button would.
    void onHintSkill(const std::string& skill);
    void onWeaponNameClicked();
    void onStepButton(int field, std::int32_t& typedFlag, char step);

    // Damage entry (damage_entry.cpp): the eight damage edits, the four HP/MP
    // limit edits, keypad stepping and the debug command.
    void onDamageEditChanged(int id);
    bool takeDebugCommand(int id);
    void onSkillDamageEdit(int lowEdit, int highEdit, bool isLow, std::int32_t& lowTyped);
    void onMeasuredDamageEdit(MeasuredRow row, int lowEdit, int highEdit, int box, bool isLow, std::int32_t& lowTyped);
    void onLimitEditChanged(int id);
    int takeOperator(int slot, std::string_view text);
    int stepDamagePair(int lowSlot, int highSlot, int lowEdit, int highEdit, std::int32_t& lowTyped);
    void forgetRange(bool received);
    void writePairedEdit(int edit, const std::string& text);
    void rangesFromEdits();

    // Observation buttons and family rows (observation_buttons.cpp).
    void onObservationButton(int id);
    void onFamilyButton(int id);

    // Family and floating auto-judgement (auto_judgement.cpp).
    void judgeFamilyAndFloating();
    void setObservedFloating(std::int32_t value);
    void applyFamilyExclusion(std::int32_t family);
    void applyFamilyConfirmation(std::int32_t family);

    // One-time information messages (information.cpp).
    void showInformation(int message);

    // The user settings and Config dialogs (dialogs.cpp).
    void onChangeUser();
    void onConfigSetting();

    Controls& controls_;
    std::string settingsPath_;
    std::unique_ptr<Catalogue> catalogue_;
    // What the last load of the definition file found.
    LoadReport loadReport_;
    bool definitionNoticeShown_ = false;
    Settings settings_;
    ObservationState state_;
    // The damage edits' last values without operator characters: 1090, 1118,
    // 1096, 1133, 1134, 1153, 1155, 1156.
    std::array<std::string, 8> damageTexts_;
    bool saveFailureShown_ = false;
    HintSkills hintSkills_;
    // The layout whose columns the list shows; -1 before the first.
    std::int32_t shownLayout_ = -1;
    // While above 0, a refresh leaves the list and the hint panel to the refresh
    // that certainly follows before anything is shown.
    int displayHeld_ = 0;
};

}  // namespace kestrel::ui
