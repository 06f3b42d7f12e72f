#include "engine/candidate_filter.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace kestrel {
namespace {

using S = ObservationState;
using I = FilterInputs;
using R = MonsterRecord;

const std::uint8_t kOlderHits[kMaxSkills] = {3, 1, 4, 1, 5, 9, 2, 6};  // left by an earlier search

// A class-1 monster with one skill that every criterion lets pass unless a test changes it.
R plainMonster()
{
    R r{};
    r.quizClass = 1, r.hp = 100, r.mp = 10, r.attack = r.defense = 50, r.weight = 100, r.family = 1;
    r.dealtMin = 20, r.dealtMax = 25, r.takenMin = 10, r.takenMax = 14;
    r.skillCount = 1, std::strcpy(r.skillKeys[0], "ABC");
    std::memcpy(r.skillHit, kOlderHits, sizeof kOlderHits);
    return r;
}

// One change of observations or boxes (changes accumulate) and the survivors after it.
struct Step {
    void (*change)(S&, I&);
    const char* kept;
};

class CandidateFilter : public testing::Test {
protected:
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    S state;
    I inputs;

    CandidateFilter() { state.currentClass = 4; }

    template <typename Edit>
    void add(Edit edit)
    {
        R r = plainMonster();
        edit(r);
        catalogue->monsterTable[catalogue->monsterCount++] = r;
    }
    void add(std::initializer_list<void (*)(R&)> edits)
    {
        for (auto edit : edits)
            add(edit);
    }
    // Refreshes; '1' or '0' for each record in table order.
    std::string run()
    {
        refresh(*catalogue, state, inputs);
        std::string out;
        for (int i = 0; i < catalogue->monsterCount; ++i)
            out += "01"[catalogue->monsterTable[i].isCandidate == 1];
        return out;
    }
    void steps(std::initializer_list<Step> list)
    {
        for (const Step& step : list) {
            step.change(state, inputs);
            EXPECT_EQ(run(), step.kept) << "step " << &step - list.begin();
        }
    }
    // Whether record 0 survives each value typed into both edits of the dealt or the received row alone.
    std::string passes(bool dealt, const std::vector<int>& values)
    {
        inputs.dealtDamage = dealt, inputs.takenDamage = !dealt;
        std::string out;
        for (int v : values) {
            (dealt ? inputs.dealtLow : inputs.takenLow) = (dealt ? inputs.dealtHigh : inputs.takenHigh) = v;
            out += run()[0];
        }
        return out;
    }
};

TEST_F(CandidateFilter, UntickedBoxesLeaveOnlyTheClassFilterAndSuppressionMarksAll)
{
    for (int c = 1; c <= 4; ++c)
        add([c](R& r) {
            r.quizClass = c;
            r.floating = 1;
            r.hp = 1;
        });
    state.currentClass = 2;
    // Every observation set so that it would remove all; every box unticked.
    state.observedFloating = 0, state.hpAtLeast = 1000, state.familyExcluded[1] = 1, state.familyConfirmed = 5;
    state.observedMetal = state.observedSize = state.observedMpDrain = state.observedAnger = state.observedPush = 1;
    inputs.dealtLow = inputs.dealtHigh = inputs.takenLow = inputs.takenHigh = 9999, inputs.WEIGHT = 100;
    EXPECT_EQ(run(), "1100");
    EXPECT_EQ(state.candidateCount, 2);
    inputs.floating = true;
    EXPECT_EQ(run(), "0000");
    state.refreshSuppressed = 1, state.candidateCount = 77;
    EXPECT_EQ(run(), "1111");
    EXPECT_EQ(state.candidateCount, 77);
}

TEST_F(CandidateFilter, ObservedAttributes)
{
    add({[](R& r) { r.noAnger = 1, r.size = 1; }, [](R& r) { r.floating = 1, r.metal = 1, r.mpDrain = 1; },
         [](R& r) { r.floating = -1, r.metal = 2, r.noAnger = -1; }, [](R& r) { r.noAnger = 2; }});
    steps({{[](S& s, I& in) {
                in.floating = true;
                s.observedFloating = -1;
            },
            "1111"},
           {[](S& s, I&) { s.observedFloating = 0; }, "1011"},
           {[](S& s, I&) { s.observedFloating = 1; }, "0110"},
           {[](S& s, I& in) { in.floating = false, in.metal = true, s.observedMetal = 1; }, "0100"},
           {[](S& s, I&) { s.observedMetal = 0; }, "1001"},
           {[](S& s, I& in) { in.metal = false, in.size = true, s.observedSize = 1; }, "1000"},
           {[](S& s, I& in) { in.size = false, in.mpDrain = true, s.observedMpDrain = 0; }, "1011"},
           {[](S& s, I& in) { in.mpDrain = false, in.anger = true, s.observedAnger = 2; }, "1010"},
           {[](S& s, I&) { s.observedAnger = 1; }, "0111"}});
}

TEST_F(CandidateFilter, PushAndHpMpBounds)
{
    for (int w : {743, 744, 320, 319, -1})
        add([w](R& r) { r.weight = w; });
    steps({{[](S& s, I& in) { in.push = true, in.WEIGHT = 400, s.observedPush = 0; }, "10111"},
           {[](S& s, I&) { s.observedPush = 1; }, "11100"},
           {[](S&, I& in) { in.WEIGHT = 1001; }, "11111"},
           {[](S&, I& in) { in.WEIGHT = 1000; }, "00000"}});

    catalogue->monsterCount = 0, inputs.push = false;
    for (int v : {500, 499, 501, -1})
        add([v](R& r) { r.hp = v, r.mp = v == -1 ? -1 : v - 450; });
    state.hpAtLeast = state.hpAtMost = 500, state.mpAtLeast = state.mpAtMost = 50;
    steps({{[](S&, I& in) { in.hpAtLeast = true; }, "1011"},
           {[](S&, I& in) { in.hpAtMost = true; }, "1001"},
           {[](S&, I& in) { in.hpAtLeast = in.hpAtMost = false, in.mpAtLeast = true; }, "1011"},
           {[](S&, I& in) { in.mpAtMost = true; }, "1001"},
           {[](S& s, I&) { s.mpAtLeast = s.mpAtMost = -1; }, "1111"}});
}

TEST_F(CandidateFilter, DamageRanges)
{
    add({[](R&) {}, [](R& r) { r.dealtMin = 0, r.dealtMax = 1; }});
    inputs.dealtDamage = true;  // both edits empty: 0 is tested twice
    EXPECT_EQ(run(), "01");
    inputs.dealtLow = 19, inputs.dealtHigh = 20;  // each edit is tested
    EXPECT_EQ(run()[0], '0');
    inputs.dealtLow = 25, inputs.dealtHigh = 26;
    EXPECT_EQ(run()[0], '0');
    // Each row changes the inputs or record 0 (changes accumulate), then types each value into both edits.
    struct Row {
        void (*change)(I&, R&);
        bool dealt;
        std::vector<int> values;
        const char* kept;
    };
    const Row rows[] = {
        {[](I&, R&) {}, true, {19, 20, 25, 26}, "0110"},  // unticked, the percentages are ignored
        {[](I& in, R&) { in.tolerance = true; }, true, {19, 20, 35, 36}, "0110"},   // 2500 / 70 = 35
        {[](I& in, R&) { in.tolerances.PERM_ATK_H = 125; }, true, {15, 16}, "01"},  // 2000 / 125 = 16
        {[](I& in, R&) { in.tolerances.PERM_ATK_L = in.tolerances.PERM_ATK_H = 0; },
         true,
         {19, 20, 25, 26},
         "0110"},  // as 100
        {[](I& in, R& r) { in.tolerance = false, r.dealtSpread = 3; }, true, {16, 17, 28, 29}, "0110"},
        {[](I&, R&) {}, false, {6, 7, 14, 15}, "0110"},
        {[](I& in, R&) { in.ORBUMLV = 2; }, false, {2, 3, 10, 11}, "0110"},                       // 3 + 2 * 2
        {[](I& in, R&) { in.ORBUMLV = 0, in.tolerance = true; }, false, {2, 3, 14, 15}, "0110"},  // 7 * 50 / 100
        {[](I& in, R&) { in.tolerances.PERM_DEF_H = 150; }, false, {21, 22}, "10"},               // 14 * 150 / 100 = 21
        {[](I& in, R& r) { in.tolerance = false, r.takenSpread = 2; }, false, {4, 5, 16, 17}, "0110"},
        // Extreme values are compared without wrapping; 0.7 * INT_MAX truncates to 1503238552.
        {[](I&, R& r) { r = plainMonster(), r.dealtMin = r.dealtMax = r.takenMin = r.takenMax = INT_MAX; },
         true,
         {INT_MIN, INT_MAX - 1, INT_MAX},
         "001"},
        {[](I&, R&) {}, false, {1503238551, 1503238552, INT_MAX}, "011"},
        {[](I& in, R&) { in.ORBUMLV = INT_MAX; }, false, {INT_MAX}, "0"},
        {[](I& in, R&) {
             in.ORBUMLV = 0, in.tolerance = true, in.tolerances.PERM_DEF_L = INT_MIN,
             in.tolerances.PERM_DEF_H = INT_MAX;
         },
         false,
         {INT_MIN, INT_MAX},
         "11"},
    };
    for (const Row& row : rows) {
        row.change(inputs, catalogue->monsterTable[0]);
        EXPECT_EQ(passes(row.dealt, row.values), row.kept) << "row " << &row - rows;
    }
}

TEST_F(CandidateFilter, UnknownAttackOrDefenseNeverEliminates)
{
    add({[](R&) {}, [](R& r) { r.attack = r.defense = 0; }, [](R& r) { r.attack = r.defense = -1; }});
    inputs.takenDamage = true, inputs.takenLow = inputs.takenHigh = 2;
    EXPECT_EQ(run(), "011");
    inputs.takenDamage = false, inputs.dealtDamage = true, inputs.dealtLow = inputs.dealtHigh = 999;
    EXPECT_EQ(run(), "011");
}

TEST_F(CandidateFilter, FamilyExclusionAndConfirmationSpareUnknownAndUncertain)
{
    for (int f : {1, 2, 1 | kUncertainFamily, 2 | kUncertainFamily, 0})
        add([f](R& r) { r.family = f; });
    steps({{[](S& s, I& in) { in.familyExclusion = true, s.familyExcluded[1] = 1; }, "01111"},
           {[](S& s, I&) { s.familyExcluded[2] = 1; }, "00111"},
           {[](S&, I& in) { in.familyExclusion = false, in.familyConfirmation = true; }, "11111"},
           {[](S& s, I&) { s.familyConfirmed = 2; }, "01111"}});
}

TEST_F(CandidateFilter, RemovedRecordsAreLeftAloneByLaterCriteria)
{
    add({[](R&) {}, [](R& r) { r.quizClass = 3; }, [](R& r) { r.dealtMin = 90, r.dealtMax = 99; }});
    state.currentClass = 2;
    std::strcpy(state.search.searchWordsNormalised[0], "B");
    state.search.searchWordCount = 1;
    inputs.textSearch = inputs.dealtDamage = true;
    inputs.dealtLow = inputs.dealtHigh = 22;
    EXPECT_EQ(run(), "100");
    const R* t = catalogue->monsterTable.data();
    EXPECT_EQ(t[0].skillHit[0], 0);
    EXPECT_EQ(t[0].skillHit[1], kNoSkillHit);
    EXPECT_EQ(0, std::memcmp(t[1].skillHit, kOlderHits, sizeof kOlderHits));
    EXPECT_EQ(0, std::memcmp(t[2].skillHit, kOlderHits, sizeof kOlderHits));
}

TEST(ObservationReset, ClearsObservationsAndKeepsContext)
{
    S s;
    std::memset(static_cast<void*>(&s), 1, sizeof s);  // every field observed, every flag set
    resetObservations(s);
    for (std::int32_t v : {s.currentClass, s.currentUser, s.listLayout, s.candidateCount, s.refreshSuppressed})
        EXPECT_EQ(v, 0x01010101);
    for (std::int32_t v : {s.familyConfirmed,     s.hpAtLeast,     s.hpAtMost,
                           s.mpAtLeast,           s.mpAtMost,      s.observedFloating,
                           s.observedMetal,       s.observedSize,  s.observedMpDrain,
                           s.observedPush,        s.lastAttackLow, s.lastDefenseHigh,
                           s.lastBonusDefenseLow, s.attackHigh,    s.defenseLow,
                           s.bonusDefenseHigh,    s.prevDealtHigh, s.prevDealtLow,
                           s.prevTakenHigh,       s.prevTakenLow})
        EXPECT_EQ(v, -1);
    for (std::int32_t v :
         {s.listLocked, s.toleranceEnabled, s.observedAnger, s.attackSpanLow, s.defenseSpanHigh, s.bonusDefenseSpanLow,
          s.dealtLowTyped, s.takenLowTyped, s.specialLowTyped, s.moonsaultLowTyped, s.dealtHighJumped, s.dealtLowJumped,
          s.takenHighJumped, s.takenLowJumped, s.search.searchWordCount, s.search.nameSearchActive})
        EXPECT_EQ(v, 0);
    for (int k = 1; k <= kFamilyCount; ++k)
        EXPECT_EQ(s.familyExcluded[k], 0) << k;
    EXPECT_STREQ(s.search.searchWords[0], "");
    EXPECT_STREQ(s.search.nameSearchText, "");
}

}  // namespace
}  // namespace kestrel
