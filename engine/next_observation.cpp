#include "engine/next_observation.h"

#include "engine/criteria.h"

#include <algorithm>
#include <cmath>

namespace kestrel {

namespace {

constexpr std::array<std::int32_t, 2> kFactAnswers[] = {
    {1, 0},  // floating
    {1, 0},  // metal
    {0, 1},  // size
    {0, 1},  // mpDrain
    {1, 2},  // anger: got angry, did not
    {0, 1},  // push: could push it, could not
    {1, 0},  // family: confirmed, excluded
};

bool criterionOn(const CriteriaInForce& on, Criterion c) { return on[static_cast<std::size_t>(c)]; }

// Whether the observation already holds: its criterion is in force with a value.
bool inForce(const AdviceContext& ctx, Observation o)
{
    const CriteriaInForce on = criteriaInForce(ctx.state, ctx.inputs);
    switch (o) {
    case Observation::floating: return criterionOn(on, Criterion::floating);
    case Observation::metal: return criterionOn(on, Criterion::metal);
    case Observation::size: return criterionOn(on, Criterion::size);
    case Observation::mpDrain: return criterionOn(on, Criterion::mpDrain);
    case Observation::anger: return criterionOn(on, Criterion::anger);
    case Observation::push: return criterionOn(on, Criterion::push);
    case Observation::family: {
        const std::int32_t k = ctx.targetFamily + 1;
        return (ctx.inputs.familyConfirmation && ctx.state.familyConfirmed == k) ||
               (ctx.inputs.familyExclusion && ctx.state.familyExcluded[k] == 1);
    }
    case Observation::dealtDamage: return criterionOn(on, Criterion::dealtDamage);
    case Observation::takenDamage: return criterionOn(on, Criterion::takenDamage);
    }
    return true;
}

bool offered(const AdviceContext& ctx, Observation o)
{
    if (o == Observation::push && ctx.inputs.WEIGHT > 1000)
        return false;
    if (o == Observation::family && (ctx.targetFamily < 0 || ctx.targetFamily >= kFamilyCount))
        return false;
    return !inForce(ctx, o);
}

bool factKeeps(const AdviceContext& ctx, Observation o, const MonsterRecord& r, std::int32_t answer,
               const PushLimits& limits)
{
    switch (o) {
    case Observation::floating: return floatingKeeps(r, answer);
    case Observation::metal: return metalKeeps(r, answer);
    case Observation::size: return sizeKeeps(r, answer);
    case Observation::mpDrain: return mpDrainKeeps(r, answer);
    case Observation::anger: return angerKeeps(r, answer);
    case Observation::push: return pushKeeps(r, answer, limits);
    case Observation::family:
        return answer == 1 ? familyConfirmationKeeps(r, ctx.targetFamily + 1)
                           : familyExclusionKeeps(r, ctx.targetFamily + 1);
    default: return false;
    }
}

struct Expectation {
    double expected = 0.0;
    int answeringCandidates = 0;  // N': candidates kept under at least one answer
};

// For each candidate the bit set of the answers that keep it, then
// E = (1/N') * sum over r of (sum over a in K_r of n_a) / |K_r|.
Expectation expectFact(const AdviceContext& ctx, Observation o, AnswerSplit& split)
{
    const auto answers = kFactAnswers[static_cast<std::size_t>(o)];
    const PushLimits limits = pushLimits(ctx.inputs.WEIGHT);
    std::vector<unsigned> kept;
    kept.reserve(ctx.elimination.candidates.size());
    split = {answers, {0, 0}};
    for (std::int32_t i : ctx.elimination.candidates) {
        const MonsterRecord& r = ctx.catalogue.monsterTable[static_cast<std::size_t>(i)];
        unsigned mask = 0;
        for (int a = 0; a < 2; ++a) {
            if (factKeeps(ctx, o, r, answers[a], limits)) {
                mask |= 1U << a;
                ++split.count[a];
            }
        }
        kept.push_back(mask);
    }
    Expectation e;
    double sum = 0.0;
    for (unsigned mask : kept) {
        if (mask == 0)
            continue;
        ++e.answeringCandidates;
        const int size = (mask & 1U) + ((mask >> 1) & 1U);
        const double reached = ((mask & 1U) ? split.count[0] : 0) + ((mask & 2U) ? split.count[1] : 0);
        sum += reached / size;
    }
    if (e.answeringCandidates > 0)
        e.expected = sum / e.answeringCandidates;
    return e;
}

// Damage answers are the integers d >= 0 inside at least one tested candidate's
// interval. The number of candidates kept is constant between interval ends, so
// one sweep over the sorted ends gives the prefix sums of n_a at every end, and
// each candidate's sum over its own answers is the difference of two of them.
Expectation expectDamage(const AdviceContext& ctx, Observation o)
{
    struct End {
        std::int64_t at;    // first value of an interval, or the value after its last
        std::int32_t slot;  // 2 * interval + (0 first, 1 after the last)
    };
    std::vector<End> ends;
    ends.reserve(ctx.elimination.candidates.size() * 2);
    int skipped = 0;
    for (std::int32_t i : ctx.elimination.candidates) {
        const MonsterRecord& r = ctx.catalogue.monsterTable[static_cast<std::size_t>(i)];
        const DamageInterval d = o == Observation::dealtDamage ? dealtInterval(r, ctx.inputs) : takenInterval(r, ctx.inputs);
        if (!d.tested) {
            ++skipped;
            continue;
        }
        const std::int64_t low = std::max<std::int64_t>(d.low, 0);
        if (d.high < low)
            continue;  // keeps no answer: outside N'
        const auto slot = static_cast<std::int32_t>(ends.size());
        ends.push_back({low, slot});
        ends.push_back({d.high + 1, slot + 1});
    }
    std::sort(ends.begin(), ends.end(), [](const End& a, const End& b) { return a.at < b.at; });

    // keptBefore[slot]: sum of n_a over the answers below that end; the same for
    // the number of answers. Every end at one value sees the same sums.
    std::vector<double> keptBefore(ends.size()), answersBefore(ends.size());
    double kept = 0, answers = 0;
    int covering = 0;
    for (std::size_t e = 0; e < ends.size(); ++e) {
        if (e > 0 && covering > 0) {
            const double length = static_cast<double>(ends[e].at - ends[e - 1].at);
            kept += (covering + skipped) * length;
            answers += length;
        }
        const auto slot = static_cast<std::size_t>(ends[e].slot);
        keptBefore[slot] = kept;
        answersBefore[slot] = answers;
        covering += slot % 2 == 0 ? 1 : -1;
    }

    Expectation e;
    double sum = 0.0;
    for (std::size_t slot = 0; slot < ends.size(); slot += 2) {
        ++e.answeringCandidates;
        sum += (keptBefore[slot + 1] - keptBefore[slot]) / (answersBefore[slot + 1] - answersBefore[slot]);
    }
    if (answers > 0 && skipped > 0) {
        e.answeringCandidates += skipped;
        sum += skipped * (kept / answers);
    }
    if (e.answeringCandidates > 0)
        e.expected = sum / e.answeringCandidates;
    return e;
}

}  // namespace

const char* observationName(Observation observation)
{
    static constexpr const char* kNames[kObservationCount] = {
        "floating", "metal", "size", "mpDrain", "anger", "push", "family", "dealtDamage", "takenDamage"};
    const auto i = static_cast<std::size_t>(observation);
    return i < kObservationCount ? kNames[i] : "";
}

bool nearlyEqual(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b)); }

