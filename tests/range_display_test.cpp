#include "engine/range_display.h"

#include "engine/damage_model.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace kestrel {
namespace {

#define STAR "\x81\x9A"   // ★
#define TILDE "\x81\x60"  // ～
#define ABOUT "\x96\xF1"  // 約

// The five texts of one row, joined by '|'.
std::string joined(const RangeTexts& t)
{
    return t.low + "|" + t.separator + "|" + t.high + "|" + t.average + "|" + t.percentage;
}

// The attack texts after one update with the given last attack range.
std::string attackAfter(ObservationState& s, std::int32_t lastLow, std::int32_t lastHigh)
{
    s.lastAttackLow = lastLow, s.lastAttackHigh = lastHigh;
    return joined(updateRangeDisplay(s).attack);
}

TEST(RangeDisplay, UnknownFirstThenIntersectedAndRestartedOnJump)
{
    ObservationState s;
    EXPECT_EQ(joined(updateRangeDisplay(s).defense), "?|" TILDE "|?||");
    EXPECT_EQ(attackAfter(s, 82, 98), "?|" TILDE "|?||");
    EXPECT_EQ(attackAfter(s, 82, 98), "82|" TILDE "|98|Ave.90|(50%)");
    EXPECT_EQ(attackAfter(s, 90, 110), "90|" TILDE "|98|Ave.94|(86%)");
    // A jump restarts from the new range; its low is still compared with the old high.
    s.takenLowJumped = s.dealtHighJumped = 1;
    EXPECT_EQ(attackAfter(s, 118, 142), STAR "||" ABOUT "130||(50%)");
    EXPECT_EQ(s.takenLowJumped + s.takenHighJumped + s.dealtLowJumped + s.dealtHighJumped, 0);
    EXPECT_EQ(attackAfter(s, 118, 142), "118|" TILDE "|142|Ave.130|(50%)");
    EXPECT_EQ(attackAfter(s, 82, 98), STAR "||" ABOUT "108||(116%)");  // crossed: above 100
    EXPECT_EQ(std::tuple(s.attackLow, s.attackHigh, s.attackSpanLow, s.attackSpanHigh), std::tuple(118, 98, 82, 142));
    // The defense rows restart only on a dealt-damage jump.
    s.defenseLow = s.defenseSpanLow = 300, s.defenseHigh = s.defenseSpanHigh = 400;
    s.lastDefenseLow = 200, s.lastDefenseHigh = 500, s.takenHighJumped = 1;
    EXPECT_EQ(joined(updateRangeDisplay(s).defense), "300|" TILDE "|400|Ave.350|(84%)");
    s.dealtLowJumped = 1;
    EXPECT_EQ(joined(updateRangeDisplay(s).defense), "200|" TILDE "|500|Ave.350|(50%)");
}

TEST(RangeDisplay, CollapseNinetyNineRuleAverageCapAndUnboundedDefense)
{
    struct Case {
        std::int32_t lo, hi, spanLo, spanHi, lastLo, lastHi, jump;
        const char* texts;
    };
    const Case cases[] = {
        {100, 110, 100, 110, 110, 120, 0, STAR "||" ABOUT "110||(100%)"},    // meeting
        {100, 110, 100, 110, 80, 80, 1, STAR "||" ABOUT "80||(0%)"},         // restarted to one value: no span
        {100, 101, 0, 200, 100, 101, 0, "100|" TILDE "|101|Ave.100|(99%)"},  // narrow but not one value
        {1500, 1700, 1500, 1700, 1500, 1700, 0, "1500|" TILDE "|1700|Ave.999|(50%)"},
        {1500, 1700, 1500, 1700, 1600, 1600, 0, STAR "||" ABOUT "999||(100%)"},
    };
    for (const Case& c : cases) {
        ObservationState s;
        s.attackLow = c.lo, s.attackHigh = c.hi, s.attackSpanLow = c.spanLo, s.attackSpanHigh = c.spanHi;
        s.takenHighJumped = c.jump;
        EXPECT_EQ(attackAfter(s, c.lastLo, c.lastHi), c.texts) << c.lo << " " << c.lastLo;
    }

    ObservationState s;
    defenseFromDealtDamage(s, 200, 12), updateRangeDisplay(s);  // 350 to unbounded, shown from the second update
    const RangeDisplay d = updateRangeDisplay(s);
    EXPECT_EQ(joined(d.defense), "350|" TILDE "|9999||");
    EXPECT_EQ(joined(d.bonusDefense), "350|" TILDE "|9999||");
    s.defenseLow = 12000;  // collapsed at 9999: the average is not capped
    EXPECT_EQ(joined(updateRangeDisplay(s).defense), STAR "||" ABOUT "10999||");

    // Extreme bounds stay defined.
    s.attackLow = 1 << 30, s.attackHigh = 0, s.attackSpanLow = 1, s.attackSpanHigh = 0;  // x 50 wraps, span -1
    EXPECT_TRUE(attackAfter(s, 1 << 30, 0).starts_with(STAR "||" ABOUT "999|"));
    for (std::int32_t v : {INT32_MIN, -1, 0, 9999, INT32_MAX}) {
        s.attackLow = v, s.attackHigh = ~v, s.attackSpanLow = INT32_MAX, s.attackSpanHigh = INT32_MIN;
        s.defenseLow = s.defenseHigh = s.defenseSpanHigh = v, s.defenseSpanLow = ~v;
        s.lastDefenseLow = INT32_MAX, s.lastDefenseHigh = INT32_MIN;
        attackAfter(s, INT32_MIN, v), attackAfter(s, v, INT32_MAX);
    }
}

}  // namespace
}  // namespace kestrel
