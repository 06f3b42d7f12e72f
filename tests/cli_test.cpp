// kestrel-cli as a user runs it: commands, output formats and exit statuses.

#include "support/monster_files.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct CliRun {
    int status;
    std::string out;
};

// Runs kestrel-cli with the given arguments (already shell-quoted); stderr is dropped.
CliRun cli(const std::string& arguments)
{
    std::string command = std::string(KESTREL_BINARY_DIR) + "/bin/kestrel-cli " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        out.append(buffer.data(), n);
    int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

nlohmann::json json(const CliRun& run)
{
    return nlohmann::json::parse(run.out);
}

const std::string kSample = kestrel::testing::sampleFilePath();

}  // namespace

TEST(CliDump, PrintsEveryRecordOfAHandMadeFile)
{
    kestrel::testing::TempDir dir;
    // スライム with reading すらいむ, family 獣?, skills 仲間を呼ぶ、火
    std::string line = "0,\x83\x58\x83\x89\x83\x43\x83\x80,\x82\xb7\x82\xe7\x82\xa2\x82\xde,\x8f\x62?";
    for (int c = 4; c < 78; ++c)
        line += c == 45 ? ",\x92\x87\x8a\xd4\x82\xf0\x8c\xc4\x82\xd4\x81\x41\x89\xce" : c == 75 ? ",3" : c == 6 ? ",50" : ",";
    std::string path = dir.write("m.csv", "HRVMOB\r\n" + line + "\r\n");
    CliRun run = cli("dump " + path);
    ASSERT_EQ(run.status, 0);
    auto doc = json(run);
    EXPECT_EQ(doc["format"], 15041200);
    EXPECT_EQ(doc["encoding"], "cp932");
    ASSERT_EQ(doc["monsterCount"], 1);
    auto m = doc["monsters"][0];
    EXPECT_EQ(m["name"], "スライム");
    EXPECT_EQ(m["readingKey"], "ｽﾗｲﾑ");
    EXPECT_EQ(m["family"], 0x81);
    EXPECT_EQ(m["hp"], 50);
    EXPECT_EQ(m["mp"], -1);
    EXPECT_EQ(m["quizClass"], 3);
    EXPECT_EQ(m["extraStats"].size(), 27u);
    EXPECT_EQ(m["skills"], nlohmann::json::array({"仲間を呼ぶ(スライム)", "火"}));
    EXPECT_EQ(m["skillKeys"][1], "ﾋ");

    EXPECT_EQ(cli("dump " + dir.path() + "/none.csv").status, 2);
    EXPECT_EQ(cli("dump").status, 2);
}

TEST(CliCheck, ReportsLinesOutsideTheLayout)
{
    EXPECT_EQ(cli("check " + kSample).status, 0);
    kestrel::testing::TempDir dir;
    std::string path = dir.write("bad.csv", "HRVTNP14122700\n0,A,,\x82\xa0,\n0,B,1,,,,,,,x\n");
    CliRun run = cli("check " + path);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("format 14122700"), std::string::npos);
    EXPECT_NE(run.out.find(path + ":2: quiz class missing"), std::string::npos);
    EXPECT_NE(run.out.find(path + ":2: family not recognised"), std::string::npos);
    EXPECT_NE(run.out.find(path + ":2: 5 columns, the layout has 10"), std::string::npos);
    EXPECT_EQ(run.out.find(":3:"), std::string::npos);
    EXPECT_EQ(cli("check " + dir.path()).status, 2);
}

TEST(CliNormalise, OneLinePerArgument)
{
    CliRun run = cli("normalise はげしいほのお ＭＰ mp 石");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "ﾊｹｼｲﾎﾉｵ\nMP\nmp\nｾk\n");
    EXPECT_EQ(cli("normalise").status, 2);
}

