#include "engine/criteria.h"

#include "engine/profile_values.h"
#include "engine/text_search.h"

#include <cmath>

namespace kestrel {

namespace {

// A percentage used as a divisor; settings never hold 0, but a zero must not divide.
std::int64_t divisor(std::int32_t percent) { return percent == 0 ? 100 : percent; }

bool unknownStat(std::int32_t value) { return value == 0 || value == -1; }

}  // namespace

const char* criterionName(Criterion criterion)
{
    static constexpr const char* kNames[kCriterionCount] = {"floating",
                                                            "metal",
                                                            "size",
                                                            "mpDrain",
                                                            "anger",
                                                            "push",
                                                            "hpAtLeast",
                                                            "hpAtMost",
                                                            "mpAtLeast",
                                                            "mpAtMost",
                                                            "dealtDamage",
                                                            "takenDamage",
                                                            "familyExclusion",
                                                            "familyConfirmation",
                                                            "name",
                                                            "skill",
                                                            "trivia"};
    const auto i = static_cast<std::size_t>(criterion);
    return i < kCriterionCount ? kNames[i] : "";
}

CriteriaInForce criteriaInForce(const ObservationState& state, const FilterInputs& inputs)
{
    CriteriaInForce on{};
    auto set = [&on](Criterion c, bool value) { on[static_cast<std::size_t>(c)] = value; };
    set(Criterion::floating, inputs.floating && state.observedFloating != -1);
    set(Criterion::metal, inputs.metal && state.observedMetal != -1);
    set(Criterion::size, inputs.size && state.observedSize != -1);
    set(Criterion::mpDrain, inputs.mpDrain && state.observedMpDrain != -1);
    set(Criterion::anger, inputs.anger && state.observedAnger != 0);
    set(Criterion::push, inputs.push && state.observedPush != -1 && inputs.WEIGHT <= 1000);
    set(Criterion::hpAtLeast, inputs.hpAtLeast && state.hpAtLeast != -1);
    set(Criterion::hpAtMost, inputs.hpAtMost && state.hpAtMost != -1);
    set(Criterion::mpAtLeast, inputs.mpAtLeast && state.mpAtLeast != -1);
    set(Criterion::mpAtMost, inputs.mpAtMost && state.mpAtMost != -1);
    // A damage measured against an unset attack or defense tells nothing.
    set(Criterion::dealtDamage, inputs.dealtDamage && !playerAttackUnset(inputs.ATACK));
    set(Criterion::takenDamage, inputs.takenDamage && !playerDefenseUnset(inputs.DEFENSE));
    set(Criterion::familyExclusion, inputs.familyExclusion);
    set(Criterion::familyConfirmation, inputs.familyConfirmation && state.familyConfirmed != -1);
    const TextCriteria text = textCriteriaInForce(state, inputs.textSearch, inputs.searchText);
    set(Criterion::name, text.name);
    set(Criterion::skill, text.skill);
    set(Criterion::trivia, text.trivia);
    return on;
}

bool floatingKeeps(const MonsterRecord& r, std::int32_t observedFloating)
{
    // A record that may float or not (-1) passes both observations.
    if (observedFloating != 0)
        return r.floating == 1 || r.floating == -1;
    return r.floating != 1;
}

bool metalKeeps(const MonsterRecord& r, std::int32_t observedMetal) { return r.metal == (observedMetal != 0 ? 1 : 0); }

bool sizeKeeps(const MonsterRecord& r, std::int32_t observedSize) { return r.size == observedSize; }

bool mpDrainKeeps(const MonsterRecord& r, std::int32_t observedMpDrain) { return r.mpDrain == observedMpDrain; }

bool angerKeeps(const MonsterRecord& r, std::int32_t observedAnger)
{
    if (r.noAnger == -1)
        return true;
    return observedAnger == 1 ? r.noAnger != 1 : r.noAnger == 1;
}

PushLimits pushLimits(std::int32_t W)
{
    // Limits multiplied in double, then rounded to float; weights compared in float.
    return {static_cast<float>(static_cast<double>(W) * 1.8575), static_cast<float>(static_cast<double>(W) * 0.8)};
}

bool pushKeeps(const MonsterRecord& r, std::int32_t observedPush, const PushLimits& limits)
{
    // An unknown weight (-1) is lighter than any limit: kept by "pushed", removed otherwise.
    if (observedPush == 0)
        return !(static_cast<float>(r.weight) > limits.heavy);
    return !(static_cast<float>(r.weight) < limits.light);
}

bool atLeastKeeps(std::int32_t value, std::int32_t bound) { return value == -1 || value >= bound; }

bool atMostKeeps(std::int32_t value, std::int32_t bound) { return value == -1 || value <= bound; }

DamageInterval dealtInterval(const MonsterRecord& r, const FilterInputs& inputs)
{
    if (unknownStat(r.defense))
        return {};
    const std::int64_t L = inputs.tolerance ? divisor(inputs.tolerances.PERM_ATK_L) : 100;
    const std::int64_t H = inputs.tolerance ? divisor(inputs.tolerances.PERM_ATK_H) : 100;
    // Products are taken in 64 bits so that any typed or stored value is safe; the
    // bounds equal the 32-bit ones wherever those do not overflow.
    const std::int64_t s = r.dealtSpread;
    return {true, (std::int64_t{r.dealtMin} * 100) / H - s, (std::int64_t{r.dealtMax} * 100) / L + s};
}

DamageInterval takenInterval(const MonsterRecord& r, const FilterInputs& inputs)
{
    if (unknownStat(r.attack))
        return {};
    const std::int64_t L = inputs.tolerance ? inputs.tolerances.PERM_DEF_L : 100;
    const std::int64_t H = inputs.tolerance ? inputs.tolerances.PERM_DEF_H : 100;
    const std::int64_t s = r.takenSpread;
    // The low side allows 70 % of the minimum, computed in double and truncated.
    const auto q = static_cast<std::int64_t>(std::trunc(static_cast<double>(r.takenMin) * -0.7));
    // Each orb level hides 2 points of received damage.
    const std::int64_t hidden = 2 * std::int64_t{inputs.ORBUMLV};
    return {true, -((q * L) / 100) - s - hidden, (std::int64_t{r.takenMax} * H) / 100 + s - hidden};
}

bool intervalKeeps(const DamageInterval& interval, std::int64_t typed)
{
    return !interval.tested || (typed >= interval.low && typed <= interval.high);
}

bool familyExclusionKeeps(const MonsterRecord& r, std::int32_t excludedFamily)
{
    // The whole value is compared, so an uncertain family is never excluded.
    return r.family != excludedFamily;
}

bool familyExclusionKeeps(const MonsterRecord& r, const ObservationState& state)
{
    return r.family < 1 || r.family > kFamilyCount || state.familyExcluded[r.family] != 1;
}

bool familyConfirmationKeeps(const MonsterRecord& r, std::int32_t confirmedFamily)
{
    return r.family == 0 || (r.family & kUncertainFamily) != 0 || (r.family & 0x7F) == confirmedFamily;
}

}  // namespace kestrel
