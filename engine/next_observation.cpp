#include "engine/next_observation.h"

#include "engine/criteria.h"
#include "engine/skill_answers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

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
    case Observation::skill: return false;
    }
    return true;
}

bool offered(const AdviceContext& ctx, Observation o)
{
    if (o == Observation::push && ctx.inputs.WEIGHT > 1000)
        return false;
    if (o == Observation::family && (ctx.targetFamily < 0 || ctx.targetFamily >= kFamilyCount))
        return false;
    if (o == Observation::skill)
        return skillObservationOpen(ctx);
    // A hit more is always open: it widens the typed pair.
    return o == Observation::dealtDamage || o == Observation::takenDamage || !inForce(ctx, o);
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

// The bit set of the answers of o that keep r.
unsigned keptMask(const AdviceContext& ctx, Observation o, const MonsterRecord& r, const PushLimits& limits)
{
    const auto answers = kFactAnswers[static_cast<std::size_t>(o)];
    return (factKeeps(ctx, o, r, answers[0], limits) ? 1U : 0U) | (factKeeps(ctx, o, r, answers[1], limits) ? 2U : 0U);
}

// The expected count from a tally: with the hidden monster each candidate with
// equal probability, E = (1/N') * sum over r of (sum over a in K_r of n_a) / |K_r|,
// where K_r are the answers that keep r, n_a the candidates answer a keeps and
// N' the candidates some answer keeps; the candidates of one answer set all
// reach the same count. Every term is a multiple of one half far below 2^53, so
// the sums are exact.
Expectation expectFromTally(const FactTally& tally, Observation o)
{
    const auto k = static_cast<std::size_t>(o);
    const std::array<std::int32_t, 4>& kept = tally.keptBy[k];
    const std::array<std::int32_t, 2>& n = tally.splits[k].count;
    Expectation e;
    e.answeringCandidates = kept[1] + kept[2] + kept[3];
    const double sum = static_cast<double>(kept[1]) * n[0] + static_cast<double>(kept[2]) * n[1] +
                       static_cast<double>(kept[3]) * (static_cast<double>(n[0] + n[1]) / 2);
    if (e.answeringCandidates > 0)
        e.expected = sum / e.answeringCandidates;
    return e;
}

struct End {
    std::int64_t at;    // first value of an interval, or the value after its last (never below 0)
    std::int32_t slot;  // 2 * interval + (0 first, 1 after the last)
};

// The ends in the order of their values, a byte at a time from the lowest; a
// byte that every end has alike takes no pass. Ends of one value may come in
// any order: nothing accumulates between them.
void sortByValue(std::vector<End>& ends)
{
    if (ends.empty())
        return;
    std::uint64_t any = 0, all = ~std::uint64_t{0};
    for (const End& e : ends) {
        any |= static_cast<std::uint64_t>(e.at);
        all &= static_cast<std::uint64_t>(e.at);
    }
    const std::uint64_t varying = any ^ all;
    std::vector<End> sorted(ends.size());
    for (unsigned shift = 0; shift < 64; shift += 8) {
        if (((varying >> shift) & 0xFFU) == 0)
            continue;
        std::array<std::uint32_t, 256> start{};
        for (const End& e : ends)
            ++start[(static_cast<std::uint64_t>(e.at) >> shift) & 0xFFU];
        std::uint32_t total = 0;
        for (std::uint32_t& count : start)
            total += std::exchange(count, total);
        for (const End& e : ends)
            sorted[start[(static_cast<std::uint64_t>(e.at) >> shift) & 0xFFU]++] = e;
        ends.swap(sorted);
    }
}

// Damage answers are the integers d >= 0 inside at least one tested candidate's
// interval. The number of candidates kept is constant between interval ends, so
// one sweep over the sorted ends gives the prefix sums of n_a at every end, and
// each candidate's sum over its own answers is the difference of two of them.
Expectation expectDamage(const AdviceContext& ctx, Observation o)
{
    std::vector<End> ends;
    ends.reserve(ctx.elimination.candidates.size() * 2);
    int skipped = 0;
    for (std::int32_t i : ctx.elimination.candidates) {
        const MonsterRecord& r = ctx.catalogue.monsterTable[static_cast<std::size_t>(i)];
        const DamageInterval d =
            o == Observation::dealtDamage ? dealtInterval(r, ctx.inputs) : takenInterval(r, ctx.inputs);
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
    sortByValue(ends);

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

// The skill observation by the same formula: K_r are the answers whose word
// one of r's skills contains.
Expectation expectSkill(const AdviceContext& ctx, Advice& advice)
{
    const SkillAnswers found = collectSkillAnswers(ctx.catalogue, ctx.elimination.candidates);
    Expectation e;
    double sum = 0.0;
    for (std::size_t c = 0; c < found.candidateCount(); ++c) {
        const std::span<const std::int32_t> kept = found.keeping(c);
        if (kept.empty())
            continue;
        double reached = 0.0;
        for (std::int32_t a : kept)
            reached += found.answers[static_cast<std::size_t>(a)].kept;
        sum += reached / static_cast<double>(kept.size());
        ++e.answeringCandidates;
    }
    if (e.answeringCandidates > 0)
        e.expected = sum / e.answeringCandidates;
    const auto half = static_cast<std::int64_t>(ctx.elimination.candidates.size());
    std::vector<std::size_t> order(found.answers.size());
    for (std::size_t a = 0; a < order.size(); ++a)
        order[a] = a;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        const std::int64_t nx = found.answers[x].kept, ny = found.answers[y].kept;
        const std::int64_t dx = std::abs(2 * nx - half), dy = std::abs(2 * ny - half);
        return dx != dy ? dx < dy : nx > ny;
    });
    for (std::size_t a : order)
        advice.skills.push_back({found.answers[a].text, found.answers[a].kept});
    return e;
}

}  // namespace

