// Damage entry: the eight damage edits, the four HP/MP limit edits, stepping a
// damage pair with the keypad keys + - * / and the debug command of edit 1090.
//
// Every write into an edit runs that edit's handler at once, before the write
// returns; the rules below rely on it: a stepped value is written back and then
// handled exactly as if it had been typed.

#include "ui/main_window/window.h"

#include "catalogue/field_parsing.h"
#include "engine/measured_damage.h"
#include "ui/ids.h"
#include "ui/main_window/number_edits.h"
#include "ui/texts/texts.h"

#include <algorithm>
#include <cstdio>

namespace kestrel::ui {

namespace {

using StateField = std::int32_t ObservationState::*;

// One row of a low and a high damage edit. The dealt and received rows restrict
// the monster's defense and attack and have a criterion box; the special-attack
// and ムーンサルト rows only feed the ratios of the auto-judgement.
struct DamageRow {
    int lowEdit, highEdit;
    int lowSlot, highSlot;
    StateField lowTyped;
    bool measured;  // dealt or received: box, previous values, jump flags, ranges
    MeasuredRow kind;
    int box;
};

constexpr DamageRow kRows[] = {
    {id::kDealtLow, id::kDealtHigh, 0, 1, &ObservationState::dealtLowTyped, true, MeasuredRow::Dealt, id::kDealtBox},
    {id::kTakenLow, id::kTakenHigh, 2, 3, &ObservationState::takenLowTyped, true, MeasuredRow::Taken, id::kTakenBox},
    {id::kSpecialLow, id::kSpecialHigh, 4, 5, &ObservationState::specialLowTyped, false, MeasuredRow::Dealt, 0},
    {id::kMoonsaultLow, id::kMoonsaultHigh, 6, 7, &ObservationState::moonsaultLowTyped, false, MeasuredRow::Dealt, 0},
};

const DamageRow* rowOf(int edit)
{
    for (const DamageRow& row : kRows)
        if (row.lowEdit == edit || row.highEdit == edit)
            return &row;
    return nullptr;
}

std::int32_t numberOf(std::string_view text) { return leadingInteger(text).value_or(0); }

// value + step within what a number edit holds.
std::int32_t stepped(std::int32_t value, int step)
{
    const std::int64_t sum = std::int64_t{value} + step;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, -kNumberEditMax, kNumberEditMax));
}

std::string decimal(std::int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return text;
}

int stepOfOperator(char c)
{
    switch (c) {
    case '+': return 1;
    case '-': return -1;
    case '*': return 2;
    case '/': return -2;
    default: return 0;
    }
}

struct LimitEdit {
    int edit;
    std::int32_t ObservationState::*field;
    int box;
};

constexpr LimitEdit kLimitEdits[] = {
    {id::kHpAtLeastEdit, &ObservationState::hpAtLeast, id::kHpAtLeastBox},
    {id::kHpAtMostEdit, &ObservationState::hpAtMost, id::kHpAtMostBox},
    {id::kMpAtLeastEdit, &ObservationState::mpAtLeast, id::kMpAtLeastBox},
    {id::kMpAtMostEdit, &ObservationState::mpAtMost, id::kMpAtMostBox},
};

}  // namespace

// A lone operator is what the key leaves when it replaced the selected value:
// it applies to the value the edit held before.
int CKestrelDlg::takeOperator(int slot, std::string_view text)
{
    if (slot < 0 || slot >= static_cast<int>(damageTexts_.size()))
        return 0;
    std::string& kept = damageTexts_[static_cast<std::size_t>(slot)];
    std::string working;
    if (text.size() == 1 && stepOfOperator(text[0]) != 0 && !kept.empty())
        working = kept + std::string(text);
    else
        working = std::string(text);

    // Operator bytes never occur inside a double-byte character (trail bytes start at 0x40).
    int step = 0;
    std::string clean;
    clean.reserve(working.size());
    for (char c : working) {
        if (int s = stepOfOperator(c); s != 0)
            step = s;
        else
            clean.push_back(c);
    }
    kept = std::move(clean);
    return step;
}

