#include "engine/differences.h"

#include "engine/criteria.h"
#include "engine/skill_answers.h"

#include <algorithm>
#include <cstdlib>

namespace kestrel {

namespace {

constexpr std::array<std::int32_t, 2> kFirstAnswers[] = {
    {1, 0},  // floating
    {1, 0},  // metal
    {0, 1},  // size
    {0, 1},  // mpDrain
    {1, 2},  // anger
    {0, 1},  // push
};

TraitValue known(std::int64_t low, std::int64_t high) { return {true, low, high}; }

TraitValue factValue(const AdviceContext& ctx, Observation o, const MonsterRecord& r)
{
    const unsigned kept = factAnswersKeeping(ctx, o, r);
    const auto& answers = kFirstAnswers[static_cast<std::size_t>(o)];
    if (kept == 1U)
        return known(answers[0], answers[0]);
    if (kept == 2U)
        return known(answers[1], answers[1]);
    return {};
}

TraitValue valueOf(const AdviceContext& ctx, Trait t, const MonsterRecord& r)
{
    switch (t) {
    case Trait::family: {
        if (r.family < 1 || r.family > kFamilyCount)
            return {};  // unknown, uncertain or out of range
        return known(r.family, r.family);
    }
    case Trait::dealtDamage:
    case Trait::takenDamage: {
        const DamageInterval d = t == Trait::dealtDamage ? dealtInterval(r, ctx.inputs) : takenInterval(r, ctx.inputs);
        if (!d.tested)
            return {};
        return known(std::max<std::int64_t>(d.low, 0), d.high);
    }
    case Trait::hp: return r.hp == -1 ? TraitValue{} : known(r.hp, r.hp);
    default: return factValue(ctx, static_cast<Observation>(t), r);
    }
}

bool differ(const std::vector<TraitValue>& values)
{
    const TraitValue* first = nullptr;
    for (const TraitValue& v : values) {
        if (!v.known)
            continue;
        if (first && !(v == *first))
            return true;
        if (!first)
            first = &v;
    }
    return false;
}

}  // namespace

const char* traitName(Trait trait)
{
    static constexpr const char* kNames[kTraitCount] = {"floating", "metal",  "size",        "mpDrain",     "anger",
                                                        "push",     "family", "dealtDamage", "takenDamage", "hp"};
    const auto i = static_cast<std::size_t>(trait);
    return i < kTraitCount ? kNames[i] : "";
}

Differences findDifferences(const AdviceContext& context)
{
    Differences result;
    result.candidates = context.elimination.candidates;
    for (int t = 0; t < kTraitCount; ++t) {
        const auto trait = static_cast<Trait>(t);
        if (trait == Trait::push && context.inputs.WEIGHT > 1000)
            continue;
        TraitRow row{trait, {}};
        for (std::int32_t i : result.candidates)
            row.values.push_back(valueOf(context, trait, context.catalogue.monsterTable[static_cast<std::size_t>(i)]));
        if (differ(row.values))
            result.traits.push_back(std::move(row));
    }
    const SkillAnswers found = collectSkillAnswers(context.catalogue, result.candidates);
    const auto n = static_cast<std::int32_t>(result.candidates.size());
    std::vector<std::int32_t> rowOf(found.answers.size(), -1);
    for (std::size_t a = 0; a < found.answers.size(); ++a) {
        const std::int32_t count = found.answers[a].kept;
        if (count == 0 || count == n)
            continue;
        rowOf[a] = static_cast<std::int32_t>(result.skills.size());
        result.skills.push_back({found.answers[a].text, std::vector<bool>(result.candidates.size()), count});
    }
    for (std::size_t c = 0; c < found.candidateCount(); ++c)
        for (std::int32_t a : found.keeping(c))
            if (const std::int32_t row = rowOf[static_cast<std::size_t>(a)]; row >= 0)
                result.skills[static_cast<std::size_t>(row)].has[c] = true;
    std::stable_sort(result.skills.begin(), result.skills.end(), [n](const SkillRow& x, const SkillRow& y) {
        const std::int32_t dx = std::abs(2 * x.count - n), dy = std::abs(2 * y.count - n);
        return dx != dy ? dx < dy : x.count > y.count;
    });
    return result;
}

}  // namespace kestrel
