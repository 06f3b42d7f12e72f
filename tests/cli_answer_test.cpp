// kestrel-cli answer, log and corrected: the check, the line it logs (the one
// the window logs), the lessons of a log, and a corrected definition file that
// the program loads and that keeps the checked answers as candidates.

#include "catalogue/monster_loader.h"
#include "engine/candidate_filter.h"
#include "engine/damage_model.h"
#include "engine/text_search.h"
#include "platform/cp932.h"
#include "platform/file_names.h"
#include "settings/quiz_log.h"
#include "support/cli_run.h"
#include "support/monster_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace kestrel {
namespace {

using nlohmann::json;
using testing::runCli;

const std::string kSample = testing::sampleFilePath();
const std::string kQuiz = " --class 2 --atk 200 --def 150 --weight 500 --dealt 60";

std::vector<std::string> linesOf(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(pathFromUtf8(path), std::ios::binary);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::unique_ptr<Catalogue> load(const std::string& path)
{
    auto catalogue = std::make_unique<Catalogue>();
    loadMonsterFile(*catalogue, path, {});
    return catalogue;
}

// The quiz as the window holds it after the same observations, written by the library.
std::string windowLine(const QuizLogEntry& cliEntry)
{
    auto catalogue = load(kSample);
    const PlayerProfile& p = cliEntry.context.profile;
    computeExpectedDamage(*catalogue, p.ATACK, p.DEFENSE);
    ObservationState state = cliEntry.state;
    FilterInputs inputs = cliEntry.inputs;
    splitSearchText(state.search, inputs.searchText);
    normaliseSearchWords(state.search);
    refresh(*catalogue, state, inputs);
    const AnswerCheck check =
        checkAnswer(*catalogue, state, inputs, findAnswer(*catalogue, cliEntry.answer), {p.ATACK, p.DEFENSE});
    QuizLogContext context = cliEntry.context;
    describeDefinitionFile(pathFromUtf8(kSample), context);
    return quizLogLine(context, *catalogue, state, inputs, check, cliEntry.time);
}

TEST(CliAnswer, PrintsTheCheckAndLogsTheWindowsLine)
{
    testing::TempDir dir;
    const std::string log = dir.path() + "/quiz.jsonl";
    const testing::CliRun run = runCli("answer " + kSample + kQuiz + " --taken 45 --answer ウロコ --log " + log);
    ASSERT_EQ(run.status, 0);
    const json doc = run.doc();
    EXPECT_EQ(std::tuple(doc["answer"], doc["wasCandidate"], doc["failed"], doc["takenRange"]),
              std::tuple("ウロコドリル", false, json::array({"takenDamage"}), json::array({49, 84})));
    EXPECT_EQ(doc["attack"], json({{"value", 230}, {"known", true}, {"implied", {{156, 218}}}, {"inside", false}}));
    EXPECT_EQ(std::tuple(doc["defense"]["inside"], doc["contradictions"]), std::tuple(true, json::array()));

    const std::vector<std::string> lines = linesOf(log);
    ASSERT_EQ(lines.size(), 1u);
    const std::optional<QuizLogEntry> entry = readQuizLogLine(lines[0]);
    ASSERT_TRUE(entry);
    EXPECT_EQ(json::parse(lines[0])["check"], doc);
    EXPECT_EQ(lines[0], windowLine(*entry));

    EXPECT_EQ(runCli("answer " + kSample + kQuiz + " --answer ZZZ --log " + log).status, 2);
    EXPECT_EQ(runCli("answer " + kSample + kQuiz).status, 2);
    EXPECT_EQ(runCli("answer " + kSample + kQuiz + " --answer ウロコ --log " + dir.path() + "/no/such/q.jsonl").status,
              2);
    EXPECT_EQ(linesOf(log).size(), 1u);
}

// A log of four quizzes: ウロコドリル's attack 230 refuted by the first two (166..218 together),
// スラッシュボア's defense sets that do not intersect.
std::string fourQuizLog(const testing::TempDir& dir, const std::string& file)
{
    const std::string log = dir.path() + "/quiz.jsonl";
    for (const char* rest : {" --taken 45 --answer ウロコドリル", " --taken 50 --answer ウロコドリル",
                             " --taken 45 --answer スラッシュボア", " --dealt 90 --answer スラッシュボア"})
        EXPECT_EQ(runCli("answer " + file + kQuiz + rest + " --log " + log).status, 0);
    return log;
}

TEST(CliAnswer, LogReportsWhatTheFightsTeach)
{
    testing::TempDir dir;
    const std::string log = fourQuizLog(dir, kSample);
    std::ofstream(pathFromUtf8(log), std::ios::binary | std::ios::app) << "{\"torn\n";
    const json doc = runCli("log " + log + " --definition " + kSample).doc();
    EXPECT_EQ(std::tuple(doc["lines"], doc["unreadable"], doc["monsters"].size()), std::tuple(5, 1, 2u));
    const json& boar = doc["monsters"][0];
    const json& uroko = doc["monsters"][1];
    EXPECT_EQ(std::tuple(boar["name"], boar["quizzes"], boar["inconsistent"], boar["defense"]["implied"]),
              std::tuple("スラッシュボア", 2, true, json::array()));
    EXPECT_EQ(uroko["attack"], json({{"value", 230}, {"implied", {{166, 218}}}, {"outside", true}}));
    EXPECT_EQ(std::tuple(uroko["defense"]["outside"], uroko["otherDefinition"]), std::tuple(false, false));

    const std::string csv = runCli("log " + log + " --definition " + kSample + " --csv").out;
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("\r\nウロコドリル,2,230,166-218,1,170,125-191,0,,0,0\r\n"), std::string::npos);
    // Without the definition file: the same sets, no value to compare, the log's order.
    EXPECT_EQ(runCli("log " + log).doc()["monsters"][0]["attack"],
              json({{"value", -1}, {"implied", {{166, 218}}}, {"outside", false}}));
}

TEST(CliAnswer, CorrectedChangesOnlyTheRefutedValues)
{
    testing::TempDir dir;
    const std::string file = dir.write("monsters.csv", testing::readFileBytes(kSample));
    const std::string log = fourQuizLog(dir, file);
    const std::string out = dir.path() + "/corrected.csv";
    const testing::CliRun run = runCli("corrected " + file + " " + log + " " + out);
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("ウロコドリル: attack 230 -> 192"), std::string::npos);
    EXPECT_NE(run.out.find("スラッシュボア: left as it is"), std::string::npos);

