// The main window's handlers: one per control and event, each run to completion.

#include "ui/main_window/window.h"

#include "catalogue/field_parsing.h"
#include "engine/sorting.h"
#include "engine/text_search.h"
#include "platform/file_names.h"
#include "ui/hints/hint_panel.h"
#include "ui/list/list_header.h"
#include "ui/list/list_view.h"
#include "ui/main_window/number_edits.h"
#include "ui/ids.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace kestrel::ui {

namespace {

template <std::size_t N>
int indexOf(const std::array<int, N>& ids, int id)
{
    auto it = std::find(ids.begin(), ids.end(), id);
    return it == ids.end() ? -1 : static_cast<int>(it - ids.begin());
}

bool isOneOf(int id, std::initializer_list<int> ids) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

}  // namespace

void CKestrelDlg::onTextChanged(int id)
{
    if (restoring_)
        return;
    lapseResetUndoOn(id);
    if (isOneOf(id, {id::kDealtLow, id::kDealtHigh, id::kTakenLow, id::kTakenHigh, id::kSpecialLow, id::kSpecialHigh,
                     id::kMoonsaultLow, id::kMoonsaultHigh, id::kHpAtLeastEdit, id::kHpAtMostEdit, id::kMpAtLeastEdit,
                     id::kMpAtMostEdit, id::kUserNo})) {
        // The edit's own text rewritten runs this handler again, on the ASCII form.
        const std::string text = controls_.text(id);
        if (std::string ascii = numberEditText(text); ascii != text)
            return controls_.setText(id, ascii);
    }
    if (id == id::kUserNo)
        onUserNoChanged();
    else if (id == id::kSearchEdit)
        onSearchTextChanged();
    else if (isOneOf(id, {id::kDealtLow, id::kDealtHigh, id::kTakenLow, id::kTakenHigh, id::kSpecialLow,
                          id::kSpecialHigh, id::kMoonsaultLow, id::kMoonsaultHigh}))
        onDamageEditChanged(id);
    else if (isOneOf(id, {id::kHpAtLeastEdit, id::kHpAtMostEdit, id::kMpAtLeastEdit, id::kMpAtMostEdit}))
        onLimitEditChanged(id);
    else if (id == kIdWhyGoneEdit)
        updateHints();
}

void CKestrelDlg::onClicked(int id)
{
    lapseResetUndoOn(id);
    if (int c = indexOf(id::kClassRadios, id); c >= 0)
        return onClassChosen(c + 1);
    if (int key = indexOf(id::kSortRadios, id); key >= 0)
        return onSortChosen(key);
    if (int layout = indexOf(id::kLayoutRadios, id); layout >= 0)
        return layout == 2 ? onTriviaLayoutChosen() : onLayoutChosen(layout);
    if (indexOf(id::kSkillButtons, id) >= 0)
        return onSkillButton(id);
    if (id == id::kFirstSkill)
        return onHintSkill(hintSkills_.first());
    if (std::string skill = hintSkills_.of(id); !skill.empty())
        return onHintSkill(skill);
    if (indexOf(id::kConfirmRow, id) >= 0 || indexOf(id::kExcludeRow, id) >= 0 ||
        isOneOf(id, {id::kConfirmBox, id::kExcludeBox}))
        return onFamilyButton(id);
    if (isOneOf(id, {id::kMetalButton, id::kFloatingButton, id::kSizeButton, id::kMpDrainButton, id::kAngerButton,
                     id::kPushButton}))
        return onObservationButton(id);

    switch (id) {
    case id::kRefer: return onRefer();
    case id::kReset: return onReset();
    case id::kListLock: state_.listLocked = controls_.checked(id::kListLock) ? 1 : 0; return refresh();
    case id::kUserDown: return onUserStep(-1);
    case id::kUserUp: return onUserStep(+1);
    case id::kChangeUser: return onChangeUser();
    case id::kConfig: return onConfigSetting();
    case id::kAnswerCheck: return onAnswerCheck();
    case id::kToleranceBox: state_.toleranceEnabled = controls_.checked(id::kToleranceBox) ? 1 : 0; return refresh();
    case id::kSearchBox: return onSearchBoxClicked();
    case id::kWeaponName: return onWeaponNameClicked();
    case id::kMoonsaultDown: return onStepButton(id::kMoonsaultLow, state_.moonsaultLowTyped, '-');
    case id::kMoonsaultUp: return onStepButton(id::kMoonsaultHigh, state_.moonsaultLowTyped, '+');
    case id::kTakenDown: return onStepButton(id::kTakenLow, state_.takenLowTyped, '-');
    case id::kTakenUp: return onStepButton(id::kTakenHigh, state_.takenLowTyped, '+');
    case id::kDealtDown: return onStepButton(id::kDealtLow, state_.dealtLowTyped, '-');
    case id::kDealtUp: return onStepButton(id::kDealtHigh, state_.dealtLowTyped, '+');
    case id::kSpecialDown: return onStepButton(id::kSpecialLow, state_.specialLowTyped, '-');
    case id::kSpecialUp: return onStepButton(id::kSpecialHigh, state_.specialLowTyped, '+');
    default: break;
    }
    // The enabling boxes: the filter reads them itself.
    if (isOneOf(id,
                {id::kHpAtLeastBox, id::kHpAtMostBox, id::kMpAtLeastBox, id::kMpAtMostBox, id::kDealtBox, id::kTakenBox,
                 id::kMetalBox, id::kFloatingBox, id::kSizeBox, id::kMpDrainBox, id::kAngerBox, id::kPushBox}))
        refresh();
}

void CKestrelDlg::onRefer()
{
    auto chosen = controls_.chooseFile("Select Monster file (*.csv)", "*.csv", definitionFilePath());
    if (!chosen)
        return;
    openDefinitionFile(*chosen);
}

