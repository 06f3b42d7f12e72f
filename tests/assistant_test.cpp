// The identification assistant: why records left the list, near misses, and the
// expected number of candidates after each open observation.

#include "catalogue/monster_loader.h"
#include "engine/candidate_filter.h"
#include "engine/damage_model.h"
#include "engine/elimination.h"
#include "engine/next_observation.h"
#include "engine/text_search.h"
#include "support/monster_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kestrel {
namespace {

// ---- The invariant against the filter itself, on random data -------------

std::int32_t pick(std::mt19937& rng, std::initializer_list<std::int32_t> values)
{
    return values.begin()[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(rng)];
}

int uniform(std::mt19937& rng, int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

// Scatters the unknown and odd values every criterion has to cope with.
void roughen(Catalogue& catalogue, std::mt19937& rng)
{
    for (int i = 0; i < catalogue.monsterCount; ++i) {
        MonsterRecord& r = catalogue.monsterTable[i];
        if (uniform(rng, 0, 3) == 0) {
            r.floating = pick(rng, {-1, 0, 1, 2});
            r.metal = pick(rng, {-1, 0, 1});
            r.size = pick(rng, {-1, 0, 1});
            r.mpDrain = pick(rng, {-1, 0, 1});
            r.noAnger = pick(rng, {-1, 0, 1});
            r.weight = pick(rng, {-1, 0, 319, 320, 743, 744, 1500});
            r.hp = pick(rng, {-1, 0, 500, 501});
            r.family = pick(rng, {0, 3, 3 | kUncertainFamily, 14});
            r.attack = pick(rng, {-1, 0, r.attack});
            r.defense = pick(rng, {-1, 0, r.defense});
        }
    }
}

void randomObservations(const Catalogue& catalogue, ObservationState& s, FilterInputs& in, std::mt19937& rng)
{
    auto box = [&] { return uniform(rng, 0, 2) == 0; };
    s.currentClass = uniform(rng, 1, 4);
    s.listLayout = uniform(rng, 0, 3);
    s.refreshSuppressed = uniform(rng, 0, 40) == 0;
    in.floating = box(), s.observedFloating = pick(rng, {-1, 0, 1});
    in.metal = box(), s.observedMetal = pick(rng, {-1, 0, 1});
    in.size = box(), s.observedSize = pick(rng, {-1, 0, 1});
    in.mpDrain = box(), s.observedMpDrain = pick(rng, {-1, 0, 1});
    in.anger = box(), s.observedAnger = pick(rng, {0, 1, 2});
    in.push = box(), s.observedPush = pick(rng, {-1, 0, 1}), in.WEIGHT = pick(rng, {400, 1000, 1001});
    in.hpAtLeast = box(), s.hpAtLeast = pick(rng, {-1, 100, 500});
    in.hpAtMost = box(), s.hpAtMost = pick(rng, {-1, 500, 2000});
    in.mpAtLeast = box(), s.mpAtLeast = pick(rng, {-1, 10});
    in.mpAtMost = box(), s.mpAtMost = pick(rng, {-1, 50});
    in.tolerance = box(), in.ORBUMLV = uniform(rng, 0, 6);
    in.dealtDamage = box(), in.dealtLow = uniform(rng, 0, 120), in.dealtHigh = in.dealtLow + uniform(rng, 0, 8);
    in.takenDamage = box(), in.takenLow = uniform(rng, 0, 120), in.takenHigh = in.takenLow + uniform(rng, 0, 8);
    in.familyExclusion = box();
    for (int k = 1; k <= kFamilyCount; ++k)
        s.familyExcluded[k] = uniform(rng, 0, 4) == 0;
    in.familyConfirmation = box(), s.familyConfirmed = pick(rng, {-1, 1, 3, 14});
    in.textSearch = box();
    const std::string words[] = {"", testing::skillLabelText(uniform(rng, 0, 15)), "@", "\x83\x58"};
    in.searchText = words[uniform(rng, 0, 3)];
    if (uniform(rng, 0, 2) == 0) {  // a name search for the first character of some name
        const char* name = catalogue.monsterTable[uniform(rng, 0, catalogue.monsterCount - 1)].name;
        in.searchText += " @" + std::string(name, std::min<std::size_t>(2, std::strlen(name)));
    }
    splitSearchText(s.search, in.searchText);
    normaliseSearchWords(s.search);
}

TEST(Elimination, ARecordOfTheClassIsACandidateExactlyWhenItFailsNothing)
{
    auto catalogue = std::make_unique<Catalogue>();
    std::mt19937 rng(20261207);
    int cases = 0, candidatesSeen = 0, eliminatedSeen = 0;
    std::array<int, kCriterionCount> failures{};
    for (unsigned file = 1; file <= 12; ++file) {
        loadMonsterBytes(*catalogue, testing::generatedExtendedFile(80, file), "random.csv", {});
        computeExpectedDamage(*catalogue, uniform(rng, 50, 300), uniform(rng, 50, 300));
        roughen(*catalogue, rng);
        for (int round = 0; round < 300; ++round, ++cases) {
            ObservationState state;
            FilterInputs inputs;
            randomObservations(*catalogue, state, inputs, rng);
            refresh(*catalogue, state, inputs);
            const Elimination e = explainElimination(*catalogue, state, inputs);
            std::vector<int> judged(static_cast<std::size_t>(catalogue->monsterCount), -1);
            for (const RecordVerdict& v : e.verdicts) {
                judged[static_cast<std::size_t>(v.index)] = v.failedCount();
                for (int c = 0; c < kCriterionCount; ++c)
                    failures[static_cast<std::size_t>(c)] += v.fails(static_cast<Criterion>(c));
            }
            for (int i = 0; i < catalogue->monsterCount; ++i) {
                const MonsterRecord& r = catalogue->monsterTable[i];
                const bool ofClass = state.refreshSuppressed || r.quizClass <= state.currentClass;
                ASSERT_EQ(judged[static_cast<std::size_t>(i)] >= 0, ofClass) << "case " << cases << " record " << i;
                if (ofClass) {
                    ASSERT_EQ(r.isCandidate == 1, judged[static_cast<std::size_t>(i)] == 0)
                        << "case " << cases << " record " << i;
                }
                candidatesSeen += r.isCandidate == 1 && ofClass;
                eliminatedSeen += r.isCandidate == 0 && ofClass;
            }
            ASSERT_EQ(static_cast<int>(e.candidates.size()),
                      state.refreshSuppressed ? catalogue->monsterCount : state.candidateCount);
        }
    }
    EXPECT_GE(cases, 3000);
    EXPECT_GT(candidatesSeen, 10000);  // both sides of the invariant were exercised
    EXPECT_GT(eliminatedSeen, 10000);
    for (int c = 0; c < kCriterionCount; ++c)  // every criterion removed something
        EXPECT_GT(failures[static_cast<std::size_t>(c)], 0) << criterionName(static_cast<Criterion>(c));
}

// ---- Hand-made tables ------------------------------------------------------

struct Table {
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    ObservationState state;
    FilterInputs inputs;
    std::int32_t targetFamily = -1;

    MonsterRecord& add(const char* name)
    {
        MonsterRecord& r = catalogue->monsterTable[catalogue->monsterCount++];
        r = MonsterRecord{};
        std::strncpy(r.name, name, kNameSize - 1);
        r.quizClass = 1, r.family = 1, r.hp = 100, r.attack = 50, r.defense = 50, r.weight = 100;
        return r;
    }
    std::vector<Advice> advice()
    {
        const Elimination e = explainElimination(*catalogue, state, inputs);
        return adviseNextObservation({*catalogue, state, inputs, e, targetFamily});
    }
    std::optional<Advice> find(Observation o)
    {
        for (const Advice& a : advice())
            if (a.observation == o)
                return a;
        return std::nullopt;
    }
};

TEST(NextObservation, ExpectedRemainingOnHandWorkedTables)
{
    struct Case {
        const char* what;
        void (*build)(Table&);
        Observation observation;
        double expected;
        AnswerSplit split;
    };
    const Case cases[] = {
        {"four candidates split two and two",
         [](Table& t) {
             for (int d : {0, 0, 1, 1})
                 t.add("m").mpDrain = d;
         },
         Observation::mpDrain,
         2.0,
         {{0, 1}, {2, 2}}},
        {"eight split five and three",
         [](Table& t) {
             for (int d : {0, 1, 0, 1, 0, 1, 0, 0})
                 t.add("m").mpDrain = d;
         },
         Observation::mpDrain,
         4.25,
         {{0, 1}, {5, 3}}},
        // n(1) = 3, n(0) = 2; the unknown one reaches both: (3 + 3 + 2 + (3 + 2) / 2) / 4.
        {"an unknown value counts under both answers",
         [](Table& t) {
             for (int f : {1, 1, 0, -1})
                 t.add("m").floating = f;
         },
         Observation::floating,
         2.625,
         {{1, 0}, {3, 2}}},
        // Unknown size is kept by neither answer, so N' = 2 of the 3 candidates.
        {"a candidate no answer keeps is left out of N'",
         [](Table& t) {
             for (int s : {0, 1, -1})
                 t.add("m").size = s;
         },
         Observation::size,
         1.0,
         {{0, 1}, {1, 1}}},
        // Intervals [10,12] and [11,14], one of unknown defense: answers 10..14 keep
        // 2,3,3,2,2; E = (8/3 + 10/4 + 12/5) / 3.
        {"damage worked by hand",
         [](Table& t) {
             t.add("a").dealtMin = 10, t.catalogue->monsterTable[0].dealtMax = 12;
             t.add("b").dealtMin = 11, t.catalogue->monsterTable[1].dealtMax = 14;
             t.add("c").defense = 0;
         },
         Observation::dealtDamage,
         227.0 / 90.0,
         {}},
        // Received with orb level 2: [7 - 4, 14 - 4] = [3,10] and [0 - 4, 10 - 4] cut to
        // [0,6]; answers 0..10 keep 1,1,1,2,2,2,2,1,1,1,1: E = (12/8 + 11/7) / 2.
        {"received damage on the typed scale, cut at 0",
         [](Table& t) {
             t.inputs.ORBUMLV = 2;
             t.add("a").takenMin = 10, t.catalogue->monsterTable[0].takenMax = 14;
             t.add("b").takenMin = 0, t.catalogue->monsterTable[1].takenMax = 10;
         },
         Observation::takenDamage,
         43.0 / 28.0,
         {}},
        // Target family 2 (code 3): confirmed keeps 3, unknown and uncertain; excluded all but 3.
        {"family of the weapon",
         [](Table& t) {
             t.targetFamily = 2;
             for (int f : {3, 3, 5, 0, 5 | kUncertainFamily})
                 t.add("m").family = f;
         },
         Observation::family,
         (2 * 4 + 1 * 3 + 2 * (7.0 / 2)) / 5.0,
         {{1, 0}, {4, 3}}},
    };
    for (const Case& c : cases) {
        Table t;
        c.build(t);
        const std::optional<Advice> a = t.find(c.observation);
        ASSERT_TRUE(a) << c.what;
        EXPECT_NEAR(a->expectedRemaining, c.expected, 1e-12) << c.what;
        EXPECT_EQ(a->hasSplit, c.split.count[0] + c.split.count[1] > 0) << c.what;
        if (a->hasSplit) {
            EXPECT_EQ(a->split.value, c.split.value) << c.what;
            EXPECT_EQ(a->split.count, c.split.count) << c.what;
        }
    }
}

TEST(NextObservation, RankingTiesAndObservationsLeftOut)
{
    Table t;
    const int floating[] = {1, 1, 0, 0}, metal[] = {1, 0, 1, 0}, drain[] = {0, 0, 0, 1};
    for (int i = 0; i < 4; ++i) {
        MonsterRecord& r = t.add("m");
        r.floating = floating[i], r.metal = metal[i], r.mpDrain = drain[i];
        r.size = 0, r.noAnger = 0, r.defense = 0, r.attack = -1;  // damage skips them all
    }
    auto order = [&] {
        std::string names;
        for (const Advice& a : t.advice())
            names += std::string(observationName(a.observation)) + " ";
        return names;
    };
    // Two at 2 keep their order; mpDrain 3/1 gives 2.5; size and anger keep everyone,
    // push is closed by the weight, damage keeps everyone under every answer or none.
    EXPECT_EQ(order(), "floating metal mpDrain ");
    // In force now; the two floating ones are left, both without MP drain.
    t.inputs.floating = true, t.state.observedFloating = 1;
    EXPECT_EQ(order(), "metal ");
    t.inputs.metal = true;   // a box without its value does not close the observation
    t.inputs.WEIGHT = 1000;  // the push test opens, but nothing is heavy enough to tell
    EXPECT_EQ(order(), "metal ");
}

TEST(NextObservation, DamageWithPrefixSumsMatchesOneFilterPerAnswer)
{
    std::mt19937 rng(99);
    for (int round = 0; round < 300; ++round) {
        Table t;
        t.inputs.tolerance = uniform(rng, 0, 1);
        t.inputs.ORBUMLV = uniform(rng, 0, 6);
        const int n = uniform(rng, 1, 12);
        for (int i = 0; i < n; ++i) {
            MonsterRecord& r = t.add("m");
            // Now and then past 255 and 511, where the ends' second byte differs.
            const int base = pick(rng, {0, 0, 250, 505});
            r.dealtMin = base + uniform(rng, 0, 30), r.dealtMax = r.dealtMin + uniform(rng, 0, 10);
            r.takenMin = base + uniform(rng, 0, 30), r.takenMax = r.takenMin + uniform(rng, 0, 10);
            r.dealtSpread = uniform(rng, -3, 3), r.takenSpread = uniform(rng, 0, 3);
            r.defense = pick(rng, {0, 50, 50}), r.attack = pick(rng, {-1, 50, 50});
        }
        for (bool dealt : {true, false}) {
            // Naive: refresh once per typed value over a range wide enough for every interval.
            std::map<int, int> kept;
            std::vector<std::vector<int>> keptBy(static_cast<std::size_t>(n));
            for (int d = 0; d <= 1000; ++d) {
                ObservationState s = t.state;
                FilterInputs in = t.inputs;
                (dealt ? in.dealtDamage : in.takenDamage) = true;
                (dealt ? in.dealtLow : in.takenLow) = d, (dealt ? in.dealtHigh : in.takenHigh) = d;
                refresh(*t.catalogue, s, in);
                for (int i = 0; i < n; ++i)
                    if (t.catalogue->monsterTable[i].isCandidate)
                        kept[d] += 1, keptBy[static_cast<std::size_t>(i)].push_back(d);
            }
            // Answers are the values that keep at least one tested record.
            auto tested = [&](int i) {
                const MonsterRecord& r = t.catalogue->monsterTable[i];
                return dealt ? r.defense > 0 : r.attack > 0;
            };
            std::map<int, bool> answer;
            for (int i = 0; i < n; ++i)
                if (tested(i))
                    for (int d : keptBy[static_cast<std::size_t>(i)])
                        answer[d] = true;
            double sum = 0;
            int reached = 0;
            for (int i = 0; i < n; ++i) {
                double s = 0;
                int size = 0;
                for (int d : keptBy[static_cast<std::size_t>(i)])
                    if (answer.count(d))
                        s += kept[d], ++size;
                if (size > 0)
                    sum += s / size, ++reached;
            }
            const Observation o = dealt ? Observation::dealtDamage : Observation::takenDamage;
            const std::optional<Advice> a = t.find(o);
            if (reached == 0 || sum / reached >= n - 1e-9) {
                EXPECT_FALSE(a) << "round " << round;
            } else {
                ASSERT_TRUE(a) << "round " << round;
                EXPECT_NEAR(a->expectedRemaining, sum / reached, 1e-9) << "round " << round;
            }
        }
    }
}

TEST(Elimination, NearMissesOneFailureFirstThenTwoInTableOrderAtMostTen)
{
    Table t;
    t.inputs.floating = true, t.state.observedFloating = 1;
    t.inputs.metal = true, t.state.observedMetal = 1;
    t.inputs.mpDrain = true, t.state.observedMpDrain = 1;
    // Failures per record: floating, metal, mpDrain flags are 1 when the record passes.
    const char* pattern[] = {"000", "011", "110", "111", "001", "101", "100", "000"};
    for (int i = 0; i < 18; ++i) {
        const char* p = pattern[i % 8];
        MonsterRecord& r = t.add("m");
        r.floating = p[0] - '0', r.metal = p[1] - '0', r.mpDrain = p[2] - '0';
    }
    const Elimination e = explainElimination(*t.catalogue, t.state, t.inputs);
    // One failure: 1, 2, 5, 9, 10, 13, 17; then two: 4, 6, 12 (and 14, one too many).
    EXPECT_EQ(e.nearMisses, (std::vector<std::int32_t>{1, 2, 5, 9, 10, 13, 17, 4, 6, 12}));
    EXPECT_EQ(e.candidates, (std::vector<std::int32_t>{3, 11}));
    EXPECT_TRUE(e.verdicts[1].fails(Criterion::floating));
    EXPECT_FALSE(e.verdicts[1].fails(Criterion::metal));
}

TEST(Elimination, FailedDamageKeepsTheAllowedTypedValues)
{
    Table t;
    MonsterRecord& r = t.add("m");
    r.dealtMin = 20, r.dealtMax = 25, r.takenMin = 10, r.takenMax = 14;
    t.inputs.tolerance = true;  // dealt 20..35; received 3..14, less 2 per orb level
    t.inputs.ORBUMLV = 1;
    t.inputs.dealtDamage = true, t.inputs.dealtLow = 30, t.inputs.dealtHigh = 36;
    t.inputs.takenDamage = true, t.inputs.takenLow = 1, t.inputs.takenHigh = 13;
    const Elimination e = explainElimination(*t.catalogue, t.state, t.inputs);
    ASSERT_EQ(e.verdicts.size(), 1u);
    const RecordVerdict& v = e.verdicts[0];
    EXPECT_EQ(v.failedCount(), 2);
    EXPECT_EQ(v.dealt.low, 20);
    EXPECT_EQ(v.dealt.high, 35);
    EXPECT_EQ(v.taken.low, 1);
    EXPECT_EQ(v.taken.high, 12);
}

}  // namespace
}  // namespace kestrel