// + and * widen the pair upwards, - and / downwards; the operator never stays in
// the edit. Returns the step taken, 0 when neither edit held an operator.
int CKestrelDlg::stepDamagePair(int lowSlot, int highSlot, int lowEdit, int highEdit, std::int32_t& lowTyped)
{
    if (int s = takeOperator(lowSlot, controls_.text(lowEdit)); s != 0) {
        lowTyped = 1;
        const std::int32_t clean = numberOf(damageTexts_[static_cast<std::size_t>(lowSlot)]);
        if (s < 0) {
            const std::string low = decimal(stepped(clean, s));
            damageTexts_[static_cast<std::size_t>(lowSlot)] = low;
            controls_.setText(lowEdit, low);
            controls_.setFocus(lowEdit);
        } else {
            controls_.setText(lowEdit, decimal(clean));
            const std::string high = decimal(stepped(numberOf(controls_.text(highEdit)), s));
            damageTexts_[static_cast<std::size_t>(highSlot)] = high;
            controls_.setText(highEdit, high);
            controls_.setFocus(highEdit);
        }
        return s;
    }
    if (int s = takeOperator(highSlot, controls_.text(highEdit)); s != 0) {
        lowTyped = 1;
        const std::int32_t clean = numberOf(damageTexts_[static_cast<std::size_t>(highSlot)]);
        if (s > 0) {
            const std::string high = decimal(stepped(clean, s));
            controls_.setFocus(highEdit);
            damageTexts_[static_cast<std::size_t>(highSlot)] = high;
            controls_.setText(highEdit, high);
        } else {
            const std::string high = decimal(clean);
            damageTexts_[static_cast<std::size_t>(highSlot)] = high;
            controls_.setText(highEdit, high);
            const std::string low = decimal(stepped(numberOf(controls_.text(lowEdit)), s));
            controls_.setFocus(lowEdit);
            damageTexts_[static_cast<std::size_t>(lowSlot)] = low;
            controls_.setText(lowEdit, low);
        }
        return s;
    }
    return 0;
}

void CKestrelDlg::onDamageEditChanged(int id)
{
    const DamageRow* found = rowOf(id);
    if (!found)
        return;
    const DamageRow& row = *found;
    std::int32_t& lowTyped = state_.*row.lowTyped;
    if (stepDamagePair(row.lowSlot, row.highSlot, row.lowEdit, row.highEdit, lowTyped) != 0)
        return;  // the stepped values written back have been handled already
    if (takeDebugCommand(id))
        return;
    const bool isLow = id == row.lowEdit;
    if (row.measured)
        onMeasuredDamageEdit(row.kind, row.lowEdit, row.highEdit, row.box, isLow, lowTyped);
    else
        onSkillDamageEdit(row.lowEdit, row.highEdit, isLow, lowTyped);
}

// "d" and one digit typed into the dealt low edit sets the debug level.
bool CKestrelDlg::takeDebugCommand(int id)
{
    if (id != id::kDealtLow)
        return false;
    const std::string text = controls_.text(id::kDealtLow);
    if (text.size() != 2 || text[0] != 'd')
        return false;
    settings_.debugLevel = static_cast<unsigned char>(text[1]) - '0';
    setTitle();
    controls_.setText(id::kDealtLow, "");
    saveSettings();
    return true;
}

// The special-attack and ムーンサルト rows: keep the pair ordered, then judge.
void CKestrelDlg::onSkillDamageEdit(int lowEdit, int highEdit, bool isLow, std::int32_t& lowTyped)
{
    if (isLow) {
        const std::string lowText = controls_.text(lowEdit);
        const std::string highText = controls_.text(highEdit);
        if (!lowText.empty() && lowText != highText)
            lowTyped = 1;
        if (numberOf(highText) < numberOf(lowText) || (!lowText.empty() && highText.empty()))
            writePairedEdit(highEdit, lowText);
    } else if (lowTyped == 0) {
        writePairedEdit(lowEdit, controls_.text(highEdit));
    }
    if (!controls_.text(isLow ? lowEdit : highEdit).empty())
        tellDamageUnusedWhileUnset(MeasuredRow::Dealt);
    judgeFamilyAndFloating();
    refresh();
}

// The other edit of a pair, written by a handler that refreshes when it is done:
// that edit's own handler runs (and refreshes) at once, but the list and the
// hint panel are filled by the last refresh only, as nothing shows them in
// between.
void CKestrelDlg::writePairedEdit(int edit, const std::string& text)
{
    ++displayHeld_;
    controls_.setText(edit, text);
    --displayHeld_;
}

