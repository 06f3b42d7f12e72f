#include "engine/answer_check.h"

#include "engine/criteria.h"
#include "engine/text_search.h"
#include "text/normaliser.h"

#include <algorithm>
#include <cstring>

namespace kestrel {

namespace {

int recordCount(const Catalogue& catalogue)
{
    return std::clamp<std::int32_t>(catalogue.monsterCount, 0, kMaxMonsters);
}

std::string_view fieldText(const char* field, std::size_t size) { return {field, ::strnlen(field, size)}; }

bool unknownStat(std::int32_t value) { return value == 0 || value == -1; }

const char* yesNo(bool yes) { return yes ? "yes" : "no"; }

void addFact(AnswerCheck& check, const char* attribute, std::string observed, std::string recorded)
{
    check.contradictions.push_back({attribute, std::move(observed), std::move(recorded)});
}

void factContradictions(const MonsterRecord& r, const ObservationState& s, const FilterInputs& inputs,
                        const CriteriaInForce& on, AnswerCheck& check)
{
    auto in = [&on](Criterion c) { return on[static_cast<std::size_t>(c)]; };
    if (in(Criterion::floating) && !floatingKeeps(r, s.observedFloating))
        addFact(check, "floating", yesNo(s.observedFloating != 0), yesNo(r.floating == 1));
    if (in(Criterion::metal) && !metalKeeps(r, s.observedMetal))
        addFact(check, "metal", yesNo(s.observedMetal != 0), yesNo(r.metal == 1));
    if (in(Criterion::size) && !sizeKeeps(r, s.observedSize))
        addFact(check, "size", s.observedSize == 1 ? "big" : "normal", r.size == 1 ? "big" : "normal");
    if (in(Criterion::mpDrain) && !mpDrainKeeps(r, s.observedMpDrain))
        addFact(check, "mpDrain", yesNo(s.observedMpDrain == 1), yesNo(r.mpDrain == 1));
    if (in(Criterion::anger) && !angerKeeps(r, s.observedAnger))
        addFact(check, "anger", yesNo(s.observedAnger == 1), yesNo(r.noAnger != 1));
    if (in(Criterion::push) && !pushKeeps(r, s.observedPush, pushLimits(inputs.WEIGHT)))
        addFact(check, "push", yesNo(s.observedPush == 0), "weight " + std::to_string(r.weight));
}

void familyContradictions(const MonsterRecord& r, const ObservationState& s, const CriteriaInForce& on,
                          AnswerCheck& check)
{
    if (on[static_cast<std::size_t>(Criterion::familyExclusion)] && !familyExclusionKeeps(r, s))
        addFact(check, "family", "not " + std::to_string(r.family), std::to_string(r.family));
    if (on[static_cast<std::size_t>(Criterion::familyConfirmation)] && !familyConfirmationKeeps(r, s.familyConfirmed))
        addFact(check, "family", std::to_string(s.familyConfirmed), std::to_string(r.family & 0x7F));
}

// Each search word on its own: the words the record's skill list does not hold.
void skillContradictions(const MonsterRecord& r, const ObservationState& s, const CriteriaInForce& on,
                         AnswerCheck& check)
{
    if (!on[static_cast<std::size_t>(Criterion::skill)])
        return;
    const int words = std::clamp(s.search.searchWordCount, 0, kMaxSearchWords);
    for (int w = 0; w < words; ++w) {
        SearchState one{};
        std::memcpy(one.searchWordsNormalised[0], s.search.searchWordsNormalised[w],
                    sizeof one.searchWordsNormalised[0]);
        one.searchWordCount = 1;
        std::uint8_t hits[kMaxSkills];
        if (!skillKeeps(r, one, hits))
            addFact(check, "skill", std::string(fieldText(s.search.searchWords[w], sizeof s.search.searchWords[w])),
                    "");
    }
}

// The implied set is only looked for when the profile's side is known.
template <typename Implied>
ImpliedValue impliedValue(std::int32_t fileValue, std::int32_t profileSide, Implied implied)
{
    ImpliedValue v;
    v.fileValue = fileValue;
    if (profileSide == 0)
        return v;
    v.implied = implied();
    v.known = !unknownStat(fileValue);
    v.inside = v.known && impliedContains(v.implied, fileValue);
    return v;
}

}  // namespace

std::int32_t findAnswer(Catalogue& catalogue, std::string_view nameCp932)
{
    if (nameCp932.empty())
        return -1;
    const int n = recordCount(catalogue);
    for (int i = 0; i < n; ++i) {
        const MonsterRecord& r = catalogue.monsterTable[i];
        if (fieldText(r.name, sizeof r.name) == nameCp932)
            return i;
    }
    const std::string prefix = normaliseText(nameCp932);
    if (prefix.empty())
        return -1;
    for (int i = 0; i < n; ++i) {
        if (nameKeeps(catalogue, i, prefix))
            return i;
    }
    return -1;
}

AnswerCheck checkAnswer(Catalogue& catalogue, const ObservationState& state, const FilterInputs& inputs,
                        std::int32_t index, const ProfileSides& profile)
{
    AnswerCheck check;
    if (index < 0 || index >= recordCount(catalogue))
        return check;
    const MonsterRecord& r = catalogue.monsterTable[static_cast<std::size_t>(index)];
    check.index = index;

    // A record above the quiz class is judged as if the class held it.
    ObservationState judged = state;
    const bool inClass = state.refreshSuppressed == 1 || r.quizClass <= state.currentClass;
    if (!inClass)
        judged.currentClass = r.quizClass;
    const Elimination elimination = explainElimination(catalogue, judged, inputs);
    for (const RecordVerdict& v : elimination.verdicts) {
        if (v.index == index)
            check.verdict = v;
    }
    check.verdict.index = index;
    check.wasCandidate = inClass && check.verdict.failed == 0;

    CriteriaInForce on{};
    if (state.refreshSuppressed != 1)
        on = criteriaInForce(state, inputs);
    FilterInputs damage = inputs;
    damage.takenDamage = on[static_cast<std::size_t>(Criterion::takenDamage)];
    damage.dealtDamage = on[static_cast<std::size_t>(Criterion::dealtDamage)];
    check.attack = impliedValue(r.attack, profile.defense, [&] { return impliedAttack(r, damage, profile.defense); });
    check.defense = impliedValue(r.defense, profile.attack, [&] { return impliedDefense(r, damage, profile.attack); });

    factContradictions(r, state, inputs, on, check);
    familyContradictions(r, state, on, check);
    skillContradictions(r, state, on, check);
    return check;
}

}  // namespace kestrel