AnswerSplit answerSplit(const AdviceContext& context, Observation observation)
{
    AnswerSplit split;
    if (observation == Observation::dealtDamage || observation == Observation::takenDamage)
        return split;
    if (observation == Observation::family && (context.targetFamily < 0 || context.targetFamily >= kFamilyCount))
        return split;
    expectFact(context, observation, split);
    return split;
}

std::vector<Advice> adviseNextObservation(const AdviceContext& context)
{
    const double candidates = static_cast<double>(context.elimination.candidates.size());
    std::vector<Advice> ranked;
    for (int k = 0; k < kObservationCount; ++k) {
        const auto o = static_cast<Observation>(k);
        if (!offered(context, o))
            continue;
        Advice advice;
        advice.observation = o;
        advice.hasSplit = o != Observation::dealtDamage && o != Observation::takenDamage;
        const Expectation e = advice.hasSplit ? expectFact(context, o, advice.split) : expectDamage(context, o);
        if (e.answeringCandidates == 0 || nearlyEqual(e.expected, candidates))
            continue;
        advice.expectedRemaining = e.expected;
        // Before the first one clearly larger: ties keep the order above.
        auto place = std::find_if(ranked.begin(), ranked.end(), [&](const Advice& other) {
            return e.expected < other.expectedRemaining && !nearlyEqual(e.expected, other.expectedRemaining);
        });
        ranked.insert(place, advice);
    }
    return ranked;
}

}  // namespace kestrel