// The dealt and received rows: the value narrows the monster's defense or attack.
void CKestrelDlg::onMeasuredDamageEdit(MeasuredRow row, int lowEdit, int highEdit, int box, bool isLow,
                                       std::int32_t& lowTyped)
{
    const bool received = row == MeasuredRow::Taken;
    std::int32_t v = 0, w = 0;
    if (isLow) {
        const std::string lowText = controls_.text(lowEdit);
        const std::string highText = controls_.text(highEdit);
        v = numberOf(lowText);
        w = numberOf(highText);
        if (!lowText.empty() && lowText != highText)
            lowTyped = 1;
        if (w < v || (!lowText.empty() && highText.empty())) {
            writePairedEdit(highEdit, lowText);  // the high value is never below the low value
            w = numberOf(controls_.text(highEdit));
        }
    } else {
        v = numberOf(controls_.text(highEdit));
        if (lowTyped == 0)
            writePairedEdit(lowEdit, controls_.text(highEdit));  // the low value follows
        w = numberOf(controls_.text(lowEdit));
    }
    const DamageEdit edit = isLow ? DamageEdit::Low : DamageEdit::High;
    noteDamageValue(state_, row, edit, v);

    if (!controls_.text(isLow ? lowEdit : highEdit).empty()) {
        const PlayerProfile* profile = currentProfile();
        const std::int32_t playerValue = profile ? (received ? profile->DEFENSE : profile->ATACK) : 0;
        narrowByDamage(state_, row, edit, playerValue, v, w, [this] { showRanges(); });
        controls_.setChecked(box, true);
        tellDamageUnusedWhileUnset(row);
        if (received)
            judgeFamilyAndFloating();
    } else {
        if (isLow)
            forgetRange(received);
        controls_.setChecked(box, false);
    }
    refresh();
}

// The first damage typed against an unset attack or defense says once per
// start why it narrows nothing.
void CKestrelDlg::tellDamageUnusedWhileUnset(MeasuredRow row)
{
    const PlayerProfile* profile = currentProfile();
    if (unsetDamageTold_ || profile == nullptr)
        return;
    if (!measuredAgainstUnset(row, row == MeasuredRow::Taken ? profile->DEFENSE : profile->ATACK))
        return;
    unsetDamageTold_ = true;
    tellNotice(Notice::UnsetProfile, sjis("攻撃力と守備力を「変更」で設定するまで、ダメージは絞り込みに使われません"));
}

// Nothing is known of the row's quantity any more: the display shows "?" at
// once rather than a range collapsed onto -1.
void CKestrelDlg::forgetRange(bool received)
{
    forgetMeasuredRange(state_, received ? MeasuredRow::Taken : MeasuredRow::Dealt);
}

// The ranges again from the values standing in the dealt and received edits,
// for the profile selected now: each row restarts from its low value's range
// and intersects it with its high value's, as a jump does. The next refresh
// shows them.
void CKestrelDlg::rangesFromEdits()
{
    const PlayerProfile* profile = currentProfile();
    for (const DamageRow& row : kRows) {
        if (!row.measured)
            continue;
        const std::string lowText = controls_.text(row.lowEdit);
        const bool received = row.kind == MeasuredRow::Taken;
        if (lowText.empty()) {
            forgetRange(received);
            continue;
        }
        const std::int32_t playerValue = profile ? (received ? profile->DEFENSE : profile->ATACK) : 0;
        // As a jump of the low value: restart from its range, then intersect
        // with the high value's.
        (received ? state_.takenLowJumped : state_.dealtLowJumped) = 1;
        narrowByDamage(state_, row.kind, DamageEdit::Low, playerValue, numberOf(lowText),
                       numberOf(controls_.text(row.highEdit)), [this] { showRanges(); });
    }
}

// A limit is set by a number above 0 and cleared by emptying the edit; the box
// is ticked with the limit but left to the player to untick.
void CKestrelDlg::onLimitEditChanged(int id)
{
    for (const LimitEdit& limit : kLimitEdits) {
        if (limit.edit != id)
            continue;
        const std::string text = controls_.text(id);
        std::int32_t& field = state_.*limit.field;
        if (text.empty())
            field = -1;
        if (const std::int32_t n = numberOf(text); n > 0)
            field = n;
        if (field != -1)
            controls_.setChecked(limit.box, true);
        refresh();
        return;
    }
}

}  // namespace kestrel::ui
