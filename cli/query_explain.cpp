#include "cli/query_explain.h"

#include "engine/differences.h"
#include "engine/elimination.h"
#include "engine/next_observation.h"

#include <cstring>
#include <string>

namespace kestrel::cli {

namespace {

std::string nameOf(const MonsterRecord& r) { return utf8({r.name, ::strnlen(r.name, sizeof r.name)}); }

Json adviceJson(const Advice& advice)
{
    Json item;
    item["observation"] = observationName(advice.observation);
    item["expectedRemaining"] = advice.expectedRemaining;
    if (advice.hasSplit) {
        Json answers = Json::object();
        for (std::size_t a = 0; a < advice.split.value.size(); ++a) {
            const std::int32_t value = advice.split.value[a];
            const std::string key = advice.observation == Observation::family ? (value == 1 ? "confirmed" : "excluded")
                                                                              : std::to_string(value);
            answers[key] = advice.split.count[a];
        }
        item["answers"] = std::move(answers);
    }
    if (advice.observation == Observation::skill) {
        Json answers = Json::object();
        for (const SkillCount& skill : advice.skills)
            answers[utf8(skill.text)] = skill.count;
        item["answers"] = std::move(answers);
    }
    return item;
}

Json traitValueJson(Trait trait, const TraitValue& v)
{
    if (!v.known)
        return "?";
    if (trait == Trait::dealtDamage || trait == Trait::takenDamage)
        return Json::array({v.low, v.high});
    return v.low;
}

// Each attribute in which the candidates differ, then each candidate's skills
// that not all of them share; [] when nothing differs.
Json differencesJson(const Catalogue& catalogue, const Differences& d)
{
    Json rows = Json::array();
    for (const TraitRow& row : d.traits) {
        Json values = Json::object();
        for (std::size_t c = 0; c < d.candidates.size(); ++c)
            values[nameOf(catalogue.monsterTable[static_cast<std::size_t>(d.candidates[c])])] =
                traitValueJson(row.trait, row.values[c]);
        rows.push_back({{"attribute", traitName(row.trait)}, {"values", std::move(values)}});
    }
    if (!d.skills.empty()) {
        Json values = Json::object();
        for (std::size_t c = 0; c < d.candidates.size(); ++c) {
            Json skills = Json::array();
            for (const SkillRow& row : d.skills)
                if (row.has[c])
                    skills.push_back(utf8(row.text));
            values[nameOf(catalogue.monsterTable[static_cast<std::size_t>(d.candidates[c])])] = std::move(skills);
        }
        rows.push_back({{"attribute", "skills"}, {"values", std::move(values)}});
    }
    return rows;
}

Json eliminatedJson(const Catalogue& catalogue, const RecordVerdict& v)
{
    Json item;
    item["name"] = nameOf(catalogue.monsterTable[static_cast<std::size_t>(v.index)]);
    Json failed = Json::array();
    for (int c = 0; c < kCriterionCount; ++c)
        if (v.fails(static_cast<Criterion>(c)))
            failed.push_back(criterionName(static_cast<Criterion>(c)));
    item["failed"] = std::move(failed);
    if (v.fails(Criterion::dealtDamage))
        item["dealtRange"] = Json::array({v.dealt.low, v.dealt.high});
    if (v.fails(Criterion::takenDamage))
        item["takenRange"] = Json::array({v.taken.low, v.taken.high});
    return item;
}

}  // namespace

void addExplanation(Json& document, Catalogue& catalogue, const ObservationState& state, const FilterInputs& inputs,
                    std::int32_t targetFamily)
{
    const Elimination elimination = explainElimination(catalogue, state, inputs);
    const AdviceContext context{catalogue, state, inputs, elimination, targetFamily};
    Json advice = Json::array();
    for (const Advice& a : adviseNextObservation(context))
        advice.push_back(adviceJson(a));
    Json eliminated = Json::array();
    for (const RecordVerdict& v : elimination.verdicts)
        if (v.failed != 0)
            eliminated.push_back(eliminatedJson(catalogue, v));
    Json nearMisses = Json::array();
    for (std::int32_t i : elimination.nearMisses)
        nearMisses.push_back(nameOf(catalogue.monsterTable[static_cast<std::size_t>(i)]));
    document["advice"] = std::move(advice);
    document["eliminated"] = std::move(eliminated);
    document["nearMisses"] = std::move(nearMisses);
    const std::size_t left = elimination.candidates.size();
    if (left >= 2 && left <= kMaxDifferencesShown)
        document["differences"] = differencesJson(catalogue, findDifferences(context));
}

}  // namespace kestrel::cli
