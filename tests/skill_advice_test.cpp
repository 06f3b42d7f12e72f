// The assistant towards one candidate: the skill seen, further hits, and what
// still differs between the last candidates.

#include "catalogue/monster_loader.h"
#include "engine/candidate_filter.h"
#include "engine/damage_model.h"
#include "engine/differences.h"
#include "engine/elimination.h"
#include "engine/next_observation.h"
#include "engine/skill_answers.h"
#include "engine/text_search.h"
#include "support/monster_files.h"
#include "text/normaliser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace kestrel {
namespace {

// 痛恨の一撃, 逃げ出す, ためる, 仲間を呼ぶ
const std::string kA = testing::skillLabelText(2), kB = testing::skillLabelText(3), kC = testing::skillLabelText(4);
const std::string kCallFriends = "\x92\x87\x8a\xd4\x82\xf0\x8c\xc4\x82\xd4";

struct Table {
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    ObservationState state;
    FilterInputs inputs;

    // A candidate of class 1 with these skills (as the loader stores them).
    MonsterRecord& add(const std::string& name, const std::vector<std::string>& skills)
    {
        MonsterRecord& r = catalogue->monsterTable[catalogue->monsterCount++];
        std::strncpy(r.name, name.c_str(), sizeof r.name - 1);
        r.quizClass = 1;
        r.floating = 0, r.metal = 0, r.size = 0, r.mpDrain = 0, r.noAnger = 0, r.hp = 100, r.family = 1;
        r.skillCount = static_cast<std::int32_t>(skills.size());
        for (std::size_t k = 0; k < skills.size(); ++k) {
            std::strncpy(r.skills[k], skills[k].c_str(), kSkillSize - 1);
            normaliseText(r.skills[k], r.skillKeys[k], kSkillSize);
        }
        return r;
    }
    Elimination eliminate() { return explainElimination(*catalogue, state, inputs); }
    std::vector<Advice> advise(const Elimination& e) { return adviseNextObservation({*catalogue, state, inputs, e}); }
};

const Advice* find(const std::vector<Advice>& advice, Observation o)
{
    for (const Advice& a : advice)
        if (a.observation == o)
            return &a;
    return nullptr;
}

std::int32_t countOf(const Advice& a, const std::string& skill)
{
    for (const SkillCount& s : a.skills)
        if (s.text == skill)
            return s.count;
    return -1;
}

TEST(SkillSeen, HandWorkedExpectations)
{
    {
        // {A, B}, {A}, {C}: n_A = 2, n_B = 1, n_C = 1. K_1 = {A, B} reaches
        // (2 + 1) / 2 = 1.5, K_2 = {A} reaches 2, K_3 = {C} reaches 1;
        // E = (1.5 + 2 + 1) / 3 = 1.5.
        Table t;
        t.add("P", {kA, kB}), t.add("Q", {kA}), t.add("R", {kC});
        const std::vector<Advice> advice = t.advise(t.eliminate());
        const Advice* skill = find(advice, Observation::skill);
        ASSERT_NE(skill, nullptr);
        EXPECT_DOUBLE_EQ(skill->expectedRemaining, 1.5);
        EXPECT_EQ(countOf(*skill, kA), 2);
        EXPECT_EQ(countOf(*skill, kB), 1);
        EXPECT_EQ(countOf(*skill, kC), 1);
        // Nearest to half of three first: A (2), then B and C (1) as first met.
        EXPECT_EQ(skill->skills.front().text, kA);
    }
    {
        // 仲間を呼ぶ gets each monster's name from the loader; typed, it is one
        // answer that keeps both: {仲間を呼ぶ(P)}, {仲間を呼ぶ(Q), A}, {C}.
        // n_call = 2, n_A = 1, n_C = 1: K_1 = {call} reaches 2, K_2 = {call, A}
        // (2 + 1) / 2 = 1.5, K_3 = {C} 1; E = (2 + 1.5 + 1) / 3 = 1.5.
        Table t;
        t.add("P", {kCallFriends + "(P)"}), t.add("Q", {kCallFriends + "(Q)", kA}), t.add("R", {kC});
        const std::vector<Advice> advice = t.advise(t.eliminate());
        const Advice* skill = find(advice, Observation::skill);
        ASSERT_NE(skill, nullptr);
        EXPECT_EQ(skill->skills.size(), 3U);
        EXPECT_EQ(countOf(*skill, kCallFriends), 2);
        EXPECT_DOUBLE_EQ(skill->expectedRemaining, 1.5);
    }
    {
        // A record without skills takes no part in N': {A}, {B}, {}: K_1 = {A}
        // reaches 1, K_2 = {B} reaches 1; E = (1 + 1) / 2 = 1.
        Table t;
        t.add("P", {kA}), t.add("Q", {kB}), t.add("R", {});
        const std::vector<Advice> advice = t.advise(t.eliminate());
        const Advice* skill = find(advice, Observation::skill);
        ASSERT_NE(skill, nullptr);
        EXPECT_DOUBLE_EQ(skill->expectedRemaining, 1.0);
    }
    {
        // Every candidate has every skill: a skill seen keeps all, no advice;
        // nor with the search already full.
        Table t;
        t.add("P", {kA}), t.add("Q", {kA});
        EXPECT_EQ(find(t.advise(t.eliminate()), Observation::skill), nullptr);  // only compared with null
        Table full;
        full.add("P", {kA}), full.add("Q", {kB});
        full.state.search.searchWordCount = kMaxSearchWords;
        EXPECT_EQ(find(full.advise(full.eliminate()), Observation::skill), nullptr);
    }
}

TEST(FurtherHits, TheTypedPairWidensToTheNewHit)
{
    // Dealt intervals [10, 20], [15, 30], [18, 25]; the pair 18-20 holds all
    // three. n_d: 10-14 one, 15-17 two, 18-20 three, 21-25 two, 26-30 one.
    // Sums: [10, 20] 5*1 + 3*2 + 3*3 = 20 over 11 answers, [15, 30]
    // 3*2 + 3*3 + 5*2 + 5*1 = 30 over 16, [18, 25] 3*3 + 5*2 = 19 over 8.
    Table t;
    const int ends[3][2] = {{10, 20}, {15, 30}, {18, 25}};
    for (const auto& e : ends) {
        MonsterRecord& r = t.add(std::string(1, static_cast<char>('P' + (&e - ends))), {});
        r.defense = 50, r.dealtMin = e[0], r.dealtMax = e[1];
    }
    t.inputs.dealtDamage = true, t.inputs.dealtLow = 18, t.inputs.dealtHigh = 20;
    const Elimination e = t.eliminate();
    ASSERT_EQ(e.candidates.size(), 3U);
    const std::vector<Advice> advice = t.advise(e);
    const Advice* hit = find(advice, Observation::dealtDamage);
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit->repeated);
    EXPECT_NEAR(hit->expectedRemaining, (20.0 / 11 + 30.0 / 16 + 19.0 / 8) / 3, 1e-12);
    // At the pair's edges and just past them the widened pair keeps what the
    // intervals say.
    const std::pair<int, std::int32_t> hits[] = {{9, 0}, {10, 1}, {17, 2}, {18, 3}, {20, 3}, {21, 2}, {30, 1}, {31, 0}};
    for (const auto& [d, kept] : hits) {
        t.inputs.dealtLow = std::min(18, d), t.inputs.dealtHigh = std::max(20, d);
        EXPECT_EQ(static_cast<std::int32_t>(t.eliminate().candidates.size()), kept) << d;
    }
    // One candidate's interval holds all the others: no hit helps, none advised.
    Table same;
    for (int k = 0; k < 2; ++k) {
        MonsterRecord& r = same.add(k == 0 ? "P" : "Q", {});
        r.defense = 50, r.dealtMin = 10, r.dealtMax = 20;
    }
    same.inputs.dealtDamage = true, same.inputs.dealtLow = same.inputs.dealtHigh = 15;
    EXPECT_EQ(find(same.advise(same.eliminate()), Observation::dealtDamage), nullptr);
}

