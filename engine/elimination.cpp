#include "engine/elimination.h"

#include "text/normaliser.h"
#include "engine/text_search.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

namespace kestrel {

namespace {

// What every record is judged against, prepared once.
struct Judge {
    const ObservationState& state;
    const FilterInputs& inputs;
    CriteriaInForce on;
    PushLimits limits;
    std::string namePrefix;
};

bool in(const Judge& j, Criterion c) { return j.on[static_cast<std::size_t>(c)]; }

void failIf(RecordVerdict& v, Criterion c, bool fails)
{
    if (fails)
        v.failed |= 1U << static_cast<unsigned>(c);
}

void judgeFacts(const Judge& j, const MonsterRecord& r, RecordVerdict& v)
{
    const ObservationState& s = j.state;
    failIf(v, Criterion::floating, in(j, Criterion::floating) && !floatingKeeps(r, s.observedFloating));
    failIf(v, Criterion::metal, in(j, Criterion::metal) && !metalKeeps(r, s.observedMetal));
    failIf(v, Criterion::size, in(j, Criterion::size) && !sizeKeeps(r, s.observedSize));
    failIf(v, Criterion::mpDrain, in(j, Criterion::mpDrain) && !mpDrainKeeps(r, s.observedMpDrain));
    failIf(v, Criterion::anger, in(j, Criterion::anger) && !angerKeeps(r, s.observedAnger));
    failIf(v, Criterion::push, in(j, Criterion::push) && !pushKeeps(r, s.observedPush, j.limits));
    failIf(v, Criterion::hpAtLeast, in(j, Criterion::hpAtLeast) && !atLeastKeeps(r.hp, s.hpAtLeast));
    failIf(v, Criterion::hpAtMost, in(j, Criterion::hpAtMost) && !atMostKeeps(r.hp, s.hpAtMost));
    failIf(v, Criterion::mpAtLeast, in(j, Criterion::mpAtLeast) && !atLeastKeeps(r.mp, s.mpAtLeast));
    failIf(v, Criterion::mpAtMost, in(j, Criterion::mpAtMost) && !atMostKeeps(r.mp, s.mpAtMost));
}

void judgeDamage(const Judge& j, const MonsterRecord& r, RecordVerdict& v)
{
    // A low-high pair fails when either typed value is outside.
    if (in(j, Criterion::dealtDamage)) {
        const DamageInterval allowed = dealtInterval(r, j.inputs);
        if (!intervalKeeps(allowed, j.inputs.dealtLow) || !intervalKeeps(allowed, j.inputs.dealtHigh)) {
            failIf(v, Criterion::dealtDamage, true);
            v.dealt = allowed;
        }
    }
    if (in(j, Criterion::takenDamage)) {
        const DamageInterval allowed = takenInterval(r, j.inputs);
        if (!intervalKeeps(allowed, j.inputs.takenLow) || !intervalKeeps(allowed, j.inputs.takenHigh)) {
            failIf(v, Criterion::takenDamage, true);
            v.taken = allowed;
        }
    }
}

void judgeText(const Judge& j, Catalogue& catalogue, int i, RecordVerdict& v)
{
    const MonsterRecord& r = catalogue.monsterTable[i];
    failIf(v, Criterion::familyExclusion, in(j, Criterion::familyExclusion) && !familyExclusionKeeps(r, j.state));
    failIf(v, Criterion::familyConfirmation,
           in(j, Criterion::familyConfirmation) && !familyConfirmationKeeps(r, j.state.familyConfirmed));
    failIf(v, Criterion::name, in(j, Criterion::name) && !nameKeeps(catalogue, i, j.namePrefix));
    if (in(j, Criterion::skill)) {
        std::uint8_t hits[kMaxSkills];
        failIf(v, Criterion::skill, !skillKeeps(r, j.state.search, hits));
    }
    if (in(j, Criterion::trivia)) {
        std::int32_t flags[kTriviaHits];
        failIf(v, Criterion::trivia, !triviaKeeps(catalogue, r, j.inputs.searchText, flags));
    }
}

}  // namespace

int RecordVerdict::failedCount() const { return std::popcount(failed); }

Elimination explainElimination(Catalogue& catalogue, const ObservationState& state, const FilterInputs& inputs)
{
    Judge judge{state, inputs, {}, pushLimits(inputs.WEIGHT), {}};
    if (state.refreshSuppressed != 1)
        judge.on = criteriaInForce(state, inputs);
    if (in(judge, Criterion::name)) {
        const char* text = state.search.nameSearchText;
        judge.namePrefix = normaliseText({text, ::strnlen(text, sizeof state.search.nameSearchText)});
    }

    Elimination result;
    const int n = std::clamp<std::int32_t>(catalogue.monsterCount, 0, kMaxMonsters);
    result.verdicts.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const MonsterRecord& r = catalogue.monsterTable[i];
        if (state.refreshSuppressed != 1 && r.quizClass > state.currentClass)
            continue;
        RecordVerdict v;
        v.index = i;
        judgeFacts(judge, r, v);
        judgeDamage(judge, r, v);
        judgeText(judge, catalogue, i, v);
        if (v.failed == 0)
            result.candidates.push_back(i);
        result.verdicts.push_back(v);
    }
    for (int wanted = 1; wanted <= 2; ++wanted) {
        for (const RecordVerdict& v : result.verdicts) {
            if (v.failedCount() == wanted && result.nearMisses.size() < kMaxNearMisses)
                result.nearMisses.push_back(v.index);
        }
    }
    return result;
}

}  // namespace kestrel
