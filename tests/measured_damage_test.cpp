// A typed damage value reaching the range model: the jump rule per edit and the
// restart after a jump, for the dealt and the received row.

#include "engine/measured_damage.h"
#include "engine/damage_model.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

using namespace kestrel;

namespace {

// The low end of the row's range each time the ranges are shown.
std::vector<std::int32_t> shownLows(ObservationState& s, MeasuredRow row, DamageEdit edit, std::int32_t value,
                                    std::int32_t other)
{
    std::vector<std::int32_t> shown;
    noteDamageValue(s, row, edit, value);
    narrowByDamage(s, row, edit, 200, value, other,
                   [&] { shown.push_back(row == MeasuredRow::Dealt ? s.lastDefenseLow : s.lastAttackLow); });
    return shown;
}

std::int32_t defenseLowOf(std::int32_t damage)
{
    ObservationState s;
    defenseFromDealtDamage(s, 200, damage);
    return s.lastDefenseLow;
}

}  // namespace

TEST(MeasuredDamage, OnlyAJumpOfMoreThanOneFromTheSameEditRestartsTheRange)
{
    for (MeasuredRow row : {MeasuredRow::Dealt, MeasuredRow::Taken}) {
        ObservationState s;
        EXPECT_TRUE(shownLows(s, row, DamageEdit::Low, 60, 60).empty());   // the edit's first value
        EXPECT_TRUE(shownLows(s, row, DamageEdit::High, 64, 60).empty());  // the other edit's first value
        EXPECT_TRUE(shownLows(s, row, DamageEdit::Low, 61, 64).empty());   // one away
        EXPECT_TRUE(shownLows(s, row, DamageEdit::Low, 60, 64).empty());
        EXPECT_EQ(shownLows(s, row, DamageEdit::High, 66, 60).size(), 2u);  // two away from 64
        EXPECT_EQ(std::tuple(s.prevDealtLow == 60 || row == MeasuredRow::Taken,
                             s.prevTakenHigh == 66 || row == MeasuredRow::Dealt),
                  std::tuple(true, true));
    }
    // After a jump the range shown first is the new value's, then the other edit's narrows it.
    ObservationState s;
    shownLows(s, MeasuredRow::Dealt, DamageEdit::High, 40, 40);
    EXPECT_EQ(shownLows(s, MeasuredRow::Dealt, DamageEdit::High, 50, 40),
              (std::vector<std::int32_t>{defenseLowOf(50), defenseLowOf(40)}));
    // The extremes are a jump without overflowing; a first value keeps the flag it finds.
    shownLows(s, MeasuredRow::Dealt, DamageEdit::Low, INT_MAX, INT_MAX);
    EXPECT_EQ(shownLows(s, MeasuredRow::Dealt, DamageEdit::Low, INT_MIN, 0).size(), 2u);
    ObservationState fresh;
    fresh.takenLowJumped = 1;
    EXPECT_EQ(shownLows(fresh, MeasuredRow::Taken, DamageEdit::Low, 5, 9).size(), 2u);
}
