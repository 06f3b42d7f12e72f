// kestrel-cli query FILE [options]: identification from the terminal.

#include "cli/cli_common.h"
#include "cli/query_explain.h"
#include "cli/query_options.h"
#include "cli/query_setup.h"

#include "engine/range_display.h"
#include "settings/player_profile.h"

#include <iostream>
#include <memory>

namespace kestrel::cli {

namespace {

constexpr const char* kHelp =
    "usage: kestrel-cli query FILE [options]\n"
    "Loads FILE, applies the observations given (each with its enabling box ticked), sorts,\n"
    "refreshes once and prints the candidates and the attack and defense ranges as JSON.\n"
    "\n"
    "profile:      --atk N (1001) --def N (2001) --weight N (3001) --orb 0..6 --spatk N --weapon 0..16\n"
    "              (an attack above 1000 or a defense above 2000 is unset: no damage narrows against it)\n"
    "quiz:         --class 1..4 (4)\n"
    "damage:       --dealt LOW[-HIGH] --taken LOW[-HIGH] --tolerance --perm-atk L,H --perm-def L,H\n"
    "observations: --float yes|no --metal yes|no --size normal|big --mpdrain yes|no\n"
    "              --anger yes|no (怒った/怒らない) --push yes|no (押せた/押せない)\n"
    "              --hp-min N --hp-max N --mp-min N --mp-max N\n"
    "              --exclude FAMILY[,FAMILY...] --confirm FAMILY (獣 鳥 植 虫 怪 物 マ エ 水 ス ゾ 悪 ド ？)\n"
    "search:       --search TEXT --layout skills|place|trivia|damage\n"
    "order:        --sort 0..6 (0) --debug N\n"
    "explain:      --explain adds \"advice\" (best next observations), \"eliminated\" (what removed\n"
    "              each record of the class) and \"nearMisses\"; for 2 to 5 candidates also\n"
    "              \"differences\" (what still tells them apart)\n";

Json rangeJson(const RangeTexts& r)
{
    return Json::array({utf8(r.low), utf8(r.separator), utf8(r.high), utf8(r.average), utf8(r.percentage)});
}

Json candidateJson(const MonsterRecord& r, bool skillSearchRan)
{
    Json c;
    c["name"] = utf8(r.name);
    c["family"] = r.family;
    c["hp"] = r.hp;
    c["mp"] = r.mp;
    c["attack"] = r.attack;
    c["defense"] = r.defense;
    c["dealtMin"] = r.dealtMin;
    c["dealtMax"] = r.dealtMax;
    c["takenMin"] = r.takenMin;
    c["takenMax"] = r.takenMax;
    c["dealtRatio"] = floatForJson(r.dealtRatio);
    c["takenRatio"] = floatForJson(r.takenRatio);
    Json hits = Json::array();
    if (skillSearchRan)
        for (std::uint8_t hit : r.skillHit)
            if (hit != kNoSkillHit)
                hits.push_back(hit);
    c["skillHit"] = std::move(hits);
    return c;
}

}  // namespace

int runQuery(const Args& args)
{
    if (wantsHelp(args)) {
        std::cout << kHelp;
        return kOk;
    }
    std::string error;
    auto parsed = parseQueryOptions(args, error);
    if (!parsed)
        return fail("query", error);
    QueryOptions& q = *parsed;
    ObservationState& state = q.state;

    auto catalogue = std::make_unique<Catalogue>();
    if (!loadAndRefresh(q, *catalogue))
        return kFailure;
    const RangeDisplay ranges = updateRangeDisplay(state);

    const bool skillSearchRan = state.listLayout != 2 && q.inputs.textSearch && state.search.searchWordCount >= 1;
    Json document;
    document["candidateCount"] = state.candidateCount;
    document["ranges"] = {{"attack", rangeJson(ranges.attack)},
                          {"defense", rangeJson(ranges.defense)},
                          {"bonusDefense", rangeJson(ranges.bonusDefense)}};
    Json candidates = Json::array();
    for (int i = 0; i < catalogue->monsterCount; ++i)
        if (catalogue->monsterTable[i].isCandidate)
            candidates.push_back(candidateJson(catalogue->monsterTable[i], skillSearchRan));
    document["candidates"] = std::move(candidates);
    if (q.explain) {
        const WeaponRow* weapon = weaponRow(q.weapon);
        addExplanation(document, *catalogue, state, q.inputs, weapon ? weapon->targetFamily : -1);
    }
    printJson(document);
    return kOk;
}

}  // namespace kestrel::cli
