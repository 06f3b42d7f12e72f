// kestrel-cli dump FILE: the whole table as the program reads it, as JSON.

#include "cli/cli_common.h"

#include <iostream>
#include <memory>

namespace kestrel::cli {

namespace {

Json textArray(const char (*texts)[kSkillSize], int count)
{
    Json array = Json::array();
    for (int k = 0; k < count && k < kMaxSkills; ++k)
        array.push_back(utf8(texts[k]));
    return array;
}

Json monsterJson(const Catalogue& c, const MonsterRecord& r)
{
    Json m;
    m["name"] = utf8(r.name);
    m["reading"] = utf8(r.reading);
    m["readingKey"] = utf8(r.readingKey);
    m["quizClass"] = r.quizClass;
    m["dealtSpread"] = r.dealtSpread;
    m["takenSpread"] = r.takenSpread;
    m["typeLetter"] = r.typeLetter;
    m["family"] = r.family;
    m["bookNumber"] = r.bookNumber;
    m["floating"] = r.floating;
    m["groundFlag"] = r.groundFlag;
    m["translucentFlag"] = r.translucentFlag;
    m["metal"] = r.metal;
    m["mpDrain"] = r.mpDrain;
    m["noAnger"] = r.noAnger;
    m["size"] = r.size;
    m["hp"] = r.hp;
    m["mp"] = r.mp;
    m["attack"] = r.attack;
    m["defense"] = r.defense;
    m["weight"] = r.weight;
    m["extraStats"] = std::vector<std::int32_t>(std::begin(r.extraStats), std::end(r.extraStats));
    m["loadIndex"] = r.loadIndex;
    m["skills"] = textArray(r.skills, r.skillCount);
    m["skillKeys"] = textArray(r.skillKeys, r.skillCount);
    m["trivia1"] = utf8(triviaText1Of(c, r));
    m["trivia2"] = utf8(triviaText2Of(c, r));
    m["location"] = utf8(locationTextOf(c, r));
    return m;
}

}  // namespace

int runDump(const Args& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: kestrel-cli dump FILE\n"
                     "Loads FILE with the program's own loader and prints one JSON document:\n"
                     "{\"format\", \"encoding\", \"monsterCount\", \"monsters\": [...]}.\n"
                     "The loader's messages go to stderr; a file that cannot be opened exits with 2.\n";
        return kOk;
    }
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
        return fail("dump", "expects exactly one FILE (see --help)");
    auto catalogue = std::make_unique<Catalogue>();
    LoadReport report = loadDefinitionFile(*catalogue, args[0]);
    if (!report.opened)
        return kFailure;
    Json document;
    document["format"] = report.format;
    document["encoding"] = report.encoding == FileEncoding::Utf8 ? "utf-8" : "cp932";
    document["monsterCount"] = catalogue->monsterCount;
    Json monsters = Json::array();
    for (int i = 0; i < catalogue->monsterCount; ++i)
        monsters.push_back(monsterJson(*catalogue, catalogue->monsterTable[i]));
    document["monsters"] = std::move(monsters);
    printJson(document);
    return kOk;
}

}  // namespace kestrel::cli
