#include "engine/candidate_filter.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

namespace kestrel {
namespace {

using V = std::vector<bool>;

// A class-1 monster that every criterion lets pass unless a test changes it.
MonsterRecord plainMonster() {
    MonsterRecord r{};
    r.quizClass = 1;
    r.noAnger = 0;
    r.hp = 100;
    r.mp = 10;
    r.attack = 50;
    r.defense = 50;
    r.weight = 100;
    r.family = 1;
    r.dealtMin = 20;
    r.dealtMax = 25;
    r.takenMin = 10;
    r.takenMax = 14;
    std::memset(r.skillHit, kNoSkillHit, sizeof r.skillHit);
    return r;
}

class CandidateFilter : public testing::Test {
protected:
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    ObservationState state;
    FilterInputs inputs;

    CandidateFilter() { state.currentClass = 4; }

    template <typename Edit>
    int add(Edit edit) {
        MonsterRecord r = plainMonster();
        edit(r);
        catalogue->monsterTable[catalogue->monsterCount] = r;
        return catalogue->monsterCount++;
    }
    void run() { refresh(*catalogue, state, inputs); }
    bool kept(int i) const { return catalogue->monsterTable[i].isCandidate == 1; }
    // Whether each of the records survives, in order.
    V survivors(std::initializer_list<int> indices) const {
        V out;
        for (int i : indices) out.push_back(kept(i));
        return out;
    }
    // Which typed values (written into both edits of one damage row) a record survives.
    V passes(int i, bool FilterInputs::*box, std::int32_t FilterInputs::*low,
             std::int32_t FilterInputs::*high, std::initializer_list<int> values) {
        inputs.*box = true;
        V out;
        for (int v : values) {
            inputs.*low = inputs.*high = v;
            run();
            out.push_back(kept(i));
        }
        return out;
    }
    V dealtPasses(int i, std::initializer_list<int> values) {
        return passes(i, &FilterInputs::dealtDamage, &FilterInputs::dealtLow, &FilterInputs::dealtHigh, values);
    }
    V takenPasses(int i, std::initializer_list<int> values) {
        return passes(i, &FilterInputs::takenDamage, &FilterInputs::takenLow, &FilterInputs::takenHigh, values);
    }
};

TEST_F(CandidateFilter, UntickedBoxesLeaveOnlyTheClassFilter) {
    for (int c = 1; c <= 4; ++c) add([c](MonsterRecord& r) { r.quizClass = c; r.floating = 1; r.hp = 1; });
    state.currentClass = 2;
    // Every observation set to something that would remove all, every box unticked.
    state.observedFloating = 0;
    state.observedMetal = 1;
    state.observedSize = 1;
    state.observedMpDrain = 1;
    state.observedAnger = 1;
    state.observedPush = 1;
    state.hpAtLeast = 1000;
    state.familyExcluded[1] = 1;
    state.familyConfirmed = 5;
    inputs.dealtLow = inputs.dealtHigh = inputs.takenLow = inputs.takenHigh = 9999;
    inputs.WEIGHT = 100;
    run();
    EXPECT_EQ(survivors({0, 1, 2, 3}), (V{true, true, false, false}));
    EXPECT_EQ(state.candidateCount, 2);

    // The kept observation applies as soon as its box is ticked again.
    inputs.floating = true;
    run();
    EXPECT_EQ(state.candidateCount, 0);
}

TEST_F(CandidateFilter, SuppressedRefreshMarksEverythingAndKeepsTheCount) {
    add([](MonsterRecord& r) { r.quizClass = 4; r.isCandidate = 0; });
    add([](MonsterRecord& r) { r.isCandidate = 0; r.floating = 1; });
    state.currentClass = 1;
    state.candidateCount = 77;
    state.observedFloating = 0;
    inputs.floating = true;
    state.refreshSuppressed = 1;
    run();
    EXPECT_EQ(survivors({0, 1}), (V{true, true}));
    EXPECT_EQ(state.candidateCount, 77);
}

TEST_F(CandidateFilter, TwoValuedAttributes) {
    const int no = add([](MonsterRecord& r) { r.floating = 0; });
    const int yes = add([](MonsterRecord& r) { r.floating = 1; r.metal = 1; });
    const int either = add([](MonsterRecord& r) { r.floating = -1; r.metal = 2; });
    inputs.floating = true;
    state.observedFloating = -1;
    run();
    EXPECT_EQ(state.candidateCount, 3);
    state.observedFloating = 0;
    run();
    EXPECT_EQ(survivors({no, yes, either}), (V{true, false, true}));
    state.observedFloating = 1;
    run();
    EXPECT_EQ(survivors({no, yes, either}), (V{false, true, true}));

    inputs.floating = false;
    inputs.metal = true;
    state.observedMetal = 1;
    run();
    EXPECT_EQ(survivors({no, yes, either}), (V{false, true, false}));
    state.observedMetal = 0;
    run();
    EXPECT_EQ(survivors({no, yes, either}), (V{true, false, false}));
}

TEST_F(CandidateFilter, SizeMpDrainAndAnger) {
    const int calm = add([](MonsterRecord& r) { r.noAnger = 1; r.size = 1; });
    const int angers = add([](MonsterRecord& r) { r.noAnger = 0; r.mpDrain = 1; });
    const int unknown = add([](MonsterRecord& r) { r.noAnger = -1; });
    const int other = add([](MonsterRecord& r) { r.noAnger = 2; });
    inputs.size = true;
    state.observedSize = 1;
    run();
    EXPECT_EQ(survivors({calm, angers, unknown, other}), (V{true, false, false, false}));
    inputs.size = false;
    inputs.mpDrain = true;
    state.observedMpDrain = 0;
    run();
    EXPECT_EQ(survivors({calm, angers, unknown, other}), (V{true, false, true, true}));

    inputs.mpDrain = false;
    inputs.anger = true;
    state.observedAnger = 2;  // does not get angry
    run();
    EXPECT_EQ(survivors({calm, angers, unknown, other}), (V{true, false, true, false}));
    state.observedAnger = 1;  // got angry
    run();
    EXPECT_EQ(survivors({calm, angers, unknown, other}), (V{false, true, true, true}));
}

TEST_F(CandidateFilter, PushComparesWeightWithTheProfileLimits) {
    const int w743 = add([](MonsterRecord& r) { r.weight = 743; });
    const int w744 = add([](MonsterRecord& r) { r.weight = 744; });
    const int w320 = add([](MonsterRecord& r) { r.weight = 320; });
    const int w319 = add([](MonsterRecord& r) { r.weight = 319; });
    const int unknown = add([](MonsterRecord& r) { r.weight = -1; });
    inputs.push = true;
    inputs.WEIGHT = 400;
    state.observedPush = 0;  // could push it
    run();
    EXPECT_EQ(survivors({w743, w744, w320, w319, unknown}), (V{true, false, true, true, true}));
    state.observedPush = 1;  // could not
    run();
    EXPECT_EQ(survivors({w743, w744, w320, w319, unknown}), (V{true, true, true, false, false}));

    inputs.WEIGHT = 1001;
    run();
    EXPECT_EQ(state.candidateCount, 5);
    inputs.WEIGHT = 1000;
    run();
    EXPECT_EQ(state.candidateCount, 0);
}

TEST_F(CandidateFilter, HpAndMpBoundsKeepTheBoundItself) {
    const int at = add([](MonsterRecord& r) { r.hp = 500; r.mp = 50; });
    const int below = add([](MonsterRecord& r) { r.hp = 499; r.mp = 49; });
    const int above = add([](MonsterRecord& r) { r.hp = 501; r.mp = 51; });
    const int unknown = add([](MonsterRecord& r) { r.hp = -1; r.mp = -1; });
    state.hpAtLeast = state.hpAtMost = 500;
    state.mpAtLeast = state.mpAtMost = 50;
    inputs.hpAtLeast = true;
    run();
    EXPECT_EQ(survivors({at, below, above, unknown}), (V{true, false, true, true}));
    inputs.hpAtMost = true;
    run();
    EXPECT_EQ(survivors({at, below, above, unknown}), (V{true, false, false, true}));
    inputs.hpAtLeast = inputs.hpAtMost = false;
    inputs.mpAtLeast = true;
    run();
    EXPECT_EQ(survivors({at, below, above, unknown}), (V{true, false, true, true}));
    inputs.mpAtMost = true;
    run();
    EXPECT_EQ(survivors({at, below, above, unknown}), (V{true, false, false, true}));
    state.mpAtLeast = state.mpAtMost = -1;  // ticked but nothing typed
    run();
    EXPECT_EQ(state.candidateCount, 4);
}

TEST_F(CandidateFilter, DealtDamageRange) {
    const int spread = add([](MonsterRecord& r) { r.dealtSpread = 3; });
    const int metal = add([](MonsterRecord& r) { r.dealtMin = 0; r.dealtMax = 1; });
    // Both edits empty: 0 is tested twice.
    inputs.dealtDamage = true;
    run();
    EXPECT_EQ(survivors({spread, metal}), (V{false, true}));

    EXPECT_EQ(dealtPasses(spread, {16, 17, 28, 29}), (V{false, true, true, false}));
    // The low and the high edit are each tested.
    inputs.dealtLow = 17;
    inputs.dealtHigh = 29;
    run();
    EXPECT_FALSE(kept(spread));

    // Tolerance divides by the percentages; unticked, they are ignored.
    const int plain = add([](MonsterRecord&) {});
    inputs.PERM_ATK_L = 70;
    inputs.PERM_ATK_H = 100;
    EXPECT_EQ(dealtPasses(plain, {19, 20, 25, 26}), (V{false, true, true, false}));
    inputs.tolerance = true;
    EXPECT_EQ(dealtPasses(plain, {19, 20, 35, 36}), (V{false, true, true, false}));
    inputs.PERM_ATK_H = 125;  // 2000 / 125 = 16
    EXPECT_EQ(dealtPasses(plain, {15, 16}), (V{false, true}));
    inputs.PERM_ATK_L = inputs.PERM_ATK_H = 0;  // a zero percentage divides as 100
    EXPECT_EQ(dealtPasses(plain, {19, 20, 25, 26}), (V{false, true, true, false}));
}

TEST_F(CandidateFilter, ReceivedDamageRange) {
    const int plain = add([](MonsterRecord&) {});
    inputs.PERM_DEF_L = 50;
    EXPECT_EQ(takenPasses(plain, {6, 7, 14, 15}), (V{false, true, true, false}));
    inputs.ORBUMLV = 2;
    EXPECT_EQ(takenPasses(plain, {2, 3, 10, 11}), (V{false, true, true, false}));
    inputs.ORBUMLV = 0;
    inputs.tolerance = true;
    EXPECT_EQ(takenPasses(plain, {2, 3, 14, 15}), (V{false, true, true, false}));
    inputs.PERM_DEF_H = 150;  // 14 * 150 / 100 = 21
    EXPECT_EQ(takenPasses(plain, {21, 22}), (V{true, false}));
    inputs.tolerance = false;
    catalogue->monsterTable[plain].takenSpread = 2;
    EXPECT_EQ(takenPasses(plain, {4, 5, 16, 17}), (V{false, true, true, false}));
}

TEST_F(CandidateFilter, UnknownAttackOrDefenseNeverEliminates) {
    const int known = add([](MonsterRecord&) {});
    const int zero = add([](MonsterRecord& r) { r.attack = 0; r.defense = 0; });
    const int unknown = add([](MonsterRecord& r) { r.attack = -1; r.defense = -1; });
    inputs.takenDamage = true;
    inputs.takenLow = inputs.takenHigh = 2;
    run();
    EXPECT_EQ(survivors({known, zero, unknown}), (V{false, true, true}));
    inputs.takenDamage = false;
    inputs.dealtDamage = true;
    inputs.dealtLow = inputs.dealtHigh = 999;
    run();
    EXPECT_EQ(survivors({known, zero, unknown}), (V{false, true, true}));
}

TEST_F(CandidateFilter, ExtremeValuesAreComparedWithoutWrapping) {
    const int huge = add([](MonsterRecord& r) {
        r.dealtMin = r.dealtMax = INT_MAX;
        r.takenMin = r.takenMax = INT_MAX;
    });
    // lowBound = INT_MAX * 100 / 100: only INT_MAX itself is in range.
    EXPECT_EQ(dealtPasses(huge, {INT_MIN, INT_MAX - 1, INT_MAX}), (V{false, false, true}));
    inputs.dealtDamage = false;
    // lowBound = trunc(0.7 * INT_MAX) = 1503238552.
    EXPECT_EQ(takenPasses(huge, {1503238551, 1503238552, INT_MAX}), (V{false, true, true}));
    inputs.ORBUMLV = INT_MAX;  // the orb allowance pushes any value out of range
    EXPECT_EQ(takenPasses(huge, {INT_MAX}), (V{false}));

    inputs.ORBUMLV = 0;
    inputs.tolerance = true;
    inputs.PERM_DEF_L = INT_MIN;
    inputs.PERM_DEF_H = INT_MAX;
    EXPECT_EQ(takenPasses(huge, {INT_MIN, INT_MAX}), (V{true, true}));
}

TEST_F(CandidateFilter, FamilyExclusionAndConfirmation) {
    const int beast = add([](MonsterRecord& r) { r.family = 1; });
    const int bird = add([](MonsterRecord& r) { r.family = 2; });
    const int unsureBeast = add([](MonsterRecord& r) { r.family = 1 | kUncertainFamily; });
    const int unsureBird = add([](MonsterRecord& r) { r.family = 2 | kUncertainFamily; });
    const int unknown = add([](MonsterRecord& r) { r.family = 0; });
    const auto all = {beast, bird, unsureBeast, unsureBird, unknown};
    inputs.familyExclusion = true;
    state.familyExcluded[1] = 1;
    run();
    EXPECT_EQ(survivors(all), (V{false, true, true, true, true}));
    state.familyExcluded[2] = 1;
    run();
    EXPECT_EQ(survivors(all), (V{false, false, true, true, true}));

    inputs.familyExclusion = false;
    inputs.familyConfirmation = true;
    run();
    EXPECT_EQ(state.candidateCount, 5);  // nothing confirmed yet
    state.familyConfirmed = 2;
    run();
    EXPECT_EQ(survivors(all), (V{false, true, true, true, true}));
}

TEST_F(CandidateFilter, RemovedRecordsAreLeftAloneByLaterCriteria) {
    const std::uint8_t older[kMaxSkills] = {3, 1, 4, 1, 5, 9, 2, 6};
    const auto withSkill = [&](MonsterRecord& r) {
        r.skillCount = 1;
        std::strcpy(r.skills[0], "ABC");
        std::strcpy(r.skillKeys[0], "ABC");
        std::memcpy(r.skillHit, older, sizeof older);
    };
    const int survivor = add(withSkill);
    const int outOfClass = add([&](MonsterRecord& r) { withSkill(r); r.quizClass = 3; });
    const int tooStrong = add([&](MonsterRecord& r) { withSkill(r); r.dealtMin = 90; r.dealtMax = 99; });
    state.currentClass = 2;
    std::strcpy(state.search.searchWords[0], "B");
    std::strcpy(state.search.searchWordsNormalised[0], "B");
    state.search.searchWordCount = 1;
    inputs.textSearch = true;
    inputs.searchText = "B";
    inputs.dealtDamage = true;
    inputs.dealtLow = inputs.dealtHigh = 22;
    run();
    EXPECT_EQ(survivors({survivor, outOfClass, tooStrong}), (V{true, false, false}));
    EXPECT_EQ(state.candidateCount, 1);
    EXPECT_EQ(catalogue->monsterTable[survivor].skillHit[0], 0);
    EXPECT_EQ(catalogue->monsterTable[survivor].skillHit[1], kNoSkillHit);
    EXPECT_EQ(0, std::memcmp(catalogue->monsterTable[outOfClass].skillHit, older, sizeof older));
    EXPECT_EQ(0, std::memcmp(catalogue->monsterTable[tooStrong].skillHit, older, sizeof older));
}

TEST(ObservationReset, ClearsObservationsAndKeepsContext) {
    ObservationState s;
    std::memset(static_cast<void*>(&s), 1, sizeof s);  // every field observed, every flag set
    resetObservations(s);

    constexpr std::int32_t dirty = 0x01010101;
    EXPECT_EQ(V({s.currentClass == dirty, s.currentUser == dirty, s.listLayout == dirty,
                 s.candidateCount == dirty, s.refreshSuppressed == dirty}),
              V(5, true));
    EXPECT_EQ(s.listLocked + s.toleranceEnabled + s.observedAnger, 0);
    for (int k = 1; k <= kFamilyCount; ++k) EXPECT_EQ(s.familyExcluded[k], 0) << k;
    for (std::int32_t v : {s.familyConfirmed, s.hpAtLeast, s.hpAtMost, s.mpAtLeast, s.mpAtMost,
                           s.observedFloating, s.observedMetal, s.observedSize, s.observedMpDrain,
                           s.observedPush, s.lastAttackLow, s.lastDefenseHigh, s.lastBonusDefenseLow,
                           s.attackHigh, s.defenseLow, s.bonusDefenseHigh, s.prevDealtHigh,
                           s.prevDealtLow, s.prevTakenHigh, s.prevTakenLow})
        EXPECT_EQ(v, -1);
    for (std::int32_t v : {s.attackSpanLow, s.defenseSpanHigh, s.bonusDefenseSpanLow, s.dealtLowTyped,
                           s.takenLowTyped, s.specialLowTyped, s.moonsaultLowTyped, s.dealtHighJumped,
                           s.dealtLowJumped, s.takenHighJumped, s.takenLowJumped, s.search.searchWordCount,
                           s.search.nameSearchActive})
        EXPECT_EQ(v, 0);
    EXPECT_STREQ(s.search.searchWords[0], "");
    EXPECT_STREQ(s.search.nameSearchText, "");
}

}  // namespace
}  // namespace kestrel
