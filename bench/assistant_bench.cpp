// Figures for the identification assistant on a full table of 1024 generated
// monsters: why each record left, the near misses, the ranked next observations
// and the live split of the six value buttons, as the hint panel asks for them
// after every refresh.

#include "catalogue/monster_loader.h"
#include "engine/candidate_filter.h"
#include "engine/damage_model.h"
#include "engine/differences.h"
#include "engine/elimination.h"
#include "engine/next_observation.h"
#include "engine/text_search.h"
#include "support/monster_files.h"
#include "text/normaliser.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace kestrel;

namespace {

void runAssistant(benchmark::State& state, ObservationState observations, FilterInputs inputs)
{
    auto catalogue = std::make_unique<Catalogue>();
    loadMonsterBytes(*catalogue, kestrel::testing::generatedExtendedFile(kMaxMonsters, 1), "bench.csv", {});
    computeExpectedDamage(*catalogue, 180, 150);
    observations.currentClass = 4;
    splitSearchText(observations.search, inputs.searchText);
    normaliseSearchWords(observations.search);
    refresh(*catalogue, observations, inputs);
    std::size_t advised = 0;
    for (auto _ : state) {
        const Elimination elimination = explainElimination(*catalogue, observations, inputs);
        const AdviceContext context{*catalogue, observations, inputs, elimination, 2};
        // As the hint panel: one tally of the yes/no observations for the advice
        // and the six value buttons' splits.
        const FactTally tally = tallyFacts(context);
        const std::vector<Advice> advice = adviseNextObservation(context, tally);
        benchmark::DoNotOptimize(tally.splits.data());
        advised = advice.size();
        benchmark::DoNotOptimize(advised);
    }
    state.counters["candidates"] = observations.candidateCount;
    state.counters["advised"] = static_cast<double>(advised);
}

void BM_AssistantNothingObserved(benchmark::State& state)
{
    FilterInputs in;
    in.WEIGHT = 900;  // the push test open too
    runAssistant(state, ObservationState{}, in);
}
BENCHMARK(BM_AssistantNothingObserved)->Unit(benchmark::kMicrosecond);

void BM_AssistantTwoFacts(benchmark::State& state)
{
    ObservationState s;
    s.observedMpDrain = 0;
    s.observedAnger = 1;
    FilterInputs in;
    in.mpDrain = in.anger = true;
    in.WEIGHT = 900;
    runAssistant(state, s, in);
}
BENCHMARK(BM_AssistantTwoFacts)->Unit(benchmark::kMicrosecond);

void BM_AssistantDamageAndFamily(benchmark::State& state)
{
    ObservationState s;
    s.familyExcluded[3] = 1;
    FilterInputs in;
    in.familyExclusion = in.dealtDamage = in.tolerance = true;
    in.dealtLow = 20;
    in.dealtHigh = 40;
    runAssistant(state, s, in);
}
BENCHMARK(BM_AssistantDamageAndFamily)->Unit(benchmark::kMicrosecond);

void BM_AssistantEmptiedBySearch(benchmark::State& state)
{
    // Every criterion judged for every record: facts, damage both ways, and a
    // skill and name search that leave (almost) nothing.
    ObservationState s;
    s.observedFloating = 0;
    s.observedSize = 0;
    s.hpAtLeast = 1;
    FilterInputs in;
    in.floating = in.size = in.hpAtLeast = true;
    in.dealtDamage = in.takenDamage = true;
    in.dealtLow = in.dealtHigh = 30;
    in.takenLow = in.takenHigh = 20;
    in.searchText = "\x82\xd9\x82\xcc\x82\xa8 \x81\x97\x83\x58";  // ほのお ＠ス
    in.textSearch = true;
    runAssistant(state, s, in);
}
BENCHMARK(BM_AssistantEmptiedBySearch)->Unit(benchmark::kMicrosecond);

// Every record with eight skills of its own choice from 240 (技001 ... 技240),
// a tenth of them 仲間を呼ぶ with the record's name, as the loader stores it.
void giveEightSkills(Catalogue& catalogue)
{
    for (int i = 0; i < catalogue.monsterCount; ++i) {
        MonsterRecord& r = catalogue.monsterTable[i];
        r.skillCount = kMaxSkills;
        for (int k = 0; k < kMaxSkills; ++k) {
            char text[kSkillSize];
            if (k == 0 && i % 10 == 0)
                std::snprintf(text, sizeof text, "\x92\x87\x8a\xd4\x82\xf0\x8c\xc4\x82\xd4(%s)", r.name);
            else
                std::snprintf(text, sizeof text, "\x8b\x5a%03d", 1 + (i * 37 + k * 53) % 240);
            std::memcpy(r.skills[k], text, sizeof text);
            normaliseText(r.skills[k], r.skillKeys[k], kSkillSize);
        }
    }
}

std::unique_ptr<Catalogue> eightSkillsCatalogue(ObservationState& observations, const FilterInputs& inputs)
{
    auto catalogue = std::make_unique<Catalogue>();
    loadMonsterBytes(*catalogue, kestrel::testing::generatedExtendedFile(kMaxMonsters, 1), "bench.csv", {});
    giveEightSkills(*catalogue);
    computeExpectedDamage(*catalogue, 180, 150);
    observations.currentClass = 4;
    refresh(*catalogue, observations, inputs);
    return catalogue;
}

// The whole assistant as the hint panel runs it, the skill seen and further
// hits included: the differences only for two to five candidates or when
// nothing is advised.
void runWithSkills(benchmark::State& state, ObservationState observations, FilterInputs inputs)
{
    auto catalogue = eightSkillsCatalogue(observations, inputs);
    std::size_t advised = 0, differing = 0;
    for (auto _ : state) {
        const Elimination elimination = explainElimination(*catalogue, observations, inputs);
        const AdviceContext context{*catalogue, observations, inputs, elimination, 2};
        const FactTally tally = tallyFacts(context);
        const std::vector<Advice> advice = adviseNextObservation(context, tally);
        benchmark::DoNotOptimize(tally.splits.data());
        advised = advice.size();
        const std::size_t left = elimination.candidates.size();
        if (left >= 2 && (left <= kMaxDifferencesShown || advice.empty())) {
            const Differences differences = findDifferences(context);
            differing = differences.traits.size() + differences.skills.size();
        }
        benchmark::DoNotOptimize(differing);
    }
    state.counters["candidates"] = observations.candidateCount;
    state.counters["advised"] = static_cast<double>(advised);
}

void BM_AssistantEightSkillsEach(benchmark::State& state)
{
    FilterInputs in;
    in.WEIGHT = 900;
    runWithSkills(state, ObservationState{}, in);
}
BENCHMARK(BM_AssistantEightSkillsEach)->Unit(benchmark::kMicrosecond);

void BM_AssistantEightSkillsEachAfterAHit(benchmark::State& state)
{
    // A hit in force that the records of unknown defense and some others keep:
    // one more hit is advised over them.
    FilterInputs in;
    in.WEIGHT = 900;
    in.dealtDamage = true;
    in.dealtLow = in.dealtHigh = 30;
    runWithSkills(state, ObservationState{}, in);
}
BENCHMARK(BM_AssistantEightSkillsEachAfterAHit)->Unit(benchmark::kMicrosecond);

void BM_AssistantEightSkillsEachSkillSearched(benchmark::State& state)
{
    // One skill searched, a hit and two facts: a handful of candidates, the
    // differences shown.
    FilterInputs in;
    in.WEIGHT = 900;
    in.dealtDamage = in.anger = in.mpDrain = true;
    in.dealtLow = in.dealtHigh = 30;
    in.searchText =
        "\x8b\x5a"
        "001";  // 技001
    in.textSearch = true;
    ObservationState s;
    s.observedAnger = 1;
    s.observedMpDrain = 0;
    splitSearchText(s.search, in.searchText);
    normaliseSearchWords(s.search);
    runWithSkills(state, s, in);
}
BENCHMARK(BM_AssistantEightSkillsEachSkillSearched)->Unit(benchmark::kMicrosecond);

// The differences over every candidate, which the panel never asks for: what
// showing them at 1024 candidates would add.
void BM_DifferencesOfEveryCandidate(benchmark::State& state)
{
    FilterInputs in;
    in.WEIGHT = 900;
    ObservationState observations;
    auto catalogue = eightSkillsCatalogue(observations, in);
    const Elimination elimination = explainElimination(*catalogue, observations, in);
    const AdviceContext context{*catalogue, observations, in, elimination, 2};
    std::size_t differing = 0;
    for (auto _ : state) {
        const Differences differences = findDifferences(context);
        differing = differences.traits.size() + differences.skills.size();
        benchmark::DoNotOptimize(differing);
    }
    state.counters["differing"] = static_cast<double>(differing);
}
BENCHMARK(BM_DifferencesOfEveryCandidate)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
