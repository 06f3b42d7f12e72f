// Bringing back what RESET or the trivia layout cleared: the observation edits,
// boxes, buttons, judgement texts and search text as they stood, with the
// observation state behind them. The offer stands on the notice line until the
// player observes anything new.

#include "ui/main_window/window.h"

#include "ui/ids.h"
#include "ui/texts/texts.h"

#include <algorithm>
#include <vector>

namespace kestrel::ui {

namespace {

// The texts a reset clears or rewrites: the edits, the judgement texts and the
// value buttons' captions.
std::vector<int> clearedTexts()
{
    std::vector<int> ids = {id::kDealtLow,      id::kDealtHigh,      id::kTakenLow,        id::kTakenHigh,
                            id::kSpecialLow,    id::kSpecialHigh,    id::kMoonsaultLow,    id::kMoonsaultHigh,
                            id::kHpAtLeastEdit, id::kHpAtMostEdit,   id::kMpAtLeastEdit,   id::kMpAtMostEdit,
                            id::kSearchEdit,    id::kSpecialVerdict, id::kMoonsaultVerdict};
    ids.insert(ids.end(), id::kRatioStatics.begin(), id::kRatioStatics.end());
    ids.insert(ids.end(), {id::kMetalButton, id::kFloatingButton, id::kSizeButton, id::kMpDrainButton, id::kAngerButton,
                           id::kPushButton});
    return ids;
}

// The check states a reset clears.
std::vector<int> clearedChecks()
{
    std::vector<int> ids = {id::kListLock,     id::kConfirmBox,  id::kExcludeBox,  id::kHpAtLeastBox, id::kHpAtMostBox,
                            id::kMpAtLeastBox, id::kMpAtMostBox, id::kFloatingBox, id::kMetalBox,     id::kSizeBox,
                            id::kMpDrainBox,   id::kAngerBox,    id::kPushBox,     id::kDealtBox,     id::kTakenBox,
                            id::kSearchBox,    id::kToleranceBox};
    ids.insert(ids.end(), id::kConfirmRow.begin(), id::kConfirmRow.end());
    ids.insert(ids.end(), id::kExcludeRow.begin(), id::kExcludeRow.end());
    return ids;
}

template <std::size_t N>
bool contains(const std::array<int, N>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

std::unique_ptr<CKestrelDlg::ClearedObservations> CKestrelDlg::observationsOnScreen() const
{
    auto now = std::make_unique<ClearedObservations>();
    for (int id : clearedTexts())
        now->texts.emplace_back(id, controls_.text(id));
    for (int id : clearedChecks())
        now->checks.emplace_back(id, controls_.checked(id));
    now->state = state_;
    now->damageTexts = damageTexts_;
    return now;
}

// Before a reset: what it is about to clear, with the offer standing now
// taken aside, so that the reset's own writes do not end it.
CKestrelDlg::PendingReset CKestrelDlg::beforeReset() { return {observationsOnScreen(), std::move(cleared_)}; }

// After a reset: the offer, when the reset cleared anything at all; a reset
// that cleared nothing leaves the earlier offer standing.
void CKestrelDlg::offerResetUndo(PendingReset pending)
{
    const auto after = observationsOnScreen();
    if (pending.before->texts == after->texts && pending.before->checks == after->checks) {
        cleared_ = std::move(pending.earlier);
        return;
    }
    cleared_ = std::move(pending.before);
    tellNotice(Notice::ResetOffer, sjis("観測をリセットしました — Ctrl+Shift+Z で元に戻す"));
}

void CKestrelDlg::dropResetUndo()
{
    if (!cleared_)
        return;
    cleared_.reset();
    withdrawNotice(Notice::ResetOffer);
}

// Anything the player observes (a value typed, a button or box clicked) ends the offer.
void CKestrelDlg::lapseResetUndoOn(int id)
{
    if (!cleared_ || restoring_)
        return;
    const std::vector<int> texts = clearedTexts(), checks = clearedChecks();
    const bool observed = std::find(texts.begin(), texts.end(), id) != texts.end() ||
                          std::find(checks.begin(), checks.end(), id) != checks.end() ||
                          contains(id::kSkillButtons, id) ||
                          contains(std::array{id::kDealtDown, id::kDealtUp, id::kTakenDown, id::kTakenUp,
                                              id::kSpecialDown, id::kSpecialUp, id::kMoonsaultDown, id::kMoonsaultUp},
                                   id);
    if (observed)
        dropResetUndo();
}

// Ctrl+Shift+Z: the edits are written back without their handlers, the state
// behind them restored whole, then the labels and the list follow. The class,
// the profile and the layout stay as they are now.
void CKestrelDlg::onResetUndo()
{
    if (!cleared_)
        return;
    const std::unique_ptr<ClearedObservations> saved = std::move(cleared_);
    restoring_ = true;
    for (const auto& [id, text] : saved->texts)
        if (controls_.text(id) != text)
            controls_.setText(id, text);
    for (const auto& [id, on] : saved->checks)
        controls_.setChecked(id, on);
    restoring_ = false;

    ObservationState state = saved->state;
    state.currentClass = state_.currentClass;
    state.currentUser = state_.currentUser;
    state.listLayout = state_.listLayout;
    state.refreshSuppressed = state_.refreshSuppressed;
    state_ = state;
    damageTexts_ = saved->damageTexts;
    updateObservationLabels();
    refresh();
    tellNotice(Notice::ResetUndone, sjis("観測を元に戻しました"));
}

}  // namespace kestrel::ui
