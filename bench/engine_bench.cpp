// Figures for the hot paths on a full table of 1024 generated monsters: loading,
// expected damage, refresh with various observations, and the seven sorts, each
// beside the literal exchange sort of whole records; the run ends with a table
// of how many times faster each sort is than the literal one.

#include "catalogue/monster_loader.h"
#include "engine/candidate_filter.h"
#include "engine/damage_model.h"
#include "engine/sorting.h"
#include "engine/text_search.h"
#include "support/literal_sort.h"
#include "support/monster_files.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace kestrel;

namespace {

std::unique_ptr<Catalogue> fullTable()
{
    auto catalogue = std::make_unique<Catalogue>();
    loadMonsterBytes(*catalogue, kestrel::testing::generatedExtendedFile(kMaxMonsters, 1), "bench.csv", {});
    computeExpectedDamage(*catalogue, 180, 150);
    return catalogue;
}

void BM_LoadExtendedFile(benchmark::State& state)
{
    kestrel::testing::TempDir dir;
    const std::string path = dir.write("monsters.csv", kestrel::testing::generatedExtendedFile(kMaxMonsters, 1));
    auto catalogue = std::make_unique<Catalogue>();
    for (auto _ : state) {
        loadMonsterFile(*catalogue, path, {});
        benchmark::DoNotOptimize(catalogue->monsterCount);
    }
    state.counters["records"] = catalogue->monsterCount;
}
BENCHMARK(BM_LoadExtendedFile)->Unit(benchmark::kMillisecond);

void BM_ComputeExpectedDamage(benchmark::State& state)
{
    auto catalogue = fullTable();
    for (auto _ : state) {
        computeExpectedDamage(*catalogue, 180, 150);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeExpectedDamage)->Unit(benchmark::kMicrosecond);

void runRefresh(benchmark::State& state, ObservationState observations, const FilterInputs& inputs)
{
    auto catalogue = fullTable();
    observations.currentClass = 4;
    splitSearchText(observations.search, inputs.searchText);
    normaliseSearchWords(observations.search);
    for (auto _ : state) {
        refresh(*catalogue, observations, inputs);
        benchmark::DoNotOptimize(observations.candidateCount);
    }
    state.counters["candidates"] = observations.candidateCount;
}

void BM_RefreshNoCriteria(benchmark::State& state) { runRefresh(state, ObservationState{}, FilterInputs{}); }
BENCHMARK(BM_RefreshNoCriteria)->Unit(benchmark::kMicrosecond);

void BM_RefreshEveryObservation(benchmark::State& state)
{
    // Observations chosen to keep some candidates to the end, so every step walks them.
    ObservationState s;
    s.observedFloating = 0;
    s.observedMetal = 0;
    s.observedSize = 0;
    s.observedMpDrain = 0;
    s.observedAnger = 1;
    s.observedPush = 0;
    s.hpAtLeast = 1;
    s.hpAtMost = 100000;
    s.mpAtLeast = 1;
    s.mpAtMost = 100000;
    s.familyExcluded[3] = 1;
    FilterInputs in;
    in.floating = in.metal = in.size = in.mpDrain = in.anger = in.push = true;
    in.hpAtLeast = in.hpAtMost = in.mpAtLeast = in.mpAtMost = true;
    in.familyExclusion = true;
    in.dealtDamage = in.takenDamage = in.tolerance = true;
    in.dealtLow = 20;
    in.dealtHigh = 40;
    in.takenLow = 10;
    in.takenHigh = 30;
    in.WEIGHT = 900;
    runRefresh(state, s, in);
}
BENCHMARK(BM_RefreshEveryObservation)->Unit(benchmark::kMicrosecond);

void BM_RefreshSkillAndNameSearch(benchmark::State& state)
{
    FilterInputs in;
    // Three skill words and a name search (code page 932): ほのお い ス, ＠ス
    in.searchText = "\x82\xd9\x82\xcc\x82\xa8 \x82\xa2 \x83\x58 \x81\x97\x83\x58";
    in.textSearch = true;
    runRefresh(state, ObservationState{}, in);
}
BENCHMARK(BM_RefreshSkillAndNameSearch)->Unit(benchmark::kMicrosecond);

template <class Sort>
void runSort(benchmark::State& state, Sort sort)
{
    const auto key = static_cast<std::int32_t>(state.range(0));
    auto pristine = fullTable();
    auto catalogue = std::make_unique<Catalogue>();
    for (auto _ : state) {
        state.PauseTiming();
        catalogue->monsterTable = pristine->monsterTable;
        catalogue->monsterCount = pristine->monsterCount;
        state.ResumeTiming();
        sort(*catalogue, key);
        benchmark::ClobberMemory();
    }
}

void BM_Sort(benchmark::State& state)
{
    runSort(state, [](Catalogue& c, std::int32_t key) { applySort(c, key, 0); });
}
BENCHMARK(BM_Sort)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

void BM_LiteralSort(benchmark::State& state)
{
    runSort(state, [](Catalogue& c, std::int32_t key) { kestrel::testing::literalApplySort(c, key, 0); });
}
BENCHMARK(BM_LiteralSort)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// The console output, then the sorts against the literal one: the median CPU
// times when there are repetitions, else the single figures.
class SortRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!single && run.aggregate_name != "median")
                continue;
            const std::string& name = run.run_name.function_name;
            if (name == "BM_Sort" || name == "BM_LiteralSort")
                cpuMs_[name][run.run_name.args] = run.GetAdjustedCPUTime();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto& ours = cpuMs_["BM_Sort"];
        const auto& literal = cpuMs_["BM_LiteralSort"];
        if (ours.empty() || literal.empty())
            return;
        std::printf("\nsort key   literal ms   sort ms   times faster\n");
        for (const auto& [key, ms] : ours) {
            const auto it = literal.find(key);
            if (it != literal.end() && ms > 0)
                std::printf("%-8s %10.3f %9.3f %12.1f\n", key.c_str(), it->second, ms, it->second / ms);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> cpuMs_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SortRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
