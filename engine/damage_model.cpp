#include "engine/damage_model.h"

#include "engine/int32_arith.h"

#include <algorithm>
#include <limits>

namespace kestrel {

namespace {

// Single-precision constants of the formula: 1.89999998 and 0.800000012.
constexpr float kSpreadOffset = 1.9f;
constexpr float kMaxOffset = 0.8f;
constexpr float kSlowRatio = 57.0f;
constexpr double kDefenseFactor = 0.57;

// What a / 0 x 100 gives in IEEE arithmetic, without dividing by zero.
float zeroDefenseRatio(float a)
{
    if (a > 0.0f) {
        return std::numeric_limits<float>::infinity();
    }
    if (a < 0.0f) {
        return -std::numeric_limits<float>::infinity();
    }
    return std::numeric_limits<float>::quiet_NaN();
}

}  // namespace

DamageRange expectedDamageRange(std::int32_t attack, std::int32_t defense, std::int32_t noDamage)
{
    // Every step is single precision. A zero defense is not special: the ratio
    // becomes infinite (or NaN for 0 / 0) and the comparisons decide; every value
    // truncated to an integer below is finite.
    const float a = static_cast<float>(attack);
    const float b = static_cast<float>(defense);
    DamageRange range{};
    range.ratio = defense != 0 ? a / b * 100.0f : zeroDefenseRatio(a);
    const float base = a * 0.5f - b * 0.25f;

    if (noDamage != 0 || base <= 0.0f) {
        range.min = 0;
        range.max = 1;
    } else if (range.ratio <= kSlowRatio) {
        range.min = 0;
        range.max = attack / 16;
    } else {
        const float spread = static_cast<float>(truncToInt32(base * 0.0625f + kSpreadOffset));
        range.min = truncToInt32(base - spread);
        range.max = truncToInt32(spread + base + kMaxOffset);
    }
    return range;
}

void computeExpectedDamage(Catalogue& catalogue, std::int32_t playerAttack, std::int32_t playerDefense)
{
    const int count = std::clamp(catalogue.monsterCount, 0, kMaxMonsters);
    for (int i = 0; i < count; ++i) {
        MonsterRecord& record = catalogue.monsterTable[static_cast<std::size_t>(i)];
        const DamageRange taken = expectedDamageRange(record.attack, playerDefense, 0);
        record.takenMin = taken.min;
        record.takenMax = taken.max;
        record.takenRatio = taken.ratio;
        const DamageRange dealt = expectedDamageRange(playerAttack, record.defense, record.metal);
        record.dealtMin = dealt.min;
        record.dealtMax = dealt.max;
        record.dealtRatio = dealt.ratio;
    }
}

void attackFromTakenDamage(ObservationState& state, std::int32_t playerDefense, std::int32_t damage)
{
    const std::int32_t t = damage;
    if (t <= 1) {
        state.lastAttackLow = 0;
        state.lastAttackHigh = playerDefense / 2;
        return;
    }
    // The defense goes through single precision before the double multiplication,
    // so 100 x 0.57 is 56.99999999999999 and truncates to 56.
    const double x = static_cast<double>(static_cast<float>(playerDefense)) * kDefenseFactor;
    const std::int32_t threshold = truncToInt32(x / 10.0 * 0.5);
    if (t <= threshold) {
        state.lastAttackLow = 0;
        state.lastAttackHigh = truncToInt32(x);
        return;
    }
    const std::int32_t q = playerDefense / 4;
    const std::int32_t s = add32(mul32(t / 16, 2), 2);
    state.lastAttackLow = mul32(add32(sub32(q, s), t), 2);
    state.lastAttackHigh = mul32(add32(add32(s, q), t), 2);
}

void defenseFromDealtDamage(ObservationState& state, std::int32_t playerAttack, std::int32_t damage)
{
    const std::int32_t d = damage;
    if (d <= 1) {
        state.lastDefenseLow = state.lastBonusDefenseLow = mul32(playerAttack, 2);
        state.lastDefenseHigh = state.lastBonusDefenseHigh = kUnboundedDefense;
        return;
    }
    if (d <= playerAttack / 16) {
        const double low = static_cast<double>(static_cast<float>(playerAttack)) / kDefenseFactor;
        state.lastDefenseLow = state.lastBonusDefenseLow = truncToInt32(low);
        state.lastDefenseHigh = state.lastBonusDefenseHigh = kUnboundedDefense;
        return;
    }
    const std::int32_t h = playerAttack / 2;
    const std::int32_t s = add32(d / 16, 1);
    state.lastDefenseLow = mul32(sub32(sub32(h, s), d), 4);
    state.lastDefenseHigh = mul32(add32(sub32(h, d), s), 4);

    // A hit with the 1.2 bonus: the damage without the bonus, and a wider spread.
    const std::int32_t b = mul32(d, 100) / 120;
    const std::int32_t s2 = add32(mul32(b / 16, 2), 2);
    state.lastBonusDefenseLow = mul32(sub32(sub32(h, s2), b), 4);
    state.lastBonusDefenseHigh = mul32(add32(sub32(s2, b), h), 4);
}

}  // namespace kestrel