    // Loaded, the copy differs from the original in that one value alone.
    auto before = load(file), after = load(out);
    ASSERT_EQ(before->monsterCount, after->monsterCount);
    int changed = 0;
    for (int i = 0; i < before->monsterCount; ++i) {
        MonsterRecord expected = before->monsterTable[i];
        if (std::string(expected.name) == utf8ToCp932("ウロコドリル"))
            expected.attack = 192, ++changed;
        EXPECT_EQ(std::memcmp(&expected, &after->monsterTable[i], sizeof expected), 0) << i;
    }
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(testing::readFileBytes(out).size(), testing::readFileBytes(file).size());
    // The checked quizzes of ウロコドリル keep it as a candidate with the corrected file.
    for (const char* taken : {"45", "50"})
        EXPECT_EQ(
            runCli("answer " + out + kQuiz + " --taken " + taken + " --answer ウロコドリル").doc()["wasCandidate"],
            true);

    // Nothing to correct: the same bytes. FILE is never overwritten, an existing OUT only by name.
    const std::string same = dir.path() + "/same.csv";
    const std::string fine = dir.path() + "/fine.jsonl";
    EXPECT_EQ(runCli("answer " + file + kQuiz + " --taken 45 --answer スラッシュボア --log " + fine).status, 0);
    EXPECT_EQ(runCli("corrected " + file + " " + fine + " " + same).status, 0);
    EXPECT_EQ(testing::readFileBytes(same), testing::readFileBytes(file));
    EXPECT_EQ(runCli("corrected " + file + " " + log + " " + same).status, 2);
    EXPECT_EQ(runCli("corrected " + file + " " + log + " " + same + " --force " + out).status, 2);
    EXPECT_EQ(runCli("corrected " + file + " " + log + " " + same + " --force " + same).status, 0);
    EXPECT_EQ(runCli("corrected " + file + " " + log + " " + file + " --force " + file).status, 2);
    EXPECT_EQ(testing::readFileBytes(file), testing::readFileBytes(kSample));
}

TEST(CliAnswer, CorrectedKeepsTheBasicLayoutAndItsLineEnds)
{
    testing::TempDir dir;
    // The basic layout, code page 932, one line ending LF and the last none.
    const std::string bytes = "HRVTNP\r\n1," + utf8ToCp932("イシ") + ",1," + utf8ToCp932("物") +
                              ",,300,10,230,170,A\n2,BAT,1,,,50,0,40,30,B\r\n3,CAT,1,,,50,0,40,30,C";
    const std::string file = dir.write("basic.csv", bytes);
    const std::string log = dir.path() + "/q.jsonl";
    ASSERT_EQ(runCli("answer " + file + " --class 1 --atk 200 --def 150 --taken 45 --answer イシ --log " + log).status,
              0);
    const std::string out = dir.path() + "/out.csv";
    ASSERT_EQ(runCli("corrected " + file + " " + log + " " + out).status, 0);
    std::string expected = bytes;
    expected.replace(expected.find("230"), 3, "187");
    EXPECT_EQ(testing::readFileBytes(out), expected);
}

}  // namespace
}  // namespace kestrel
