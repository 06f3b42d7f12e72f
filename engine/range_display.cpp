#include "engine/range_display.h"

#include "engine/int32_arith.h"

#include <algorithm>
#include <cstdio>

namespace kestrel {

namespace {

// Code page 932 texts of the range display.
constexpr const char* kUnknown = "?";
constexpr const char* kCollapsedMark = "\x81\x9A";  // ★
constexpr const char* kSeparator = "\x81\x60";      // ～
constexpr const char* kAboutFormat = "\x96\xF1%d";  // 約%d
constexpr const char* kAverageFormat = "Ave.%d";
constexpr const char* kPercentageFormat = "(%d%%)";
constexpr std::int32_t kMaxShownAverage = 999;

std::string format(const char* pattern, std::int32_t value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, static_cast<int>(value));
    return buffer;
}

// The fields of one displayed quantity.
struct Quantity {
    std::int32_t lastLow;
    std::int32_t lastHigh;
    std::int32_t& low;
    std::int32_t& high;
    std::int32_t& spanLow;
    std::int32_t& spanHigh;
    bool restart;
};

// How far the accumulated range has narrowed against the widest range seen:
// 50 when equal, above 100 once the bounds have crossed.
std::int32_t percentage(const Quantity& q)
{
    if (q.spanHigh == q.spanLow) {
        return 0;
    }
    return add32(div32(mul32(sub32(q.low, q.high), 50), sub32(q.spanHigh, q.spanLow)), 100);
}

// Low bound: the largest low seen since the restart. False while none is known.
bool accumulateLow(Quantity& q, RangeTexts& texts)
{
    if (q.low == -1) {
        q.low = q.spanLow = q.lastLow;
        texts.low = kUnknown;
        return false;
    }
    if (q.restart) {
        q.low = q.spanLow = q.lastLow;
    } else if (q.low < q.lastLow) {
        q.low = q.lastLow;
    } else if (q.lastLow < q.spanLow) {
        q.spanLow = q.lastLow;
    }
    texts.low = format("%d", q.low);
    return true;
}

// High bound: the smallest high seen since the restart. False while none is known.
bool accumulateHigh(Quantity& q, RangeTexts& texts)
{
    if (q.high == -1) {
        q.high = q.spanHigh = q.lastHigh;
        texts.high = kUnknown;
        return false;
    }
    if (q.restart) {
        q.high = q.spanHigh = q.lastHigh;
    } else if (q.lastHigh < q.high) {
        q.high = q.lastHigh;
    } else if (q.spanHigh < q.lastHigh) {
        q.spanHigh = q.lastHigh;
    }
    texts.high = format("%d", q.high);
    return true;
}

RangeTexts accumulate(Quantity q)
{
    RangeTexts texts;
    const bool lowKnown = accumulateLow(q, texts);
    bool collapsed = lowKnown && q.low >= q.high;  // against the high bound before this update
    const bool highKnown = accumulateHigh(q, texts);
    collapsed = collapsed || (highKnown && q.low >= q.high);

    // A collapsed range shows the average even with one bound unknown; the
    // bounds are as they now stand.
    std::int32_t average = add32(q.low, q.high) / 2;
    if (lowKnown && highKnown && q.high != kUnboundedDefense) {
        std::int32_t p = percentage(q);
        if (p == 100 && !collapsed) {
            p = 99;  // narrow, but not yet a single value
        }
        average = std::min(average, kMaxShownAverage);
        texts.average = format(kAverageFormat, average);
        texts.percentage = format(kPercentageFormat, p);
    }

    // The intersection has shrunk to a point or become empty.
    if (collapsed) {
        texts.low = kCollapsedMark;
        texts.separator.clear();
        texts.high = format(kAboutFormat, average);
        texts.average.clear();
    } else {
        texts.separator = kSeparator;
    }
    return texts;
}

}  // namespace

RangeDisplay updateRangeDisplay(ObservationState& state)
{
    const bool takenRestart = state.takenHighJumped != 0 || state.takenLowJumped != 0;
    const bool dealtRestart = state.dealtHighJumped != 0 || state.dealtLowJumped != 0;

    RangeDisplay display;
    display.attack = accumulate({state.lastAttackLow, state.lastAttackHigh, state.attackLow, state.attackHigh,
                                 state.attackSpanLow, state.attackSpanHigh, takenRestart});
    display.defense = accumulate({state.lastDefenseLow, state.lastDefenseHigh, state.defenseLow, state.defenseHigh,
                                  state.defenseSpanLow, state.defenseSpanHigh, dealtRestart});
    display.bonusDefense =
        accumulate({state.lastBonusDefenseLow, state.lastBonusDefenseHigh, state.bonusDefenseLow,
                    state.bonusDefenseHigh, state.bonusDefenseSpanLow, state.bonusDefenseSpanHigh, dealtRestart});

    state.dealtHighJumped = 0;
    state.dealtLowJumped = 0;
    state.takenHighJumped = 0;
    state.takenLowJumped = 0;
    return display;
}

}  // namespace kestrel