// Every skill answer keeps what refresh keeps with the skill added to the
// search, and every further hit what it keeps with the pair widened.
TEST(SkillSeen, CountsAreThoseOfTheFilter)
{
    auto catalogue = std::make_unique<Catalogue>();
    std::mt19937 rng(19);
    int skillAnswers = 0, hitAnswers = 0;
    for (unsigned file = 1; file <= 6; ++file) {
        loadMonsterBytes(*catalogue, testing::generatedExtendedFile(60, file), "random.csv", {});
        computeExpectedDamage(*catalogue, 150 + 10 * static_cast<int>(file), 140);
        for (int i = 0; i < catalogue->monsterCount; i += 7) {  // short skills inside longer ones, 仲間を呼ぶ
            MonsterRecord& r = catalogue->monsterTable[i];
            const std::string extra = i % 2 ? kCallFriends + "(" + r.name + ")" : std::string("\x83\x7d\x83\x7a");
            if (r.skillCount < kMaxSkills) {
                std::strncpy(r.skills[r.skillCount], extra.c_str(), kSkillSize - 1);
                normaliseText(r.skills[r.skillCount], r.skillKeys[r.skillCount], kSkillSize);
                ++r.skillCount;
            }
        }
        for (int round = 0; round < 20; ++round) {
            ObservationState state;
            FilterInputs inputs;
            state.currentClass = 1 + round % 4;
            inputs.searchText = round % 3 == 0 ? testing::skillLabelText(round % 16) : "";
            inputs.textSearch = !inputs.searchText.empty();
            inputs.dealtDamage = round % 2 == 0;
            inputs.dealtLow = 20 + round, inputs.dealtHigh = 24 + round;
            splitSearchText(state.search, inputs.searchText);
            normaliseSearchWords(state.search);
            const Elimination e = explainElimination(*catalogue, state, inputs);
            const SkillAnswers found = collectSkillAnswers(*catalogue, e.candidates);
            for (const SkillAnswer& a : found.answers) {
                ObservationState s2 = state;
                FilterInputs in2 = inputs;
                in2.searchText = inputs.searchText.empty() ? a.text : inputs.searchText + " " + a.text;
                in2.textSearch = true;
                splitSearchText(s2.search, in2.searchText);
                normaliseSearchWords(s2.search);
                refresh(*catalogue, s2, in2);
                ASSERT_EQ(a.kept, s2.candidateCount) << "file " << file << " round " << round;
                ++skillAnswers;
            }
            if (!inputs.dealtDamage || e.candidates.empty())
                continue;
            for (std::int32_t d = 0; d < 200; d += 3) {
                FilterInputs in2 = inputs;
                in2.dealtLow = std::min(inputs.dealtLow, d), in2.dealtHigh = std::max(inputs.dealtHigh, d);
                ObservationState s2 = state;
                refresh(*catalogue, s2, in2);
                std::int32_t kept = 0;
                for (std::int32_t i : e.candidates)
                    kept +=
                        intervalKeeps(dealtInterval(catalogue->monsterTable[static_cast<std::size_t>(i)], inputs), d);
                ASSERT_EQ(kept, s2.candidateCount) << "file " << file << " round " << round << " hit " << d;
                ++hitAnswers;
            }
        }
    }
    EXPECT_GT(skillAnswers, 500);
    EXPECT_GT(hitAnswers, 500);
}

