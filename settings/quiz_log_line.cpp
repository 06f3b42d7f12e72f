// Writing one line of the quiz log.

#include "settings/quiz_log.h"
#include "settings/quiz_log_json.h"

#include "engine/criteria.h"
#include "platform/cp932.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace kestrel {

namespace {

using Json = QuizLogJson;

std::string_view fieldText(const char* field, std::size_t size) { return {field, ::strnlen(field, size)}; }

std::string hex64(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

Json impliedJson(const ImpliedValue& v)
{
    return Json{
        {"value", v.fileValue}, {"known", v.known}, {"implied", intervalsJson(v.implied)}, {"inside", v.inside}};
}

Json damageJson(bool on, std::int32_t low, std::int32_t high, const TypedDamageRow& typed)
{
    return Json{{"on", on}, {"low", low}, {"high", high}, {"typed", {jsonText(typed.low), jsonText(typed.high)}}};
}

Json factJson(bool on, std::int32_t value) { return Json{{"on", on}, {"value", value}}; }

Json observationsJson(const QuizLogContext& c, const ObservationState& s, const FilterInputs& in)
{
    Json o;
    o["layout"] = s.listLayout;
    o["suppressed"] = s.refreshSuppressed == 1;
    o["damage"] = {{"dealt", damageJson(in.dealtDamage, in.dealtLow, in.dealtHigh, c.dealt)},
                   {"taken", damageJson(in.takenDamage, in.takenLow, in.takenHigh, c.taken)},
                   {"special", {{"typed", {jsonText(c.special.low), jsonText(c.special.high)}}}},
                   {"moonsault", {{"typed", {jsonText(c.moonsault.low), jsonText(c.moonsault.high)}}}}};
    o["facts"] = {{"floating", factJson(in.floating, s.observedFloating)},
                  {"metal", factJson(in.metal, s.observedMetal)},
                  {"size", factJson(in.size, s.observedSize)},
                  {"mpDrain", factJson(in.mpDrain, s.observedMpDrain)},
                  {"anger", factJson(in.anger, s.observedAnger)},
                  {"push", factJson(in.push, s.observedPush)}};
    o["bounds"] = {{"hpAtLeast", factJson(in.hpAtLeast, s.hpAtLeast)},
                   {"hpAtMost", factJson(in.hpAtMost, s.hpAtMost)},
                   {"mpAtLeast", factJson(in.mpAtLeast, s.mpAtLeast)},
                   {"mpAtMost", factJson(in.mpAtMost, s.mpAtMost)}};
    Json excluded = Json::array();
    for (int f = 1; f <= kFamilyCount; ++f) {
        if (s.familyExcluded[f] == 1)
            excluded.push_back(f);
    }
    o["family"] = {{"excludeOn", in.familyExclusion},
                   {"excluded", std::move(excluded)},
                   {"confirmOn", in.familyConfirmation},
                   {"confirmed", s.familyConfirmed}};
    Json words = Json::array();
    const int count = std::clamp(s.search.searchWordCount, 0, kMaxSearchWords);
    for (int w = 0; w < count; ++w)
        words.push_back(jsonText(fieldText(s.search.searchWords[w], sizeof s.search.searchWords[w])));
    o["search"] = {{"on", in.textSearch}, {"text", jsonText(in.searchText)}, {"words", std::move(words)}};
    const Tolerances& t = in.tolerances;
    o["tolerance"] = {
        {"on", in.tolerance}, {"attack", {t.PERM_ATK_L, t.PERM_ATK_H}}, {"defense", {t.PERM_DEF_L, t.PERM_DEF_H}}};
    return o;
}

// The names of the records the last refresh kept, in the order of the file.
Json candidatesJson(const Catalogue& catalogue)
{
    std::vector<const MonsterRecord*> kept;
    const int n = std::clamp<std::int32_t>(catalogue.monsterCount, 0, kMaxMonsters);
    for (int i = 0; i < n; ++i) {
        if (catalogue.monsterTable[i].isCandidate == 1)
            kept.push_back(&catalogue.monsterTable[i]);
    }
    // The basic layout numbers no record: its records go by name, whatever the list's order.
    std::sort(kept.begin(), kept.end(), [](const MonsterRecord* a, const MonsterRecord* b) {
        if (a->loadIndex != b->loadIndex)
            return a->loadIndex < b->loadIndex;
        return std::strncmp(a->name, b->name, sizeof a->name) < 0;
    });
    Json names = Json::array();
    for (const MonsterRecord* r : kept)
        names.push_back(jsonText(fieldText(r->name, sizeof r->name)));
    return names;
}

}  // namespace

Json jsonText(std::string_view cp932) { return cp932ToUtf8(cp932); }

Json intervalsJson(const std::vector<StatInterval>& intervals)
{
    Json list = Json::array();
    for (const StatInterval& i : intervals)
        list.push_back({i.first, i.second});
    return list;
}

Json answerCheckJson(const Catalogue& catalogue, const AnswerCheck& check)
{
    Json j;
    const bool found = check.index >= 0 && check.index < std::min(catalogue.monsterCount, kMaxMonsters);
    const MonsterRecord* r = found ? &catalogue.monsterTable[static_cast<std::size_t>(check.index)] : nullptr;
    j["answer"] = r ? jsonText(fieldText(r->name, sizeof r->name)) : Json("");
    j["wasCandidate"] = check.wasCandidate;
    Json failed = Json::array();
    for (int c = 0; c < kCriterionCount; ++c) {
        if (check.verdict.fails(static_cast<Criterion>(c)))
            failed.push_back(criterionName(static_cast<Criterion>(c)));
    }
    j["failed"] = std::move(failed);
    if (check.verdict.fails(Criterion::dealtDamage) && check.verdict.dealt.tested)
        j["dealtRange"] = {check.verdict.dealt.low, check.verdict.dealt.high};
    if (check.verdict.fails(Criterion::takenDamage) && check.verdict.taken.tested)
        j["takenRange"] = {check.verdict.taken.low, check.verdict.taken.high};
    j["attack"] = impliedJson(check.attack);
    j["defense"] = impliedJson(check.defense);
    Json facts = Json::array();
    for (const FactContradiction& f : check.contradictions)
        facts.push_back(
            {{"attribute", f.attribute}, {"observed", jsonText(f.observed)}, {"recorded", jsonText(f.recorded)}});
    j["contradictions"] = std::move(facts);
    return j;
}

std::string quizLogLine(const QuizLogContext& context, const Catalogue& catalogue, const ObservationState& state,
                        const FilterInputs& inputs, const AnswerCheck& check, std::string_view localTimeWithOffset)
{
    Json line;
    line["format"] = kQuizLogFormat;
    line["time"] = std::string(localTimeWithOffset);
    line["definition"] = {{"name", jsonText(context.definitionName)},
                          {"size", context.definitionSize},
                          {"fnv1a64", hex64(context.definitionDigest)}};
    const PlayerProfile& p = context.profile;
    line["profile"] = {{"weapon", p.WEAPON},   {"orb", p.ORBUMLV},   {"attack", p.ATACK},
                       {"defense", p.DEFENSE}, {"weight", p.WEIGHT}, {"specialAttack", p.SPATK}};
    line["quizClass"] = state.currentClass;
    line["observations"] = observationsJson(context, state, inputs);
    line["candidates"] = candidatesJson(catalogue);
    line["check"] = answerCheckJson(catalogue, check);
    // No newline can appear inside: every control character of a string is escaped.
    return line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace kestrel
