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
// the answers are cut into segments there and summed with prefix sums.
Expectation expectDamage(const AdviceContext& ctx, Observation o)
{
    std::vector<DamageInterval> tested;
    int skipped = 0;
    for (std::int32_t i : ctx.elimination.candidates) {
        const MonsterRecord& r = ctx.catalogue.monsterTable[static_cast<std::size_t>(i)];
        DamageInterval d = o == Observation::dealtDamage ? dealtInterval(r, ctx.inputs) : takenInterval(r, ctx.inputs);
        if (!d.tested) {
            ++skipped;
            continue;
        }
        d.low = std::max<std::int64_t>(d.low, 0);
        if (d.high >= d.low)
            tested.push_back(d);
        else
            tested.push_back({true, 1, 0});  // keeps no answer
    }
    // Segment ends: every interval's first value and the value after its last.
    std::vector<std::int64_t> ends;
    ends.reserve(tested.size() * 2);
    for (const DamageInterval& d : tested) {
        if (d.high >= d.low) {
            ends.push_back(d.low);
            ends.push_back(d.high + 1);
        }
    }
    std::sort(ends.begin(), ends.end());
    ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
    std::vector<int> cover(ends.size() + 1, 0);
    for (const DamageInterval& d : tested) {
        if (d.high < d.low)
            continue;
        ++cover[static_cast<std::size_t>(std::lower_bound(ends.begin(), ends.end(), d.low) - ends.begin())];
        --cover[static_cast<std::size_t>(std::lower_bound(ends.begin(), ends.end(), d.high + 1) - ends.begin())];
    }
    // keptSum[s]: sum of n_a over the answers before ends[s]; answers[s]: their number.
    std::vector<double> keptSum(ends.size(), 0.0), answers(ends.size(), 0.0);
    int covering = 0;
    for (std::size_t s = 0; s + 1 < ends.size(); ++s) {
        covering += cover[s];
        const double length = static_cast<double>(ends[s + 1] - ends[s]);
        const bool isAnswer = covering > 0;
        keptSum[s + 1] = keptSum[s] + (isAnswer ? (covering + skipped) * length : 0.0);
        answers[s + 1] = answers[s] + (isAnswer ? length : 0.0);
    }
    auto at = [&ends](std::int64_t x) {
        return static_cast<std::size_t>(std::lower_bound(ends.begin(), ends.end(), x) - ends.begin());
    };
    Expectation e;
    double sum = 0.0;
    for (const DamageInterval& d : tested) {
        if (d.high < d.low)
            continue;
        ++e.answeringCandidates;
        sum += (keptSum[at(d.high + 1)] - keptSum[at(d.low)]) / static_cast<double>(d.high - d.low + 1);
    }
    const double allAnswers = answers.empty() ? 0.0 : answers.back();
    if (allAnswers > 0 && skipped > 0) {
        e.answeringCandidates += skipped;
        sum += skipped * (keptSum.back() / allAnswers);
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