TEST(Differences, OnHandMadeSets)
{
    Table t;
    MonsterRecord& p = t.add("P", {kA, kB});
    MonsterRecord& q = t.add("Q", {kA});
    MonsterRecord& r = t.add("R", {kA, kC});
    p.floating = 1, q.floating = -1, r.floating = 0;  // floats, may or may not, does not
    p.family = 3, q.family = 3 | kUncertainFamily, r.family = 3;
    p.hp = 100, q.hp = -1, r.hp = 100;
    p.defense = q.defense = r.defense = 50;
    p.dealtMin = 10, p.dealtMax = 20, q.dealtMin = 10, q.dealtMax = 20, r.dealtMin = 11, r.dealtMax = 20;
    const Elimination e = t.eliminate();
    const Differences d = findDifferences({*t.catalogue, t.state, t.inputs, e});
    ASSERT_EQ(d.traits.size(), 2U);  // family and HP: the known values agree
    EXPECT_EQ(d.traits[0].trait, Trait::floating);
    EXPECT_FALSE(d.traits[0].values[1].known);
    EXPECT_EQ(d.traits[1].trait, Trait::dealtDamage);
    EXPECT_EQ(d.traits[1].values[2].low, 11);
    // A is everyone's: B and C only, each held by one.
    ASSERT_EQ(d.skills.size(), 2U);
    EXPECT_EQ(d.skills[0].text, kB);
    EXPECT_EQ(d.skills[0].has, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(d.skills[1].has, (std::vector<bool>{false, false, true}));

    // Nothing the fight shows tells two twins apart.
    Table twins;
    twins.add("P", {kA}), twins.add("Q", {kA});
    const Elimination both = twins.eliminate();
    EXPECT_TRUE(findDifferences({*twins.catalogue, twins.state, twins.inputs, both}).nothingDiffers());
    EXPECT_TRUE(twins.advise(both).empty());
}

}  // namespace
}  // namespace kestrel
