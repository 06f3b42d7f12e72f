// The main window: start-up, the refresh cycle, the settings and the labels.

#include "ui/main_window/window.h"

#include "catalogue/field_parsing.h"
#include "catalogue/monster_loader.h"
#include "engine/candidate_filter.h"
#include "engine/damage_model.h"
#include "engine/range_display.h"
#include "engine/sorting.h"
#include "engine/text_search.h"
#include "platform/cp932.h"
#include "platform/file_names.h"
#include "settings/settings_merge.h"
#include "ui/hints/hint_panel.h"
#include "ui/keyboard/shortcuts.h"
#include "ui/list/damage_picture.h"
#include "ui/list/list_view.h"
#include "ui/main_window/control_set.h"
#include "ui/ids.h"
#include "ui/texts/texts.h"
#include "ui/texts/window_title.h"

#include <utility>

namespace kestrel::ui {

namespace {

std::int32_t numberIn(const std::string& text) { return leadingInteger(text).value_or(0); }

void showRange(Controls& controls, const std::array<int, 5>& ids, const RangeTexts& texts)
{
    controls.setText(ids[0], texts.low);
    controls.setText(ids[1], texts.separator);
    controls.setText(ids[2], texts.high);
    controls.setText(ids[3], texts.average);
    controls.setText(ids[4], texts.percentage);
}

}  // namespace

CKestrelDlg::CKestrelDlg(Controls& controls, std::string settingsPath)
    : controls_(controls),
      settingsPath_(std::move(settingsPath)),
      catalogue_(std::make_unique<Catalogue>()),
      quizLogFile_(quizLogPath(pathFromUtf8(settingsPath_)))
{
    controls_.create(mainWindowControls(), *this);
    showShortcutToolTips(controls_);
}

CKestrelDlg::~CKestrelDlg()
{
    rememberWindowPlace();
    saveSettings();
}

void CKestrelDlg::OnInitDialog() { OnInitDialog(std::string()); }

void CKestrelDlg::OnInitDialog(const std::string& definitionFile)
{
    setTitle();
    resetObservations();
    settings_ = loadSettings(settingsPath_);
    savedSettings_ = settings_;
    restoreWindowPlace();
    // Before anything is saved: saving writes these back from the state.
    state_.currentClass = settings_.currentClass;
    state_.currentUser = settings_.currentUser;
    state_.listLayout = settings_.listLayout;
    loadFirstDefinitionFile(definitionFile);
    computeExpectedDamage();
    setTitle();
    showPathLabel();
    focusPrimaryInput();
    controls_.postFocus(id::kDealtLow);

    for (int radio : id::kClassRadios)
        controls_.setChecked(radio, false);
    const int classIndex = state_.currentClass >= 1 && state_.currentClass <= 3 ? state_.currentClass - 1 : 3;
    controls_.setChecked(id::kClassRadios[classIndex], true);
    for (int radio : id::kSortRadios)
        controls_.setChecked(radio, false);
    if (settings_.sortKey >= 0 && settings_.sortKey <= 6)
        controls_.setChecked(id::kSortRadios[settings_.sortKey], true);
    for (int radio : id::kLayoutRadios)
        controls_.setChecked(radio, false);
    controls_.setChecked(id::kLayoutRadios[effectiveLayout(state_.listLayout)], true);

    controls_.setText(id::kUserNo, std::to_string(state_.currentUser + 1));

    applySort();
    resetObservations();
    state_.refreshSuppressed = 0;
    showColumns();
    updateUserLabels();
    refresh();
    updateObservationLabels();
    if (state_.currentClass != 0)
        applySkillLabels(state_.currentClass);
    for (int id : id::kDebugStatics)
        controls_.setText(id, "");
    controls_.showHintPanel(settings_.showHints);
    controls_.setTopmost(settings_.topmost);
    showFirstStartMessages();
}

// The one-time messages open over the finished window, never over its template:
// a window system shows the window at the first of them. An answer that changes
// the tolerances shows the candidates they leave.
void CKestrelDlg::showFirstStartMessages()
{
    const Tolerances before = settings_.config.tolerances;
    showInformation(0);
    showInformation(1);
    showInformation(2);
    if (!(settings_.config.tolerances == before))
        refresh();
}

void CKestrelDlg::onAboutCommand() { controls_.showAbout(aboutCaption(), aboutLines()); }

void CKestrelDlg::onHintPanelCommand(bool shown)
{
    settings_.showHints = shown;
    controls_.showHintPanel(shown);
    saveSettings();
}

void CKestrelDlg::onKeyListCommand() { controls_.showReport(sjis("キー操作"), shortcutListText()); }

// The filter reads the window's boxes and edits as they stand now.
FilterInputs CKestrelDlg::filterInputs() const
{
    FilterInputs in;
    in.floating = controls_.checked(id::kFloatingBox);
    in.metal = controls_.checked(id::kMetalBox);
    in.size = controls_.checked(id::kSizeBox);
    in.mpDrain = controls_.checked(id::kMpDrainBox);
    in.anger = controls_.checked(id::kAngerBox);
    in.push = controls_.checked(id::kPushBox);
    in.hpAtLeast = controls_.checked(id::kHpAtLeastBox);
    in.hpAtMost = controls_.checked(id::kHpAtMostBox);
    in.mpAtLeast = controls_.checked(id::kMpAtLeastBox);
    in.mpAtMost = controls_.checked(id::kMpAtMostBox);
    in.familyExclusion = controls_.checked(id::kExcludeBox);
    in.familyConfirmation = controls_.checked(id::kConfirmBox);
    in.dealtDamage = controls_.checked(id::kDealtBox);
    in.takenDamage = controls_.checked(id::kTakenBox);
    in.textSearch = controls_.checked(id::kSearchBox);
    in.tolerance = controls_.checked(id::kToleranceBox);
    in.dealtLow = numberIn(controls_.text(id::kDealtLow));
    in.dealtHigh = numberIn(controls_.text(id::kDealtHigh));
    in.takenLow = numberIn(controls_.text(id::kTakenLow));
    in.takenHigh = numberIn(controls_.text(id::kTakenHigh));
    in.searchText = controls_.text(id::kSearchEdit);
    in.tolerances = settings_.config.tolerances;
    const PlayerProfile* profile = currentProfile();
    in.ORBUMLV = profile ? profile->ORBUMLV : 0;
    in.WEIGHT = profile ? profile->WEIGHT : 0;
    in.ATACK = profile ? profile->ATACK : 0;
    in.DEFENSE = profile ? profile->DEFENSE : 0;
    return in;
}

void CKestrelDlg::refresh()
{
    kestrel::refresh(*catalogue_, state_, filterInputs());
    if (state_.refreshSuppressed == 1)
        return;
    showRanges();
    if (displayHeld_ > 0)
        return;
    fillList(controls_, *catalogue_, state_, settings_.debugLevel);
    showDamagePictures();
    updateHints();
    announceSingleCandidate();
}

// The pictures follow the rows: a locked list keeps both.
void CKestrelDlg::showDamagePictures()
{
    if (state_.listLocked)
        return;
    if (effectiveLayout(state_.listLayout) != 3) {
        controls_.setListPictures(kIdList, {});
        return;
    }
    const FilterInputs inputs = filterInputs();
    const PlayerProfile* profile = currentProfile();
    const PictureSources sources{*catalogue_,
                                 inputs,
                                 profile == nullptr || attackUnset(*profile),
                                 profile == nullptr || defenseUnset(*profile),
                                 typedMarks(controls_.text(id::kDealtLow), controls_.text(id::kDealtHigh)),
                                 typedMarks(controls_.text(id::kTakenLow), controls_.text(id::kTakenHigh))};
    controls_.setListPictures(kIdList, damagePictures(sources));
}

// The hint panel follows every refresh, locked list or not.
void CKestrelDlg::updateHints()
{
    const FilterInputs inputs = filterInputs();
    const PlayerProfile* profile = currentProfile();
    hintSkills_ =
        showHints(controls_, {*catalogue_, state_, inputs, profile ? weaponRow(profile->WEAPON) : nullptr, profile});
}

void CKestrelDlg::showRanges()
{
    const RangeDisplay display = updateRangeDisplay(state_);
    showRange(controls_, id::kAttackRange, display.attack);
    showRange(controls_, id::kDefenseRange, display.defense);
    showRange(controls_, id::kBonusDefenseRange, display.bonusDefense);
}

// Writes the settings file; a failure is told once per run, without a modal box.
void CKestrelDlg::saveSettings()
{
    settings_.currentClass = state_.currentClass;
    settings_.currentUser = state_.currentUser;
    settings_.listLayout = state_.listLayout;
    rememberColumnWidths();
    if (saveOwnChanges(savedSettings_, settings_, settingsPath_)) {
        savedSettings_ = settings_;
        return;
    }
    if (saveFailureShown_)
        return;
    saveFailureShown_ = true;
    tellNotice(Notice::SettingsSave,
               sjis("設定を保存できませんでした。変更は保存されません: ") + settingsPathOf(settingsPath_));
}

void CKestrelDlg::showColumns()
{
    rememberColumnWidths();
    shownLayout_ = effectiveLayout(state_.listLayout);
    buildColumns(controls_, state_, settings_.columnWidths[static_cast<std::size_t>(shownLayout_)]);
}

void CKestrelDlg::rememberColumnWidths()
{
    if (shownLayout_ < 0 || shownLayout_ >= kColumnLayoutCount)
        return;
    const std::vector<int> widths = controls_.columnWidths(kIdList);
    const std::vector<ListColumn> own = columnsOf(shownLayout_);
    if (widths.size() != own.size())
        return;  // the window system tells none
    bool changed = false;
    for (std::size_t i = 0; i < own.size(); ++i)
        changed = changed || widths[i] != own[i].width;
    auto& kept = settings_.columnWidths[static_cast<std::size_t>(shownLayout_)];
    kept.assign(changed ? widths.begin() : widths.end(), widths.end());
}

void CKestrelDlg::restoreWindowPlace()
{
    if (const auto& w = settings_.window)
        controls_.setWindowRect({w->x, w->y, w->width, w->height});
}

void CKestrelDlg::rememberWindowPlace()
{
    if (const auto rect = controls_.windowRect())
        settings_.window = WindowGeometry{rect->x, rect->y, rect->width, rect->height};
}

void CKestrelDlg::resetObservations()
{
    state_.refreshSuppressed = 1;
    for (std::string& text : damageTexts_)
        text.clear();
    for (int edit : {id::kDealtLow, id::kDealtHigh, id::kSpecialLow, id::kSpecialHigh, id::kMoonsaultLow,
                     id::kMoonsaultHigh, id::kTakenLow, id::kTakenHigh})
        controls_.setText(edit, "");
    for (int ratio : id::kRatioStatics)
        controls_.setText(ratio, "----");
    controls_.setText(id::kSpecialVerdict, "");
    controls_.setText(id::kMoonsaultVerdict, "");
    for (int edit : {id::kHpAtLeastEdit, id::kHpAtMostEdit, id::kMpAtLeastEdit, id::kMpAtMostEdit, id::kSearchEdit})
        controls_.setText(edit, "");

    controls_.setChecked(id::kListLock, false);
    for (int k = 0; k < kFamilyCount; ++k) {
        controls_.setChecked(id::kConfirmRow[k], false);
        controls_.setChecked(id::kExcludeRow[k], false);
    }
    for (int box :
         {id::kConfirmBox, id::kExcludeBox, id::kHpAtLeastBox, id::kHpAtMostBox, id::kMpAtLeastBox, id::kMpAtMostBox,
          id::kFloatingBox, id::kMetalBox, id::kSizeBox, id::kMpDrainBox, id::kAngerBox, id::kPushBox})
        controls_.setChecked(box, false);

    kestrel::resetObservations(state_);
    for (int separator : {id::kAttackRange[1], id::kDefenseRange[1], id::kBonusDefenseRange[1]})
        controls_.setText(separator, sjis("～"));
    focusPrimaryInput();
}

void CKestrelDlg::computeExpectedDamage()
{
    const PlayerProfile* profile = currentProfile();
    kestrel::computeExpectedDamage(*catalogue_, profile ? profile->ATACK : 0, profile ? profile->DEFENSE : 0);
}

// Sorts the table by the saved key (family runs by HP for 系統順), then refreshes.
void CKestrelDlg::applySort()
{
    kestrel::applySort(*catalogue_, settings_.sortKey, settings_.debugLevel);
    refresh();
}

// The same where a refresh with nothing suppressed follows before anything is
// shown: that one fills the list and the hint panel.
void CKestrelDlg::applySortForLaterRefresh()
{
    ++displayHeld_;
    applySort();
    --displayHeld_;
}

void CKestrelDlg::applySkillLabels(std::int32_t quizClass)
{
    static_assert(id::kSkillButtons.size() == kSkillButtonCount);
    for (int k = 0; k < kSkillButtonCount; ++k)
        if (const char* label = skillButtonLabel(quizClass, k))
            controls_.setText(id::kSkillButtons[k], label);
}

void CKestrelDlg::updateObservationLabels()
{
    auto twoValued = [&](int button, std::int32_t value, const char* no, const char* yes) {
        controls_.setText(button, sjis(value == -1 ? "不明" : value == 0 ? no : yes));
    };
    twoValued(id::kMetalButton, state_.observedMetal, "NO", "YES");
    twoValued(id::kFloatingButton, state_.observedFloating, "NO", "YES");
    twoValued(id::kSizeButton, state_.observedSize, "普通", "大きい");
    twoValued(id::kMpDrainButton, state_.observedMpDrain, "吸えない", "吸えた");
    twoValued(id::kPushButton, state_.observedPush, "押せた", "押せない");
    if (state_.observedAnger >= 0 && state_.observedAnger <= 2) {
        const char* anger[] = {"不明", "怒った", "怒らない"};
        controls_.setText(id::kAngerButton, sjis(anger[state_.observedAnger]));
    }
    controls_.setText(id::kSearchBox, sjis(state_.listLayout == 2 ? "豆検索" : "特技検索"));
    controls_.setChecked(id::kToleranceBox, state_.toleranceEnabled != 0);
}

// A WEAPON outside the weapon table (15 or 16) shows no weapon and no special attack.
void CKestrelDlg::updateUserLabels()
{
    const PlayerProfile* profile = currentProfile();
    if (!profile)
        return;
    const WeaponRow* weapon = weaponRow(profile->WEAPON);
    controls_.setText(id::kWeaponName, weapon ? weapon->name : "");
    controls_.setText(id::kUserAttack, sjis("攻") + std::to_string(profile->ATACK));
    controls_.setText(id::kUserDefense, sjis("守") + std::to_string(profile->DEFENSE));
    controls_.setText(id::kUserName, profile->USERNAME);
    controls_.setText(id::kSpecialName, weapon ? weapon->specialAttack : "");
    const bool weightSet = profile->WEIGHT <= 1000;
    controls_.setEnabled(id::kPushBox, weightSet);
    controls_.setEnabled(id::kPushButton, weightSet);
}

void CKestrelDlg::setTitle() { controls_.setTitle(windowTitle(settings_.debugLevel)); }

int CKestrelDlg::primaryInput() const { return state_.listLayout == 2 ? id::kSearchEdit : id::kDealtLow; }

void CKestrelDlg::focusPrimaryInput()
{
    lastEdit_ = primaryInput();
    controls_.setFocus(lastEdit_);
}

void CKestrelDlg::returnFocus() { controls_.setFocus(lastEdit_ != 0 ? lastEdit_ : primaryInput()); }

const PlayerProfile* CKestrelDlg::currentProfile() const
{
    if (state_.currentUser < 0 || state_.currentUser >= kProfileCount)
        return nullptr;
    return &settings_.profiles[static_cast<std::size_t>(state_.currentUser)];
}

}  // namespace kestrel::ui
