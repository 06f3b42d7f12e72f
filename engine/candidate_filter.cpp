#include "engine/candidate_filter.h"

#include "engine/text_search.h"

#include <algorithm>
#include <cmath>

namespace kestrel {

namespace {

int recordCount(const Catalogue& catalogue) {
    return std::clamp<std::int32_t>(catalogue.monsterCount, 0, kMaxMonsters);
}

// Clears isCandidate of every record still standing for which drop(record) holds;
// records removed earlier are not looked at again.
template <typename Predicate>
void removeWhere(Catalogue& catalogue, Predicate drop) {
    const int n = recordCount(catalogue);
    for (int i = 0; i < n; ++i) {
        MonsterRecord& r = catalogue.monsterTable[i];
        if (r.isCandidate == 1 && drop(r)) r.isCandidate = 0;
    }
}

// A percentage used as a divisor; settings never hold 0, but a zero must not divide.
std::int64_t divisor(std::int32_t percent) {
    return percent == 0 ? 100 : percent;
}

void applyPush(Catalogue& catalogue, std::int32_t observedPush, std::int32_t W) {
    // Limits multiplied in double, then rounded to float; weights compared in float.
    const float heavyLimit = static_cast<float>(static_cast<double>(W) * 1.8575);
    const float lightLimit = static_cast<float>(static_cast<double>(W) * 0.8);
    if (observedPush == 0) {
        removeWhere(catalogue, [&](const MonsterRecord& r) {
            return static_cast<float>(r.weight) > heavyLimit;
        });
    } else {
        // An unknown weight (-1) is lighter than any limit and is removed.
        removeWhere(catalogue, [&](const MonsterRecord& r) {
            return static_cast<float>(r.weight) < lightLimit;
        });
    }
}

void applyFamilyExclusion(Catalogue& catalogue, const ObservationState& state) {
    for (std::int32_t k = 1; k <= kFamilyCount; ++k) {
        if (state.familyExcluded[k] != 1) continue;
        // The whole value is compared, so an uncertain family is never excluded.
        removeWhere(catalogue, [&](const MonsterRecord& r) { return r.family == k; });
    }
}

void applyFamilyConfirmation(Catalogue& catalogue, std::int32_t confirmed) {
    removeWhere(catalogue, [&](const MonsterRecord& r) {
        return r.family != 0 && (r.family & kUncertainFamily) == 0 && (r.family & 0x7F) != confirmed;
    });
}

}  // namespace

void testDealtDamage(Catalogue& catalogue, const FilterInputs& inputs, std::int32_t value) {
    const std::int64_t L = inputs.tolerance ? divisor(inputs.tolerances.PERM_ATK_L) : 100;
    const std::int64_t H = inputs.tolerance ? divisor(inputs.tolerances.PERM_ATK_H) : 100;
    // Products are taken in 64 bits so that any typed or stored value is safe; the
    // bounds equal the 32-bit ones wherever those do not overflow.
    removeWhere(catalogue, [&](const MonsterRecord& r) {
        // A monster of unknown defense (0 or -1) is never tested: unknown never eliminates.
        if (r.defense == 0 || r.defense == -1) return false;
        const std::int64_t s = r.dealtSpread;
        const std::int64_t lowBound = (std::int64_t{r.dealtMin} * 100) / H - s;
        const std::int64_t highBound = (std::int64_t{r.dealtMax} * 100) / L + s;
        return value < lowBound || value > highBound;
    });
}

void testTakenDamage(Catalogue& catalogue, const FilterInputs& inputs, std::int32_t value) {
    const std::int64_t L = inputs.tolerance ? inputs.tolerances.PERM_DEF_L : 100;
    const std::int64_t H = inputs.tolerance ? inputs.tolerances.PERM_DEF_H : 100;
    // Each orb level hides 2 points of received damage.
    const std::int64_t adjusted = std::int64_t{value} + 2 * std::int64_t{inputs.ORBUMLV};
    removeWhere(catalogue, [&](const MonsterRecord& r) {
        // A monster of unknown attack (0 or -1) is never tested: unknown attack never
        // eliminates, however little damage the player took.
        if (r.attack == 0 || r.attack == -1) return false;
        const std::int64_t s = r.takenSpread;
        // The low side allows 70 % of the minimum, computed in double and truncated.
        const auto q = static_cast<std::int64_t>(std::trunc(static_cast<double>(r.takenMin) * -0.7));
        const std::int64_t lowBound = -((q * L) / 100) - s;
        const std::int64_t highBound = (std::int64_t{r.takenMax} * H) / 100 + s;
        return adjusted < lowBound || adjusted > highBound;
    });
}

void refresh(Catalogue& catalogue, ObservationState& state, const FilterInputs& inputs) {
    const int n = recordCount(catalogue);
    for (int i = 0; i < n; ++i) catalogue.monsterTable[i].isCandidate = 1;
    if (state.refreshSuppressed == 1) return;

    removeWhere(catalogue, [&](const MonsterRecord& r) { return r.quizClass > state.currentClass; });

    if (inputs.floating && state.observedFloating != -1) {
        // A record that may float or not (-1) passes both observations.
        if (state.observedFloating != 0) {
            removeWhere(catalogue, [](const MonsterRecord& r) { return r.floating != 1 && r.floating != -1; });
        } else {
            removeWhere(catalogue, [](const MonsterRecord& r) { return r.floating == 1; });
        }
    }
    if (inputs.metal && state.observedMetal != -1) {
        const std::int32_t wanted = state.observedMetal != 0 ? 1 : 0;
        removeWhere(catalogue, [&](const MonsterRecord& r) { return r.metal != wanted; });
    }
    if (inputs.size && state.observedSize != -1) {
        removeWhere(catalogue, [&](const MonsterRecord& r) { return r.size != state.observedSize; });
    }
    if (inputs.mpDrain && state.observedMpDrain != -1) {
        removeWhere(catalogue, [&](const MonsterRecord& r) { return r.mpDrain != state.observedMpDrain; });
    }
    if (inputs.anger && state.observedAnger != 0) {
        const bool gotAngry = state.observedAnger == 1;
        removeWhere(catalogue, [&](const MonsterRecord& r) {
            if (r.noAnger == -1) return false;
            return gotAngry ? r.noAnger == 1 : r.noAnger != 1;
        });
    }
    if (inputs.push && state.observedPush != -1 && inputs.WEIGHT <= 1000) {
        applyPush(catalogue, state.observedPush, inputs.WEIGHT);
    }

    // The bound itself passes both the "at least" and the "at most" test.
    if (inputs.hpAtLeast && state.hpAtLeast != -1) {
        removeWhere(catalogue, [&](const MonsterRecord& r) { return r.hp != -1 && r.hp < state.hpAtLeast; });
    }
    if (inputs.hpAtMost && state.hpAtMost != -1) {
        removeWhere(catalogue, [&](const MonsterRecord& r) { return r.hp != -1 && r.hp > state.hpAtMost; });
    }
    if (inputs.mpAtLeast && state.mpAtLeast != -1) {
        removeWhere(catalogue, [&](const MonsterRecord& r) { return r.mp != -1 && r.mp < state.mpAtLeast; });
    }
    if (inputs.mpAtMost && state.mpAtMost != -1) {
        removeWhere(catalogue, [&](const MonsterRecord& r) { return r.mp != -1 && r.mp > state.mpAtMost; });
    }

    // An empty damage edit reads as 0 and is tested as 0.
    if (inputs.dealtDamage) {
        testDealtDamage(catalogue, inputs, inputs.dealtLow);
        testDealtDamage(catalogue, inputs, inputs.dealtHigh);
    }
    if (inputs.takenDamage) {
        testTakenDamage(catalogue, inputs, inputs.takenLow);
        testTakenDamage(catalogue, inputs, inputs.takenHigh);
    }

    if (inputs.familyExclusion) applyFamilyExclusion(catalogue, state);
    if (inputs.familyConfirmation && state.familyConfirmed != -1) {
        applyFamilyConfirmation(catalogue, state.familyConfirmed);
    }

    applyTextCriteria(catalogue, state, inputs.textSearch, inputs.searchText);

    std::int32_t count = 0;
    for (int i = 0; i < n; ++i) count += catalogue.monsterTable[i].isCandidate == 1 ? 1 : 0;
    state.candidateCount = count;
}

}  // namespace kestrel