unsigned factAnswersKeeping(const AdviceContext& context, Observation observation, const MonsterRecord& record)
{
    if (static_cast<int>(observation) >= kFactObservationCount)
        return 0;
    return keptMask(context, observation, record, pushLimits(context.inputs.WEIGHT));
}

bool skillObservationOpen(const AdviceContext& context)
{
    if (context.state.search.searchWordCount >= kMaxSearchWords)
        return false;
    return context.state.listLayout != 2 || context.inputs.searchText.empty();
}

const char* observationName(Observation observation)
{
    static constexpr const char* kNames[kObservationCount] = {
        "floating", "metal", "size", "mpDrain", "anger", "push", "family", "dealtDamage", "takenDamage", "skill"};
    const auto i = static_cast<std::size_t>(observation);
    return i < kObservationCount ? kNames[i] : "";
}

bool nearlyEqual(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b)); }

static_assert(static_cast<int>(Observation::family) + 1 == kFactObservationCount,
              "the yes/no observations come first, family last of them");

FactTally tallyFacts(const AdviceContext& context)
{
    FactTally tally;
    const bool family = context.targetFamily >= 0 && context.targetFamily < kFamilyCount;
    const int facts = family ? kFactObservationCount : kFactObservationCount - 1;
    const PushLimits limits = pushLimits(context.inputs.WEIGHT);
    for (std::int32_t i : context.elimination.candidates) {
        const MonsterRecord& r = context.catalogue.monsterTable[static_cast<std::size_t>(i)];
        for (int k = 0; k < facts; ++k)
            ++tally.keptBy[static_cast<std::size_t>(k)][keptMask(context, static_cast<Observation>(k), r, limits)];
    }
    for (int k = 0; k < facts; ++k) {
        const auto& kept = tally.keptBy[static_cast<std::size_t>(k)];
        tally.splits[static_cast<std::size_t>(k)] = {kFactAnswers[static_cast<std::size_t>(k)],
                                                     {kept[1] + kept[3], kept[2] + kept[3]}};
    }
    return tally;
}

std::vector<Advice> adviseNextObservation(const AdviceContext& context)
{
    return adviseNextObservation(context, tallyFacts(context));
}

std::vector<Advice> adviseNextObservation(const AdviceContext& context, const FactTally& tally)
{
    const double candidates = static_cast<double>(context.elimination.candidates.size());
    std::vector<Advice> ranked;
    for (int k = 0; k < kObservationCount; ++k) {
        const auto o = static_cast<Observation>(k);
        if (!offered(context, o))
            continue;
        Advice advice;
        advice.observation = o;
        advice.hasSplit = k < kFactObservationCount;
        if (advice.hasSplit)
            advice.split = tally.splits[static_cast<std::size_t>(k)];
        Expectation e;
        if (advice.hasSplit)
            e = expectFromTally(tally, o);
        else if (o == Observation::skill)
            e = expectSkill(context, advice);
        else {
            advice.repeated = inForce(context, o);
            e = expectDamage(context, o);
        }
        if (e.answeringCandidates == 0 || nearlyEqual(e.expected, candidates))
            continue;
        advice.expectedRemaining = e.expected;
        // Before the first one clearly larger: ties keep the order above.
        auto place = std::find_if(ranked.begin(), ranked.end(), [&](const Advice& other) {
            return e.expected < other.expectedRemaining && !nearlyEqual(e.expected, other.expectedRemaining);
        });
        ranked.insert(place, std::move(advice));
    }
    return ranked;
}

}  // namespace kestrel
