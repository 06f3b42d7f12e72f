#include "engine/damage_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace kestrel {
namespace {

constexpr std::int32_t kMax = INT32_MAX;
constexpr std::int32_t kMin = INT32_MIN;

TEST(ExpectedDamageRange, BranchesOfTheFormulaIncludingZeroDefense)
{
    struct Case { std::int32_t a, b, noDamage, min, max; };
    const Case cases[] = {{200, 150, 0, 57, 68}, {100, 180, 0, 0, 6},  // ratio 55.6 <= 57
                          {100, 200, 0, 0, 1},   {200, 150, 1, 0, 1},  // base 0; no damage
                          {100, 0, 0, 45, 55},   {0, 0, 0, 0, 1},    {-7, 0, 0, 0, 1},
                          {kMax, kMin, 0, 0, kMax / 16}};
    for (const Case& c : cases) {
        const DamageRange r = expectedDamageRange(c.a, c.b, c.noDamage);
        EXPECT_EQ(r.min, c.min) << c.a << " vs " << c.b;
        EXPECT_EQ(r.max, c.max) << c.a << " vs " << c.b;
    }
    EXPECT_NEAR(expectedDamageRange(200, 150, 1).ratio, 133.333f, 0.001f);
    EXPECT_NEAR(expectedDamageRange(100, 180, 0).ratio, 55.556f, 0.001f);
    EXPECT_TRUE(std::isinf(expectedDamageRange(100, 0, 0).ratio));
    EXPECT_TRUE(std::isnan(expectedDamageRange(0, 0, 0).ratio));
}

TEST(ComputeExpectedDamage, FillsBothDirectionsForLoadedRecordsOnly)
{
    auto catalogue = std::make_unique<Catalogue>();
    catalogue->monsterCount = 2;
    for (int i = 0; i < 3; ++i) {
        catalogue->monsterTable[i].attack = 200;
        catalogue->monsterTable[i].defense = 180;
    }
    catalogue->monsterTable[1].metal = 1;
    computeExpectedDamage(*catalogue, 100, 150);
    const MonsterRecord* t = catalogue->monsterTable.data();
    EXPECT_EQ(t[0].takenMin, 57);  // monster attack 200 against player defense 150
    EXPECT_EQ(t[0].takenMax, 68);
    EXPECT_NEAR(t[0].takenRatio, 133.333f, 0.001f);
    EXPECT_EQ(t[0].dealtMax, 6);  // player attack 100 against monster defense 180
    EXPECT_NEAR(t[0].dealtRatio, 55.556f, 0.001f);
    EXPECT_EQ(t[1].takenMax, 68);  // metal protects only the monster
    EXPECT_EQ(t[1].dealtMax, 1);
    EXPECT_EQ(t[2].takenMax, 0);

    catalogue->monsterCount = -5;  // a broken count must not reach past the table
    computeExpectedDamage(*catalogue, kMax, kMin);
    catalogue->monsterCount = 5000;
    computeExpectedDamage(*catalogue, kMin, kMax);
    EXPECT_EQ(t[kMaxMonsters - 1].dealtMax, 1);
}

TEST(BackwardRanges, AttackAndDefenseFromOneDamageValue)
{
    ObservationState s;
    struct Taken { std::int32_t defense, damage, low, high; };
    for (const Taken& c : {Taken{100, 20, 82, 98}, Taken{100, 2, 0, 56}, Taken{100, 3, 52, 60},
                           Taken{100, 1, 0, 50}}) {
        attackFromTakenDamage(s, c.defense, c.damage);
        EXPECT_EQ(s.lastAttackLow, c.low) << c.damage;
        EXPECT_EQ(s.lastAttackHigh, c.high) << c.damage;
    }
    struct Dealt { std::int32_t attack, damage, low, high, bonusLow, bonusHigh; };
    for (const Dealt& c : {Dealt{200, 40, 228, 252, 244, 292}, Dealt{200, 12, 350, 9999, 350, 9999},
                           Dealt{200, 13, 344, 352, 352, 368}, Dealt{200, 1, 400, 9999, 400, 9999}}) {
        defenseFromDealtDamage(s, c.attack, c.damage);
        EXPECT_EQ(s.lastDefenseLow, c.low) << c.damage;
        EXPECT_EQ(s.lastDefenseHigh, c.high) << c.damage;
        EXPECT_EQ(s.lastBonusDefenseLow, c.bonusLow) << c.damage;
        EXPECT_EQ(s.lastBonusDefenseHigh, c.bonusHigh) << c.damage;
    }
}

TEST(BackwardRanges, HugeValuesWrapOrClampWithoutFault)
{
    ObservationState s;
    defenseFromDealtDamage(s, kMax, 2);  // attack / 0.57 is clamped
    EXPECT_EQ(s.lastDefenseLow, kMax);
    defenseFromDealtDamage(s, kMax, 1);  // 2 x attack wraps as in 32 bits
    EXPECT_EQ(s.lastDefenseLow, -2);
    for (std::int32_t v : {kMin, -1000, -1, 0, 2, 300, kMax - 1, kMax}) {
        for (std::int32_t w : {kMin, -1, 0, 1, 2, 1000, kMax}) {
            attackFromTakenDamage(s, v, w);
            defenseFromDealtDamage(s, v, w);
            const DamageRange r = expectedDamageRange(v, w, 0);
            EXPECT_TRUE(v < 0 || r.min <= r.max) << v << " vs " << w;  // a / 16 < 0 for v < 0
        }
    }
}

}  // namespace
}  // namespace kestrel
