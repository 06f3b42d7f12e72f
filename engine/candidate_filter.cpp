#include "engine/candidate_filter.h"

#include "engine/criteria.h"
#include "engine/text_search.h"

#include <algorithm>

namespace kestrel {

namespace {

int recordCount(const Catalogue& catalogue)
{
    return std::clamp<std::int32_t>(catalogue.monsterCount, 0, kMaxMonsters);
}

// Clears isCandidate of every record still standing for which drop(record) holds;
// records removed earlier are not looked at again.
template <typename Predicate>
void removeWhere(Catalogue& catalogue, Predicate drop)
{
    const int n = recordCount(catalogue);
    for (int i = 0; i < n; ++i) {
        MonsterRecord& r = catalogue.monsterTable[i];
        if (r.isCandidate == 1 && drop(r))
            r.isCandidate = 0;
    }
}

}  // namespace

void testDealtDamage(Catalogue& catalogue, const FilterInputs& inputs, std::int32_t value)
{
    removeWhere(catalogue, [&](const MonsterRecord& r) { return !intervalKeeps(dealtInterval(r, inputs), value); });
}

void testTakenDamage(Catalogue& catalogue, const FilterInputs& inputs, std::int32_t value)
{
    removeWhere(catalogue, [&](const MonsterRecord& r) { return !intervalKeeps(takenInterval(r, inputs), value); });
}

void refresh(Catalogue& catalogue, ObservationState& state, const FilterInputs& inputs)
{
    const int n = recordCount(catalogue);
    for (int i = 0; i < n; ++i)
        catalogue.monsterTable[i].isCandidate = 1;
    if (state.refreshSuppressed == 1)
        return;

    removeWhere(catalogue, [&](const MonsterRecord& r) { return r.quizClass > state.currentClass; });

    const CriteriaInForce on = criteriaInForce(state, inputs);
    auto inForce = [&on](Criterion c) { return on[static_cast<std::size_t>(c)]; };
    // Each criterion in force removes the records its predicate does not keep.
    auto apply = [&](Criterion c, auto keeps) {
        if (inForce(c))
            removeWhere(catalogue, [&](const MonsterRecord& r) { return !keeps(r); });
    };
    apply(Criterion::floating, [&](const MonsterRecord& r) { return floatingKeeps(r, state.observedFloating); });
    apply(Criterion::metal, [&](const MonsterRecord& r) { return metalKeeps(r, state.observedMetal); });
    apply(Criterion::size, [&](const MonsterRecord& r) { return sizeKeeps(r, state.observedSize); });
    apply(Criterion::mpDrain, [&](const MonsterRecord& r) { return mpDrainKeeps(r, state.observedMpDrain); });
    apply(Criterion::anger, [&](const MonsterRecord& r) { return angerKeeps(r, state.observedAnger); });
    const PushLimits limits = pushLimits(inputs.WEIGHT);
    apply(Criterion::push, [&](const MonsterRecord& r) { return pushKeeps(r, state.observedPush, limits); });
    apply(Criterion::hpAtLeast, [&](const MonsterRecord& r) { return atLeastKeeps(r.hp, state.hpAtLeast); });
    apply(Criterion::hpAtMost, [&](const MonsterRecord& r) { return atMostKeeps(r.hp, state.hpAtMost); });
    apply(Criterion::mpAtLeast, [&](const MonsterRecord& r) { return atLeastKeeps(r.mp, state.mpAtLeast); });
    apply(Criterion::mpAtMost, [&](const MonsterRecord& r) { return atMostKeeps(r.mp, state.mpAtMost); });

    // An empty damage edit reads as 0 and is tested as 0.
    if (inForce(Criterion::dealtDamage)) {
        testDealtDamage(catalogue, inputs, inputs.dealtLow);
        testDealtDamage(catalogue, inputs, inputs.dealtHigh);
    }
    if (inForce(Criterion::takenDamage)) {
        testTakenDamage(catalogue, inputs, inputs.takenLow);
        testTakenDamage(catalogue, inputs, inputs.takenHigh);
    }

    apply(Criterion::familyExclusion, [&](const MonsterRecord& r) { return familyExclusionKeeps(r, state); });
    apply(Criterion::familyConfirmation,
          [&](const MonsterRecord& r) { return familyConfirmationKeeps(r, state.familyConfirmed); });

    applyTextCriteria(catalogue, state, inputs.textSearch, inputs.searchText);

    std::int32_t count = 0;
    for (int i = 0; i < n; ++i)
        count += catalogue.monsterTable[i].isCandidate == 1 ? 1 : 0;
    state.candidateCount = count;
}

}  // namespace kestrel
