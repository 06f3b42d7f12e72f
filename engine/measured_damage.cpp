#include "engine/measured_damage.h"

#include "engine/damage_model.h"
#include "engine/profile_values.h"

namespace kestrel {

namespace {

std::int32_t& previousOf(ObservationState& s, MeasuredRow row, DamageEdit edit)
{
    if (row == MeasuredRow::Dealt)
        return edit == DamageEdit::Low ? s.prevDealtLow : s.prevDealtHigh;
    return edit == DamageEdit::Low ? s.prevTakenLow : s.prevTakenHigh;
}

std::int32_t& jumpedOf(ObservationState& s, MeasuredRow row, DamageEdit edit)
{
    if (row == MeasuredRow::Dealt)
        return edit == DamageEdit::Low ? s.dealtLowJumped : s.dealtHighJumped;
    return edit == DamageEdit::Low ? s.takenLowJumped : s.takenHighJumped;
}

void narrow(ObservationState& state, MeasuredRow row, std::int32_t playerValue, std::int32_t damage)
{
    if (row == MeasuredRow::Taken)
        attackFromTakenDamage(state, playerValue, damage);
    else
        defenseFromDealtDamage(state, playerValue, damage);
}

}  // namespace

void noteDamageValue(ObservationState& state, MeasuredRow row, DamageEdit edit, std::int32_t value)
{
    std::int32_t& previous = previousOf(state, row, edit);
    if (previous != -1) {
        const std::int64_t v = value, p = previous;
        jumpedOf(state, row, edit) = v < p - 1 || v > p + 1 ? 1 : 0;
    }
    previous = value;
}

bool measuredAgainstUnset(MeasuredRow row, std::int32_t playerValue)
{
    return row == MeasuredRow::Dealt ? playerAttackUnset(playerValue) : playerDefenseUnset(playerValue);
}

void forgetMeasuredRange(ObservationState& state, MeasuredRow row)
{
    if (row == MeasuredRow::Taken) {
        state.lastAttackLow = state.lastAttackHigh = -1;
        state.attackLow = state.attackHigh = -1;
        return;
    }
    state.lastDefenseLow = state.lastDefenseHigh = -1;
    state.lastBonusDefenseLow = state.lastBonusDefenseHigh = -1;
    state.defenseLow = state.defenseHigh = -1;
    state.bonusDefenseLow = state.bonusDefenseHigh = -1;
}

void narrowByDamage(ObservationState& state, MeasuredRow row, DamageEdit edit, std::int32_t playerValue,
                    std::int32_t value, std::int32_t otherValue, const std::function<void()>& showRanges)
{
    if (measuredAgainstUnset(row, playerValue)) {
        forgetMeasuredRange(state, row);
        return;
    }
    narrow(state, row, playerValue, value);
    if (jumpedOf(state, row, edit) == 1) {
        // Restart from this value's range, then intersect with the other edit's.
        showRanges();
        narrow(state, row, playerValue, otherValue);
        showRanges();
    }
}

}  // namespace kestrel
