// The answer check: its verdict, the facts the record contradicts, and the
// attack and defense values that the forward formula implies.

#include "engine/answer_check.h"

#include "engine/candidate_filter.h"
#include "engine/damage_model.h"
#include "engine/text_search.h"
#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <random>

namespace kestrel {
namespace {

using Intervals = std::vector<StatInterval>;

// A class-1 record that passes every observation the tests start from.
MonsterRecord plainRecord(const char* name)
{
    MonsterRecord r{};
    std::strcpy(r.name, name);
    std::strcpy(r.reading, name);
    r.quizClass = 1, r.family = 3, r.hp = 100, r.mp = 20, r.attack = 120, r.defense = 150, r.weight = 200;
    r.floating = 0, r.metal = 0, r.size = 0, r.mpDrain = 0, r.noAnger = 0;
    r.skillCount = 1;
    std::strcpy(r.skills[0], "FIRE");
    std::strcpy(r.skillKeys[0], "FIRE");
    return r;
}

struct Table {
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    ObservationState state;
    FilterInputs inputs;
    ProfileSides profile{200, 150};

    Table() { state.currentClass = 4; }
    void add(const MonsterRecord& r) { catalogue->monsterTable[catalogue->monsterCount++] = r; }
    AnswerCheck check(std::int32_t index)
    {
        computeExpectedDamage(*catalogue, profile.attack, profile.defense);
        splitSearchText(state.search, inputs.searchText);
        normaliseSearchWords(state.search);
        refresh(*catalogue, state, inputs);
        return checkAnswer(*catalogue, state, inputs, index, profile);
    }
};

TEST(ImpliedSets, WorkedByHand)
{
    MonsterRecord r = plainRecord("A");
    FilterInputs in;
    // Attack 200 against defense D: base = 100 - D/4, spread = trunc(base/16 + 1.9), damage from
    // trunc(base - spread) to trunc(base + spread + 0.8). 60 is kept from D = 133 (base 66.75,
    // spread 6: 60..73) to D = 183 (base 54.25, spread 5: 49..60); D = 132 gives 61..74, 184 gives 49..59.
    in.dealtDamage = true, in.dealtLow = in.dealtHigh = 60;
    EXPECT_EQ(impliedDefense(r, in, 200), (Intervals{{133, 183}}));
    // A spread of 2 widens the allowed damage by 2 on each side.
    r.dealtSpread = 2;
    EXPECT_EQ(impliedDefense(r, in, 200), (Intervals{{125, 191}}));
    // A pair must keep both ends: with the spread of 2, 58 needs a maximum of 56 or more and
    // a minimum of 60 or less, 62 a maximum of 60 or more and a minimum of 64 or less.
    in.dealtLow = 58, in.dealtHigh = 62;
    EXPECT_EQ(impliedDefense(r, in, 200), (Intervals{{133, 183}}));
    in.dealtLow = 50;  // 50 needs a minimum of 52 or less: D >= 165 (at 168: base 58, spread 5, minimum 53)
    EXPECT_EQ(impliedDefense(r, in, 200), (Intervals{{169, 183}}));

    // Received damage 1 against a player defense of 20. Attack A <= 10: base A/2 - 5 <= 0, damage
    // 0..1, kept. A = 11: ratio 55 <= 57, damage 0..A/16 = 0..0, removed. A = 12..19: the formula
    // proper, min trunc(base - spread) <= 2, whose 70 % truncated (-trunc(min x -0.7)) is at most 1.
    // A = 20: base 5, spread 2, min 3, and 70 % of 3 gives 2: removed, and so is every larger A.
    FilterInputs taken;
    taken.takenDamage = true, taken.takenLow = taken.takenHigh = 1;
    EXPECT_EQ(impliedAttack(r, taken, 20), (Intervals{{1, 10}, {12, 19}}));
    // Each orb level hides 2 points: typed 1 with orb level 1 is a damage of 3.
    taken.ORBUMLV = 1, taken.takenLow = taken.takenHigh = -1;
    EXPECT_EQ(impliedAttack(r, taken, 20), (Intervals{{1, 10}, {12, 19}}));

    // Nothing typed implies nothing; a metal record takes 0..1 whatever its defense.
    EXPECT_EQ(impliedAttack(r, FilterInputs{}, 150), (Intervals{{kImpliedStatMin, kImpliedStatMax}}));
    r.metal = 1, r.dealtSpread = 0, in.dealtLow = in.dealtHigh = 1;
    EXPECT_EQ(impliedDefense(r, in, 200), (Intervals{{kImpliedStatMin, kImpliedStatMax}}));
    in.dealtLow = in.dealtHigh = 2;
    EXPECT_EQ(impliedDefense(r, in, 200), Intervals{});

    EXPECT_TRUE(impliedContains({{1, 10}, {12, 19}}, 12));
    EXPECT_FALSE(impliedContains({{1, 10}, {12, 19}}, 11));
    EXPECT_TRUE(impliedContains({{400, kImpliedStatMax}}, 12000));  // open above
}

// Every value of an implied set, put into the record, makes the filter keep the
// typed values; the neighbours just outside each interval do not.
TEST(ImpliedSets, AgreeWithTheFilter)
{
    std::mt19937 random(20);
    Table t;
    t.add(plainRecord("A"));
    MonsterRecord& r = t.catalogue->monsterTable[0];
    int checked = 0;
    for (int round = 0; round < 60; ++round) {
        const bool dealt = round % 2 == 0;
        t.profile = {std::uniform_int_distribution(20, 600)(random), std::uniform_int_distribution(20, 600)(random)};
        t.inputs = {};
        r.dealtSpread = std::uniform_int_distribution(0, 3)(random);
        r.takenSpread = std::uniform_int_distribution(0, 3)(random);
        t.inputs.ORBUMLV = std::uniform_int_distribution(0, 3)(random);
        const std::int32_t side = dealt ? t.profile.attack : t.profile.defense;
        const std::int32_t low = std::uniform_int_distribution(0, side / 3)(random);
        const std::int32_t high = low + std::uniform_int_distribution(0, 4)(random);
        (dealt ? t.inputs.dealtDamage : t.inputs.takenDamage) = true;
        (dealt ? t.inputs.dealtLow : t.inputs.takenLow) = low;
        (dealt ? t.inputs.dealtHigh : t.inputs.takenHigh) = high;
        const Intervals implied =
            dealt ? impliedDefense(r, t.inputs, t.profile.attack) : impliedAttack(r, t.inputs, t.profile.defense);
        const auto kept = [&](std::int32_t v) {
            (dealt ? r.defense : r.attack) = v;
            computeExpectedDamage(*t.catalogue, t.profile.attack, t.profile.defense);
            refresh(*t.catalogue, t.state, t.inputs);
            return r.isCandidate == 1;
        };
        for (const StatInterval& i : implied) {
            for (std::int32_t v = i.first; v <= i.second && v < 2000; v += 1 + (i.second - i.first) / 40, ++checked)
                ASSERT_TRUE(kept(v)) << v;
            ASSERT_TRUE(kept(i.second));
            if (i.first > kImpliedStatMin) {
                ASSERT_FALSE(kept(i.first - 1)) << i.first - 1;
            }
            if (i.second < kImpliedStatMax) {
                ASSERT_FALSE(kept(i.second + 1)) << i.second + 1;
            }
        }
    }
    EXPECT_GT(checked, 200);
}

struct CriterionCase {
    const char* failed;
    std::function<void(Table&)> observe;
    const char* fact = "";  // "attribute observed recorded", or "" when no fact is contradicted
};

// One case per criterion: the answer fails that one, and the fact it contradicts says what.
TEST(AnswerCheck, NamesEachFailedCriterionAndTheContradictedFact)
{
    const std::vector<CriterionCase> cases = {
        {"floating", [](Table& t) { t.inputs.floating = true, t.state.observedFloating = 1; }, "floating yes no"},
        {"metal", [](Table& t) { t.inputs.metal = true, t.state.observedMetal = 1; }, "metal yes no"},
        {"size", [](Table& t) { t.inputs.size = true, t.state.observedSize = 1; }, "size big normal"},
        {"mpDrain", [](Table& t) { t.inputs.mpDrain = true, t.state.observedMpDrain = 1; }, "mpDrain yes no"},
        {"anger", [](Table& t) { t.inputs.anger = true, t.state.observedAnger = 2; }, "anger no yes"},
        // Weight 100: the heavy limit is 185.75, and the record weighs 200.
        {"push", [](Table& t) { t.inputs.push = true, t.state.observedPush = 0, t.inputs.WEIGHT = 100; },
         "push yes weight 200"},
        {"hpAtLeast", [](Table& t) { t.inputs.hpAtLeast = true, t.state.hpAtLeast = 101; }},
        {"hpAtMost", [](Table& t) { t.inputs.hpAtMost = true, t.state.hpAtMost = 99; }},
        {"mpAtLeast", [](Table& t) { t.inputs.mpAtLeast = true, t.state.mpAtLeast = 21; }},
        {"mpAtMost", [](Table& t) { t.inputs.mpAtMost = true, t.state.mpAtMost = 19; }},
        {"dealtDamage", [](Table& t) { t.inputs.dealtDamage = true, t.inputs.dealtLow = t.inputs.dealtHigh = 90; }},
        {"takenDamage", [](Table& t) { t.inputs.takenDamage = true, t.inputs.takenLow = t.inputs.takenHigh = 60; }},
        {"familyExclusion", [](Table& t) { t.inputs.familyExclusion = true, t.state.familyExcluded[3] = 1; },
         "family not 3 3"},
        {"familyConfirmation", [](Table& t) { t.inputs.familyConfirmation = true, t.state.familyConfirmed = 5; },
         "family 5 3"},
        {"name", [](Table& t) { t.inputs.searchText = "@B"; }},
        {"skill", [](Table& t) { t.inputs.textSearch = true, t.inputs.searchText = "FIRE ICE"; }, "skill ICE "},
        {"trivia", [](Table& t) { t.inputs.textSearch = true, t.inputs.searchText = "X", t.state.listLayout = 2; }},
    };
    for (const CriterionCase& c : cases) {
        Table t;
        t.add(plainRecord("B1"));
        t.add(plainRecord("A1"));
        c.observe(t);
        const AnswerCheck check = t.check(1);
        std::string facts;
        for (const FactContradiction& f : check.contradictions)
            facts += f.attribute + " " + f.observed + " " + f.recorded;
        EXPECT_EQ(std::tuple(check.index, check.wasCandidate, check.verdict.failedCount(), facts),
                  std::tuple(1, false, 1, std::string(c.fact)))
            << c.failed;
        EXPECT_STREQ(criterionName(static_cast<Criterion>(std::countr_zero(check.verdict.failed))), c.failed);
    }
}

TEST(AnswerCheck, ReportsTheDamageAllowedAndWhatItImplies)
{
    Table t;
    t.add(plainRecord("A"));
    t.inputs.dealtDamage = true, t.inputs.dealtLow = t.inputs.dealtHigh = 60;  // defense 150 allows 57..68
    t.inputs.takenDamage = true, t.inputs.takenLow = t.inputs.takenHigh = 20;  // attack 120 allows 13..26
    AnswerCheck check = t.check(0);
    EXPECT_TRUE(check.wasCandidate);
    EXPECT_EQ(std::tuple(check.defense.fileValue, check.defense.known, check.defense.inside, check.defense.implied),
              std::tuple(150, true, true, Intervals{{133, 183}}));
    EXPECT_TRUE(check.attack.inside);

    t.catalogue->monsterTable[0].defense = 200;  // allows 45..55 (base 50, spread 5)
    check = t.check(0);
    EXPECT_EQ(std::tuple(check.wasCandidate, check.verdict.fails(Criterion::dealtDamage), check.verdict.dealt.low,
                         check.verdict.dealt.high, check.defense.inside),
              std::tuple(false, true, 45, 55, false));

    // An unset profile side or an unknown file value knows nothing to compare.
    t.profile.attack = 0;
    check = t.check(0);
    EXPECT_EQ(std::tuple(check.defense.known, check.defense.implied.empty()), std::tuple(false, true));
    t.profile.attack = 200;
    t.catalogue->monsterTable[0].defense = -1;
    check = t.check(0);
    EXPECT_EQ(std::tuple(check.defense.known, check.defense.inside, check.defense.implied),
              std::tuple(false, false, Intervals{{133, 183}}));
}

TEST(AnswerCheck, AnswerAboveTheQuizClassIsJudgedButNoCandidate)
{
    Table t;
    MonsterRecord r = plainRecord("A");
    r.quizClass = 3;
    t.add(r);
    t.state.currentClass = 2;
    t.inputs.metal = true, t.state.observedMetal = 1;
    const AnswerCheck check = t.check(0);
    EXPECT_EQ(std::tuple(check.wasCandidate, check.verdict.failedCount(), check.verdict.fails(Criterion::metal)),
              std::tuple(false, 1, true));
    EXPECT_EQ(t.check(5).index, -1);
    EXPECT_EQ(t.check(-1).index, -1);
}

TEST(AnswerCheck, FindsTheAnswerByExactNameThenByBeginning)
{
    Table t;
    const std::string king = utf8ToCp932("スライムキング"), slime = utf8ToCp932("スライム");
    t.add(plainRecord(king.c_str()));
    t.add(plainRecord(slime.c_str()));
    t.add(plainRecord("BAT"));
    EXPECT_EQ(findAnswer(*t.catalogue, slime), 1);                  // the exact name before an earlier beginning
    EXPECT_EQ(findAnswer(*t.catalogue, utf8ToCp932("スラ")), 0);    // first in table order
    EXPECT_EQ(findAnswer(*t.catalogue, utf8ToCp932("すらい")), 0);  // as the @name search normalises
    EXPECT_EQ(findAnswer(*t.catalogue, "DOG"), -1);
    EXPECT_EQ(findAnswer(*t.catalogue, ""), -1);
}

}  // namespace
}  // namespace kestrel
