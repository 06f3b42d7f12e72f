#include "engine/range_display.h"

#include "engine/damage_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrel {
namespace {

const std::string kStar = "\x81\x9A";   // ★
const std::string kTilde = "\x81\x60";  // ～
std::string about(int value) { return "\x96\xF1" + std::to_string(value); }  // 約

std::vector<std::string> texts(const RangeTexts& t)
{
    return {t.low, t.separator, t.high, t.average, t.percentage};
}
using Texts = std::vector<std::string>;

// Accumulated attack bounds and span, then one update with the given last range.
RangeTexts attackAfter(ObservationState& s, std::int32_t lastLow, std::int32_t lastHigh)
{
    s.lastAttackLow = lastLow;
    s.lastAttackHigh = lastHigh;
    return updateRangeDisplay(s).attack;
}
void setAttack(ObservationState& s, std::int32_t low, std::int32_t high, std::int32_t spanLow,
               std::int32_t spanHigh)
{
    s.attackLow = low, s.attackHigh = high, s.attackSpanLow = spanLow, s.attackSpanHigh = spanHigh;
}

TEST(RangeDisplay, UnknownFirstThenIntersectedAndRestartedOnJump)
{
    ObservationState s;
    const RangeDisplay first = updateRangeDisplay(s);
    EXPECT_EQ(texts(first.defense), (Texts{"?", kTilde, "?", "", ""}));
    EXPECT_EQ(texts(attackAfter(s, 82, 98)), (Texts{"?", kTilde, "?", "", ""}));
    EXPECT_EQ(texts(attackAfter(s, 82, 98)), (Texts{"82", kTilde, "98", "Ave.90", "(50%)"}));
    EXPECT_EQ(texts(attackAfter(s, 90, 110)), (Texts{"90", kTilde, "98", "Ave.94", "(86%)"}));
    EXPECT_EQ(s.attackSpanHigh, 110);

    // A jump restarts from the new range; its low is still compared with the old high.
    s.takenLowJumped = 1;
    s.dealtHighJumped = 1;
    EXPECT_EQ(texts(attackAfter(s, 118, 142)), (Texts{kStar, "", about(130), "", "(50%)"}));
    EXPECT_EQ(s.takenLowJumped + s.takenHighJumped + s.dealtLowJumped + s.dealtHighJumped, 0);
    EXPECT_EQ(texts(attackAfter(s, 118, 142)), (Texts{"118", kTilde, "142", "Ave.130", "(50%)"}));

    // The defense rows restart only on a dealt-damage jump.
    s.defenseLow = s.defenseSpanLow = 300;
    s.defenseHigh = s.defenseSpanHigh = 400;
    s.lastDefenseLow = 200, s.lastDefenseHigh = 500;
    s.takenHighJumped = 1;
    EXPECT_EQ(texts(updateRangeDisplay(s).defense), (Texts{"300", kTilde, "400", "Ave.350", "(84%)"}));
    s.dealtLowJumped = 1;
    EXPECT_EQ(texts(updateRangeDisplay(s).defense), (Texts{"200", kTilde, "500", "Ave.350", "(50%)"}));
}

TEST(RangeDisplay, CrossedOrMeetingBoundsCollapseKeepingThePercentage)
{
    ObservationState s;
    setAttack(s, 118, 142, 118, 142);  // then a range that does not overlap
    EXPECT_EQ(texts(attackAfter(s, 82, 98)), (Texts{kStar, "", about(108), "", "(116%)"}));
    EXPECT_EQ(s.attackLow, 118);
    EXPECT_EQ(s.attackHigh, 98);
    EXPECT_EQ(s.attackSpanLow, 82);
    EXPECT_EQ(s.attackSpanHigh, 142);

    setAttack(s, 100, 110, 100, 110);
    EXPECT_EQ(texts(attackAfter(s, 110, 120)), (Texts{kStar, "", about(110), "", "(100%)"}));
    s.takenHighJumped = 1;  // restart to a single value: no span, percentage 0
    EXPECT_EQ(texts(attackAfter(s, 80, 80)), (Texts{kStar, "", about(80), "", "(0%)"}));
}

TEST(RangeDisplay, NinetyNineRuleAverageCapAndUnboundedDefense)
{
    ObservationState s;
    setAttack(s, 100, 101, 0, 200);
    EXPECT_EQ(texts(attackAfter(s, 100, 101)), (Texts{"100", kTilde, "101", "Ave.100", "(99%)"}));
    setAttack(s, 1500, 1700, 1500, 1700);
    EXPECT_EQ(texts(attackAfter(s, 1500, 1700)), (Texts{"1500", kTilde, "1700", "Ave.999", "(50%)"}));
    EXPECT_EQ(texts(attackAfter(s, 1600, 1600)), (Texts{kStar, "", about(999), "", "(100%)"}));

    defenseFromDealtDamage(s, 200, 12);  // 350 to unbounded
    updateRangeDisplay(s);
    const RangeDisplay d = updateRangeDisplay(s);
    EXPECT_EQ(texts(d.defense), (Texts{"350", kTilde, "9999", "", ""}));
    EXPECT_EQ(texts(d.bonusDefense), (Texts{"350", kTilde, "9999", "", ""}));
    s.defenseLow = 12000;  // collapsed at 9999: the average is not capped
    EXPECT_EQ(texts(updateRangeDisplay(s).defense), (Texts{kStar, "", about(10999), "", ""}));
}

TEST(RangeDisplay, ExtremeBoundsStayDefined)
{
    ObservationState s;
    setAttack(s, 1 << 30, 0, 1, 0);  // (low - high) x 50 wraps to INT32_MIN, span is -1
    EXPECT_EQ(attackAfter(s, 1 << 30, 0).high, about(999));
    for (std::int32_t v : {INT32_MIN, -1, 0, 9999, INT32_MAX}) {
        setAttack(s, v, ~v, INT32_MAX, INT32_MIN);
        s.defenseLow = s.defenseHigh = s.defenseSpanHigh = v;
        s.defenseSpanLow = ~v;
        s.lastDefenseLow = INT32_MAX, s.lastDefenseHigh = INT32_MIN;
        attackAfter(s, INT32_MIN, v);
        attackAfter(s, v, INT32_MAX);
    }
}

}  // namespace
}  // namespace kestrel