void CKestrelDlg::onClassChosen(std::int32_t quizClass)
{
    state_.currentClass = quizClass;
    saveSettings();
    refresh();
    applySkillLabels(quizClass);
    returnFocus();
}

void CKestrelDlg::onReset()
{
    auto pending = beforeReset();
    resetObservations();
    updateObservationLabels();
    state_.refreshSuppressed = 0;
    refresh();
    offerResetUndo(std::move(pending));
}

// An empty field selects nothing; a number outside 1..100 is corrected in the
// field, which runs this handler again.
void CKestrelDlg::onUserNoChanged()
{
    const std::string text = controls_.text(id::kUserNo);
    if (text.empty())
        return;
    const std::int32_t n = leadingInteger(text).value_or(0);
    if (n < 1)
        return controls_.setText(id::kUserNo, "1");
    if (n > kProfileCount)
        return controls_.setText(id::kUserNo, std::to_string(kProfileCount));
    state_.currentUser = n - 1;
    computeExpectedDamage();
    updateUserLabels();
    saveSettings();
    refresh();
}

void CKestrelDlg::onUserStep(int delta)
{
    const std::string text = controls_.text(id::kUserNo);
    if (text.empty())
        return;
    const std::int64_t n = std::int64_t{leadingInteger(text).value_or(0)} + delta;
    controls_.setText(id::kUserNo, std::to_string(std::clamp<std::int64_t>(n, std::numeric_limits<std::int32_t>::min(),
                                                                           std::numeric_limits<std::int32_t>::max())));
}

void CKestrelDlg::onFocused(int id) { lastEdit_ = id; }

void CKestrelDlg::onHeaderClicked(int id, int column)
{
    if (id != kIdList)
        return;
    const std::optional<std::int32_t> key = sortKeyOfColumn(state_.listLayout, column);
    if (!key)
        return;
    for (int radio : id::kSortRadios)
        controls_.setChecked(radio, false);
    controls_.setChecked(id::kSortRadios[static_cast<std::size_t>(*key)], true);
    onClicked(id::kSortRadios[static_cast<std::size_t>(*key)]);
}

void CKestrelDlg::onSortChosen(std::int32_t key)
{
    settings_.sortKey = key;
    saveSettings();
    if (key == kSortFamily) {
        applySort();
    } else {
        sortMonsters(*catalogue_, 0, catalogue_->monsterCount, key, settings_.debugLevel);
        refresh();
    }
    returnFocus();
}

void CKestrelDlg::onLayoutChosen(std::int32_t layout)
{
    state_.listLayout = layout;
    saveSettings();
    showColumns();
    updateObservationLabels();
    refresh();
    returnFocus();
}

// The trivia layout starts a new quiz of class 超級.
void CKestrelDlg::onTriviaLayoutChosen()
{
    auto pending = beforeReset();
    resetObservations();
    updateObservationLabels();
    state_.refreshSuppressed = 0;
    for (int c = 0; c < 3; ++c)
        controls_.setChecked(id::kClassRadios[c], false);
    controls_.setChecked(id::kClassRadios[3], true);
    state_.currentClass = 4;
    applySkillLabels(4);
    state_.listLayout = 2;
    saveSettings();
    showColumns();
    updateObservationLabels();
    refresh();
    // A new quiz: the keyboard goes to this layout's primary input, the search edit.
    focusPrimaryInput();
    offerResetUndo(std::move(pending));
}

void CKestrelDlg::onSearchTextChanged()
{
    const std::string text = controls_.text(id::kSearchEdit);
    controls_.setChecked(id::kSearchBox, !text.empty());
    splitSearchText(state_.search, text);
    normaliseSearchWords(state_.search);
    refresh();
}

void CKestrelDlg::onSearchBoxClicked()
{
    if (controls_.checked(id::kSearchBox))
        onSearchTextChanged();
    else
        state_.search.searchWordCount = 0;
    refresh();
}

void CKestrelDlg::onSkillButton(int id)
{
    controls_.setText(id::kSearchEdit, toggleSkillWord(controls_.text(id::kSearchEdit), controls_.text(id)));
    returnFocus();
}

void CKestrelDlg::onHintSkill(const std::string& skill)
{
    if (skill.empty())
        return;
    // Added, never taken away: a skill the search already holds stays.
    const std::string text = controls_.text(id::kSearchEdit);
    SearchState words{};
    splitSearchText(words, text);
    for (int i = 0; i < words.searchWordCount; ++i)
        if (std::string_view(words.searchWords[i]) == skill)
            return focusPrimaryInput();
    controls_.setText(id::kSearchEdit, toggleSkillWord(text, skill));
    focusPrimaryInput();
}

// The ratio of the bonus defense to the defense, shown on the special-attack row.
void CKestrelDlg::onWeaponNameClicked()
{
    const std::string defense = controls_.text(id::kDefenseRange[0]);
    const std::string bonus = controls_.text(id::kBonusDefenseRange[2]);
    if (defense.empty() || bonus.empty())
        return;
    const std::int32_t d = leadingInteger(defense).value_or(0);
    const std::int32_t b = leadingInteger(bonus).value_or(0);
    char text[64];
    std::snprintf(text, sizeof text, "%03.2f", d == 0 || b == 0 ? 0.0 : static_cast<double>(b) / d);
    controls_.setText(id::kRatioStatics[0], text);
}

// The icon buttons step a damage row as if the player typed the character.
void CKestrelDlg::onStepButton(int field, std::int32_t& typedFlag, char step)
{
    typedFlag = 1;
    controls_.setText(field, controls_.text(field) + step);
}

}  // namespace kestrel::ui
