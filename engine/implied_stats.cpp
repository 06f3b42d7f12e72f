// The attack and defense values a record would need for the filter's damage
// tests to keep what was typed: the forward formula tried for every value.

#include "engine/answer_check.h"

#include "engine/criteria.h"
#include "engine/damage_model.h"

namespace kestrel {

namespace {

// The values v in kImpliedStatMin..kImpliedStatMax for which keeps(v) holds, as
// ascending disjoint intervals.
template <typename Keeps>
std::vector<StatInterval> intervalsWhere(Keeps keeps)
{
    std::vector<StatInterval> out;
    for (std::int32_t v = kImpliedStatMin; v <= kImpliedStatMax; ++v) {
        if (!keeps(v))
            continue;
        if (!out.empty() && out.back().second == v - 1)
            out.back().second = v;
        else
            out.emplace_back(v, v);
    }
    return out;
}

std::vector<StatInterval> everyValue() { return {{kImpliedStatMin, kImpliedStatMax}}; }

}  // namespace

std::vector<StatInterval> impliedAttack(const MonsterRecord& record, const FilterInputs& inputs,
                                        std::int32_t profileDefense)
{
    if (!inputs.takenDamage)
        return everyValue();
    FilterInputs plain = inputs;
    plain.tolerance = false;
    MonsterRecord r = record;
    return intervalsWhere([&](std::int32_t v) {
        const DamageRange range = expectedDamageRange(v, profileDefense, 0);
        r.attack = v;
        r.takenMin = range.min;
        r.takenMax = range.max;
        const DamageInterval allowed = takenInterval(r, plain);
        return intervalKeeps(allowed, plain.takenLow) && intervalKeeps(allowed, plain.takenHigh);
    });
}

std::vector<StatInterval> impliedDefense(const MonsterRecord& record, const FilterInputs& inputs,
                                         std::int32_t profileAttack)
{
    if (!inputs.dealtDamage)
        return everyValue();
    FilterInputs plain = inputs;
    plain.tolerance = false;
    MonsterRecord r = record;
    return intervalsWhere([&](std::int32_t v) {
        const DamageRange range = expectedDamageRange(profileAttack, v, r.metal);
        r.defense = v;
        r.dealtMin = range.min;
        r.dealtMax = range.max;
        const DamageInterval allowed = dealtInterval(r, plain);
        return intervalKeeps(allowed, plain.dealtLow) && intervalKeeps(allowed, plain.dealtHigh);
    });
}

bool impliedContains(const std::vector<StatInterval>& intervals, std::int32_t value)
{
    for (const StatInterval& i : intervals) {
        if (value >= i.first && (value <= i.second || i.second == kImpliedStatMax))
            return true;
    }
    return false;
}

}  // namespace kestrel
