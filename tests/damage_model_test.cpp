#include "engine/damage_model.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <tuple>

namespace kestrel {
namespace {

constexpr std::int32_t kMax = INT32_MAX, kMin = INT32_MIN;

TEST(DamageModel, ForwardFormulaBranchesIncludingZeroDefense)
{
    // attack, defense, flag f -> min, max: ratio 55.6 <= 57; base 0; no damage; zero defense; base 16, spread 2.
    for (const auto& [a, b, f, min, max] : {std::tuple{200, 150, 0, 57, 68},
                                            {100, 180, 0, 0, 6},
                                            {100, 200, 0, 0, 1},
                                            {200, 150, 1, 0, 1},
                                            {100, 0, 0, 45, 55},
                                            {0, 0, 0, 0, 1},
                                            {100, 136, 0, 14, 18},
                                            {kMax, kMin, 0, 0, kMax / 16}}) {
        const DamageRange r = expectedDamageRange(a, b, f);
        EXPECT_EQ(std::tuple(r.min, r.max), std::tuple(min, max)) << a << " vs " << b;
    }
    EXPECT_TRUE(std::isinf(expectedDamageRange(100, 0, 0).ratio));
    EXPECT_TRUE(std::isnan(expectedDamageRange(0, 0, 0).ratio));

    auto catalogue = std::make_unique<Catalogue>();
    MonsterRecord* t = catalogue->monsterTable.data();
    for (int i = 0; i < 3; ++i)
        t[i].attack = 200, t[i].defense = 180, t[i].metal = i == 1;
    catalogue->monsterCount = 2;  // the third record is not loaded
    computeExpectedDamage(*catalogue, 100, 150);
    EXPECT_EQ(std::tuple(t[0].takenMin, t[0].takenMax, t[0].dealtMin, t[0].dealtMax), std::tuple(57, 68, 0, 6));
    EXPECT_NEAR(t[0].takenRatio, 133.333f, 0.001f);
    EXPECT_NEAR(t[0].dealtRatio, 55.556f, 0.001f);
    EXPECT_EQ(std::tuple(t[1].takenMax, t[1].dealtMax, t[2].takenMax), std::tuple(68, 1, 0));  // metal; not loaded
    for (int count : {-5, 5000})  // a broken count must not reach past the table
        catalogue->monsterCount = count, computeExpectedDamage(*catalogue, kMin, kMax);
    EXPECT_EQ(t[kMaxMonsters - 1].dealtMax, 1);
}

TEST(DamageModel, BackwardRangesFromOneDamageValue)
{
    ObservationState s;
    for (const auto& [damage, low, high] : {std::tuple{20, 82, 98}, {2, 0, 56}, {3, 52, 60}, {1, 0, 50}}) {
        attackFromTakenDamage(s, 100, damage);
        EXPECT_EQ(std::tuple(s.lastAttackLow, s.lastAttackHigh), std::tuple(low, high)) << damage;
    }
    for (const auto& [damage, ranges] : {std::tuple{40, std::array{228, 252, 244, 292}},
                                         {12, {350, 9999, 350, 9999}},
                                         {13, {344, 352, 352, 368}},
                                         {1, {400, 9999, 400, 9999}}}) {
        defenseFromDealtDamage(s, 200, damage);
        const std::array got{s.lastDefenseLow, s.lastDefenseHigh, s.lastBonusDefenseLow, s.lastBonusDefenseHigh};
        EXPECT_EQ(got, ranges) << damage;
    }
    defenseFromDealtDamage(s, kMax, 2);  // attack / 0.57 is clamped
    EXPECT_EQ(s.lastDefenseLow, kMax);
    defenseFromDealtDamage(s, kMax, 1);  // 2 x attack wraps as in 32 bits
    EXPECT_EQ(s.lastDefenseLow, -2);
    for (std::int32_t v : {kMin, -1000, -1, 0, 2, 300, kMax - 1, kMax})
        for (std::int32_t w : {kMin, -1, 0, 1, 2, 1000, kMax}) {
            attackFromTakenDamage(s, v, w), defenseFromDealtDamage(s, v, w);
            const DamageRange r = expectedDamageRange(v, w, 0);
            EXPECT_TRUE(v < 0 || r.min <= r.max) << v << " vs " << w;  // a / 16 < 0 for v < 0
        }
}

}  // namespace
}  // namespace kestrel