TEST(CliSettings, PrintsValuesAfterDefaultsAndRanges)
{
    kestrel::testing::TempDir dir;
    std::string path = dir.write("k.ini", "[SETTING]\r\nQUIZCLASS=9\r\nPERM_ATK_L=-5\r\nVAL_FLY_WID_H=2.00\r\n"
                                          "INFORMATIONFLAG=1F\r\n[USER3]\r\nATACK=150\r\nUSERNAME=abcdefghijklmnop\r\n");
    CliRun run = cli("settings " + path);
    ASSERT_EQ(run.status, 0);
    auto doc = json(run);
    EXPECT_EQ(doc["QUIZCLASS"], 1);
    EXPECT_EQ(doc["PERM_ATK_L"], -5);
    EXPECT_EQ(doc["PERM_ATK_H"], 100);
    EXPECT_DOUBLE_EQ(doc["VAL_FLY_WID_H"].get<double>(), 2.0);
    EXPECT_DOUBLE_EQ(doc["VAL_FLY_NOM_H"].get<double>(), 1.56);
    EXPECT_EQ(doc["INFORMATIONFLAG"], 31);
    ASSERT_EQ(doc["profiles"].size(), 100u);
    EXPECT_EQ(doc["profiles"][3]["ATACK"], 150);
    EXPECT_EQ(doc["profiles"][3]["DEFENSE"], 2004);
    EXPECT_EQ(doc["profiles"][3]["USERNAME"], "abcdefghijkl");
    EXPECT_EQ(doc["profiles"][0]["USERNAME"], "User1");
    EXPECT_EQ(cli("settings " + dir.path() + "/missing.ini").status, 2);
}

TEST(CliDamage, FormulaAndInverses)
{
    auto range = json(cli("damage range 200 150"));
    EXPECT_EQ(range["min"], 57);
    EXPECT_EQ(range["max"], 68);
    EXPECT_NEAR(range["ratio"].get<double>(), 133.33, 0.01);
    EXPECT_EQ(json(cli("damage range 200 150 --no-damage"))["max"], 1);
    auto attack = json(cli("damage attack 100 20"));
    EXPECT_EQ(attack["low"], 82);
    EXPECT_EQ(attack["high"], 98);
    auto defense = json(cli("damage defense 200 40"));
    EXPECT_EQ(defense, nlohmann::json::parse(R"({"low":228,"high":252,"bonusLow":244,"bonusHigh":292})"));
    EXPECT_EQ(cli("damage range 1 x").status, 2);
    EXPECT_EQ(cli("damage speed 1 2").status, 2);
}

TEST(CliQuery, NarrowsTheSampleAndRejectsBadOptions)
{
    auto all = json(cli("query " + kSample));
    auto count = all["candidateCount"].get<int>();
    EXPECT_EQ(count, static_cast<int>(all["candidates"].size()));
    EXPECT_GE(count, 60);
    EXPECT_EQ(all["ranges"]["attack"][0], "?");

    auto beginner = json(cli("query " + kSample + " --class 1"));
    EXPECT_LT(beginner["candidateCount"].get<int>(), count);

    auto floating = json(cli("query " + kSample + " --float yes --metal no"));
    EXPECT_LT(floating["candidateCount"].get<int>(), count);
    EXPECT_GT(floating["candidateCount"].get<int>(), 0);

    auto taken = json(cli("query " + kSample + " --def 100 --taken 20"));
    EXPECT_EQ(taken["ranges"]["attack"], nlohmann::json::array({"82", "～", "98", "Ave.90", "(50%)"}));
    EXPECT_LT(taken["candidateCount"].get<int>(), count);

    auto searched = json(cli("query " + kSample + " --search ためる"));
    EXPECT_GT(searched["candidateCount"].get<int>(), 0);
    for (const auto& c : searched["candidates"])
        EXPECT_EQ(c["skillHit"].size(), 1u);

    for (const char* bad : {"--class 5", "--float maybe", "--bogus", "--exclude 猫", "--dealt x", "--sort 7", "--atk"})
        EXPECT_EQ(cli("query " + kSample + " " + bad).status, 2) << bad;
}
