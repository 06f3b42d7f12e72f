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
#include "settings/quiz_log.h"
#include "settings/settings_file.h"
#include "ui/controls.h"
#include "ui/hints/hint_panel.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
    // A definition file chosen with Refer, dropped or given while the program
    // runs. A file that cannot be read or is no definition file changes
    // nothing: its message is all the player sees.
    void openDefinitionFile(const std::string& path);
    // The definition file loaded while none is chosen, or when the chosen one
    // cannot be read at start (the sample the program brings); called before
    // OnInitDialog. It is never remembered as the chosen file.
    void setFallbackDefinitionFile(std::string path);
    // The About item of the window menu.
    void onAboutCommand();
    // Help → 定義ファイルの確認: every line of the loaded file outside its layout.
    void onCheckDefinitionFile();
    // Help → キー操作: the keyboard shortcuts.
    void onKeyListCommand();
    // View → ヒント: shows or hides the hint panel, remembered for the next start.
    void onHintPanelCommand(bool shown);
    // View → 常に手前に表示: keeps the window above the others, remembered for
    // the next start.
    void onTopmostCommand(bool topmost);
    // Help → 使い方: the player's guide in the browser.
    void onGuideCommand();
    // The answer's name to the clipboard: the selected row's, else the only
    // candidate's; the notice line tells what was copied, or why nothing was.
    void onCopyNameCommand();
    // "答え合わせ…" (the button, its key): the game's answer checked against the
    // definition file, told on the notice line and appended to the quiz log.
    void onAnswerCheck();
    // Help → 答え合わせの記録: the whole quiz log against the loaded file.
    void onQuizLogReport();
    // The quiz log; beside the settings file unless a test puts it elsewhere.
    const std::filesystem::path& quizLogFile() const { return quizLogFile_; }
    void setQuizLogFile(std::filesystem::path file) { quizLogFile_ = std::move(file); }

    void onTextChanged(int id) override;
    void onClicked(int id) override;
    // A click on a column header sorts as the matching sort radio does.
    void onHeaderClicked(int id, int column) override;
    // A double click on a row copies its name.
    void onRowActivated(int id, int row) override;
    // The keys of the commands without a control (ui/ids.h).
    // The edit that has the keyboard, where a click's handler gives it back.
    void onFocused(int id) override;
    void onCommand(int id) override;

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
    // The picture columns of the damage layout, for the rows just filled.
    void showDamagePictures();
    // Tells by itself when exactly one candidate remains (answer_copy.cpp).
    void announceSingleCandidate();
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
    // Definition files (definition_file.cpp).
    void loadFirstDefinitionFile(const std::string& argument);
    bool loadChosenDefinitionFile();
    // The file at path read into a table of its own; nullptr (after its
    // message) when it cannot be read or is no definition file.
    std::unique_ptr<Catalogue> readDefinitionFile(const std::string& path, LoadReport& report);
    void takeDefinitionFile(std::unique_ptr<Catalogue> table, const LoadReport& report, const std::string& path);
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
    // Puts the keyboard in the primary input, as at start-up and after RESET.
    void focusPrimaryInput();
    // Gives the keyboard back to the edit that last had it after a click or a
    // dialog took it: the primary input while no edit has had it.
    void returnFocus();
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
    void tellDamageUnusedWhileUnset(MeasuredRow row);
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

    // The copy of a name (answer_copy.cpp).
    std::string nameOfListRow(int row) const;
    std::string singleCandidateName() const;
    void copyName(const std::string& name);
    // Bringing back what a reset cleared (reset_undo.cpp): the texts and check
    // states on screen and the state and typed values behind them.
    struct ClearedObservations {
        std::vector<std::pair<int, std::string>> texts;
        std::vector<std::pair<int, bool>> checks;
        ObservationState state;
        std::array<std::string, 8> damageTexts;
    };
    struct PendingReset {
        std::unique_ptr<ClearedObservations> before;
        std::unique_ptr<ClearedObservations> earlier;
    };
    std::unique_ptr<ClearedObservations> observationsOnScreen() const;
    PendingReset beforeReset();
    void offerResetUndo(PendingReset pending);
    void dropResetUndo();
    void lapseResetUndoOn(int id);
    void onResetUndo();

    // One-time information messages (information.cpp).
    void showInformation(int message);
    void showFirstStartMessages();

    // The user settings and Config dialogs (dialogs.cpp).
    void onChangeUser();
    void onConfigSetting();

    // The answer check (answer_check.cpp).
    void describeLoadedFile();
    std::string answerNameToOffer();
    QuizLogContext quizLogContext() const;

    Controls& controls_;
    std::string settingsPath_;
    std::unique_ptr<Catalogue> catalogue_;
    // What the last load of the definition file found.
    LoadReport loadReport_;
    // The loaded file's name, size and digest, as the quiz log records them.
    QuizLogContext loadedFileFacts_;
    std::filesystem::path quizLogFile_;
    // The file the table was read from (or last tried at start), and the
    // program's own sample used while none is chosen.
    std::string loadedFile_;
    std::string fallbackFile_;
    Settings settings_;
    // The settings as this window last read or wrote them: a save writes back
    // only what differs from them, and leaves what another copy of the program
    // saved meanwhile.
    Settings savedSettings_;
    ObservationState state_;
    // The damage edits' last values without operator characters: 1090, 1118,
    // 1096, 1133, 1134, 1153, 1155, 1156.
    std::array<std::string, 8> damageTexts_;
    bool saveFailureShown_ = false;
    // The notice that a damage narrows nothing while the profile is unset has been shown.
    bool unsetDamageTold_ = false;
    HintSkills hintSkills_;
    // The layout whose columns the list shows; -1 before the first.
    std::int32_t shownLayout_ = -1;
    // What the last RESET or trivia layout cleared while it can be brought back.
    std::unique_ptr<ClearedObservations> cleared_;
    // While the edits are written back, their handlers stand aside.
    bool restoring_ = false;
    // The edit of this window that has or last had the keyboard; 0 for none yet.
    int lastEdit_ = 0;
    // While above 0, a refresh leaves the list and the hint panel to the refresh
    // that certainly follows before anything is shown.
    int displayHeld_ = 0;
    // The candidate the notice line last named as the only one left; empty
    // while the line shows something else.
    std::string announcedSingle_;
    // Whether the notice line shows that announcement still.
    // What the notice line shows now (notice_line.cpp).
    enum class Notice {
        None,
        DefinitionFile,
        SettingsSave,
        UnsetProfile,
        ResetOffer,
        ResetUndone,
        SingleCandidate,
        Copy,
        Guide,
        Answer
    };
    Notice noticeShown_ = Notice::None;
    void tellNotice(Notice about, const std::string& text);
    void withdrawNotice(Notice about);
};

}  // namespace kestrel::ui
