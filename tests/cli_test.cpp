// kestrel-cli as a user runs it: commands, output formats and exit statuses.

#include "platform/file_names.h"
#include "platform/program_path.h"
#include "support/cli_run.h"
#include "support/monster_files.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <map>
#ifndef _WIN32
#include <sys/wait.h>
#endif

using nlohmann::json;

using kestrel::testing::CliRun;

static CliRun cli(const std::string& arguments) { return kestrel::testing::runCli(arguments); }

static const std::string kSample = kestrel::testing::sampleFilePath();

TEST(Cli, DumpCheckAndSettingsPrintFilesAsTheProgramReadsThem)
{
    kestrel::testing::TempDir dir;
    // スライム with reading すらいむ, family 獣?, HP 50, skills 仲間を呼ぶ、火, quiz class 3
    const std::string monster = "0,\x83\x58\x83\x89\x83\x43\x83\x80,\x82\xb7\x82\xe7\x82\xa2\x82\xde,\x8f\x62?,,,50" +
                                std::string(38, ',') + ",\x92\x87\x8a\xd4\x82\xf0\x8c\xc4\x82\xd4\x81\x41\x89\xce" +
                                std::string(29, ',') + ",3,,";
    const std::string bad = dir.write("bad.csv", "HRVTNP14122700\n0,A,,\x82\xa0,\n0,B,1,,,,,,,x\n");
    const std::string ini =
        "[SETTING]\r\nQUIZCLASS=9\r\nPERM_ATK_L=-5\r\nVAL_FLY_WID_H=2.00\r\nINFORMATIONFLAG=1F\r\n"
        "[USER3]\r\nATACK=150\r\nUSERNAME=abcdefghijklmnop\r\n";
    const CliRun dump = cli("dump " + dir.write("m.csv", "HRVMOB\r\n" + monster + "\r\n")), check = cli("check " + bad),
                 settings = cli("settings " + dir.write("k.ini", ini));
    EXPECT_EQ(std::tuple(dump.status, check.status, settings.status), std::tuple(0, 1, 0));
    json doc = dump.doc(), m = doc["monsters"][0];
    EXPECT_EQ(std::tuple(doc["format"], doc["encoding"], doc["monsterCount"]), std::tuple(15041200, "cp932", 1));
    EXPECT_EQ(std::tuple(m["name"], m["readingKey"], m["family"], m["hp"], m["mp"], m["quizClass"], m["skillKeys"][1]),
              std::tuple("スライム", "ｽﾗｲﾑ", 0x81, 50, -1, 3, "ﾋ"));
    EXPECT_EQ(m["skills"], json::array({"仲間を呼ぶ(スライム)", "火"}));
    EXPECT_EQ(m["extraStats"].size(), 27u);
    EXPECT_EQ(check.out, bad + ": format 14122700 (basic layout), encoding cp932, 2 monsters\n" + bad +
                             ":2: quiz class missing, class 1 used\n" + bad + ":2: family not recognised\n" + bad +
                             ":2: 5 columns, the layout has 10\n3 warnings\n");
    doc = settings.doc();
    const json& user3 = doc["profiles"][3];
    EXPECT_EQ(std::tuple(doc["profiles"].size(), user3["ATACK"], user3["DEFENSE"], user3["USERNAME"]),
              std::tuple(100u, 150, 2004, "abcdefghijkl"));
    EXPECT_EQ(std::tuple(doc["QUIZCLASS"], doc["PERM_ATK_L"], doc["PERM_ATK_H"], doc["VAL_FLY_WID_H"],
                         doc["VAL_FLY_NOM_H"], doc["INFORMATIONFLAG"], doc["DEBUG"], doc["profiles"][0]["USERNAME"]),
              std::tuple(1, -5, 100, 2.0, 1.56, 31, 0, "User1"));
}

TEST(Cli, NormaliseDamageAndQuery)
{
    EXPECT_EQ(cli("normalise はげしいほのお ＭＰ mp 石").out, "ﾊｹｼｲﾎﾉｵ\nMP\nmp\nｾk\n");
    EXPECT_EQ(cli("damage range 200 150").doc(), json::parse(R"({"min": 57, "max": 68, "ratio": 133.33334})"));
    EXPECT_EQ(cli("damage range 200 150 --no-damage").doc()["max"], 1);
    EXPECT_EQ(cli("damage attack 100 20").doc(), json::parse(R"({"low": 82, "high": 98})"));
    EXPECT_EQ(cli("damage defense 200 40").doc(),
              json::parse(R"({"low": 228, "high": 252, "bonusLow": 244, "bonusHigh": 292})"));

    auto query = [](const std::string& options) { return cli("query " + kSample + options).doc(); };
    const json all = query(""), taken = query(" --def 100 --taken 20"), searched = query(" --search ためる");
    const int count = all["candidateCount"], floating = query(" --float yes --metal no")["candidateCount"];
    EXPECT_TRUE(count >= 60 && count == static_cast<int>(all["candidates"].size())) << count;
    EXPECT_EQ(all["ranges"]["attack"][0], "?");
    EXPECT_LT(query(" --class 1")["candidateCount"].get<int>(), count);
    EXPECT_TRUE(floating > 0 && floating < count) << floating;
    EXPECT_EQ(taken["ranges"]["attack"], json::array({"82", "～", "98", "Ave.90", "(50%)"}));
    EXPECT_LT(taken["candidateCount"].get<int>(), count);
    EXPECT_GT(searched["candidateCount"].get<int>(), 0);
    for (const auto& c : searched["candidates"])
        EXPECT_EQ(c["skillHit"].size(), 1u);
    // Against the unset attack (--atk left out) a dealt damage narrows nothing, as in the window.
    const json unset = query(" --def 100 --dealt 60 --explain");
    EXPECT_EQ(unset["candidateCount"], count);
    EXPECT_EQ(unset["ranges"]["defense"], json::array({"?", "～", "?", "", ""}));
    EXPECT_TRUE(unset["eliminated"].empty());
}

TEST(Cli, ExitStatuses)
{
    kestrel::testing::TempDir dir;
    const std::string query = "query " + kSample;
    const std::pair<std::string, int> runs[] = {{"check " + kSample, 0},
                                                {query, 0},
                                                {"normalise x", 0},
                                                {"damage attack 1 2", 0},
                                                {"dump", 2},
                                                {"dump " + dir.path() + "/none.csv", 2},
                                                {"check " + dir.path(), 2},
                                                // a device is refused unread, whatever it would give
                                                {"check /dev/zero", 2},
                                                {"check /dev/urandom", 2},
                                                // no definition file: refused, never clean
                                                {"check " + dir.write("zip.csv", std::string("PK\3\4\0\0", 6)), 1},
                                                {"normalise", 2},
                                                {"damage range 1 x", 2},
                                                {"settings " + dir.path() + "/missing.ini", 2},
                                                {"damage speed 1 2", 2},
                                                {query + " --class 5", 2},
                                                {query + " --float maybe", 2},
                                                {query + " --bogus", 2},
                                                {query + " --exclude 猫", 2},
                                                {query + " --dealt x", 2},
                                                {query + " --sort 7", 2},
                                                {query + " --atk", 2}};
    for (const auto& [arguments, status] : runs)
        EXPECT_EQ(cli(arguments).status, status) << arguments;
}

// The skill seen and a further hit through the command line: each skill
// answer keeps what query keeps with that word added to --search; three
// candidates get differences, eight none.
TEST(Cli, QueryExplainAdvisesSkillsAndFurtherHitsAndTellsDifferences)
{
    const std::string base = "query " + kSample + " --class 2 --atk 200 --def 150 --weight 500 --taken 45";
    auto run = [&](const std::string& options) { return cli(base + options).doc(); };
    const json doc = run(" --dealt 60 --explain");
    const json* skill = nullptr;
    bool repeatedHit = false;
    for (const json& a : doc["advice"]) {
        skill = a["observation"] == "skill" ? &a : skill;
        repeatedHit = repeatedHit || a["observation"] == "dealtDamage";
    }
    ASSERT_NE(skill, nullptr);
    EXPECT_TRUE(repeatedHit);  // the pair holds 60 and another hit can still split
    int checked = 0;
    for (const auto& [word, n] : (*skill)["answers"].items()) {
        EXPECT_EQ(n.get<int>(), run(" --dealt 60 --search " + word)["candidateCount"].get<int>()) << word;
        if (++checked == 6)
            break;
    }

    const json three = run(" --dealt 60 --anger yes --search ためる --explain");
    ASSERT_EQ(three["candidateCount"], 3);
    ASSERT_TRUE(three.contains("differences"));
    std::vector<std::string> attributes;
    for (const json& row : three["differences"])
        attributes.push_back(row["attribute"]);
    EXPECT_EQ(attributes, (std::vector<std::string>{"family", "dealtDamage", "takenDamage", "hp", "skills"}));
    EXPECT_EQ(three["differences"][0]["values"]["スラッシュボア"], "?");  // an uncertain family
    EXPECT_FALSE(doc.contains("differences"));                            // eight candidates: none
}

TEST(Cli, QueryExplainAddsAdviceEliminationsAndNearMisses)
{
    auto query = [](const std::string& options) { return cli("query " + kSample + " --class 4" + options).doc(); };
    const std::string observed = " --mpdrain no --dealt 30";
    json plain = query(observed), explained = query(observed + " --explain");
    for (const char* member : {"advice", "eliminated", "nearMisses", "differences"}) {
        EXPECT_FALSE(plain.contains(member)) << member;
        explained.erase(member);
    }
    EXPECT_EQ(explained, plain);  // the members are added, nothing else changes

    const json doc = query(" --mpdrain no --explain");
    const int count = doc["candidateCount"];
    const int classRecords = query("")["candidateCount"];
    EXPECT_EQ(static_cast<int>(doc["eliminated"].size()) + count, classRecords);
    for (const json& e : doc["eliminated"])
        EXPECT_EQ(e["failed"], json::array({"mpDrain"})) << e;
    EXPECT_EQ(doc["nearMisses"].size(), 10u);  // all of them fail only mpDrain
    EXPECT_EQ(doc["nearMisses"][0], doc["eliminated"][0]["name"]);

    // Each answer's count is the count that query gives once that answer is observed.
    const std::map<std::string, std::map<std::string, std::string>> options = {
        {"floating", {{"1", " --float yes"}, {"0", " --float no"}}},
        {"metal", {{"1", " --metal yes"}, {"0", " --metal no"}}},
        {"size", {{"0", " --size normal"}, {"1", " --size big"}}},
        {"anger", {{"1", " --anger yes"}, {"2", " --anger no"}}},
    };
    double previous = 0;
    int checked = 0;
    for (const json& advice : doc["advice"]) {
        const double expected = advice["expectedRemaining"];
        EXPECT_TRUE(expected >= previous && expected < count) << advice;
        previous = expected;
        const std::string name = advice["observation"];
        if (!options.count(name))
            continue;
        int sum = 0;
        for (const auto& [value, option] : options.at(name)) {
            const int n = advice["answers"][value];
            EXPECT_EQ(n, query(" --mpdrain no" + option)["candidateCount"].get<int>()) << name << value;
            sum += n, ++checked;
        }
        if (sum == count) {  // every candidate answers one way: E = sum of n_a^2 / N, printed in full
            double squares = 0;
            for (const auto& [value, n] : advice["answers"].items())
                squares += n.get<double>() * n.get<double>();
            EXPECT_EQ(expected, squares / count) << name;
        }
    }
    EXPECT_GE(checked, 6);

    const json damage = query(" --atk 200 --def 100 --dealt 500 --explain");
    const json& first = damage["eliminated"][0];
    EXPECT_EQ(first["failed"], json::array({"dealtDamage"}));
    EXPECT_EQ(first["dealtRange"].size(), 2u);
    EXPECT_FALSE(first.contains("takenRange"));
}

TEST(Cli, JapaneseFolderAndFileNames)
{
    // A settings file 設定.ini naming, in code page 932, the definition file
    // 魔物.csv; both in the folder データソース. Paths and arguments reach the
    // program whole, and MONSTERFILE reads back as the same path.
    kestrel::testing::TempDir dir;
    const std::string folder = dir.path() + "/\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF\xE3\x82\xBD\xE3\x83\xBC\xE3\x82\xB9";
    ASSERT_TRUE(std::filesystem::create_directory(kestrel::pathFromUtf8(folder)));
    const std::string csv =
        dir.write(folder.substr(dir.path().size() + 1) + "/\xE9\xAD\x94\xE7\x89\xA9.csv",
                  "HRVTNP14122700\r\n0,\x83\x58\x83\x89\x83\x43\x83\x80,2,\x8F\x62,F,120,5,50,40,\r\n");
    const std::string ini = dir.write(folder.substr(dir.path().size() + 1) + "/\xE8\xA8\xAD\xE5\xAE\x9A.ini",
                                      "[SETTING]\r\nMONSTERFILE=" + kestrel::settingsPathOf(csv) + "\r\n");
    const CliRun dump = cli("dump \"" + csv + "\""), settings = cli("settings \"" + ini + "\"");
    ASSERT_EQ(std::tuple(dump.status, settings.status), std::tuple(0, 0)) << dump.out << settings.out;
    EXPECT_EQ(dump.doc()["monsters"][0]["name"], "\xE3\x82\xB9\xE3\x83\xA9\xE3\x82\xA4\xE3\x83\xA0");
    const std::string monsterFile = settings.doc()["MONSTERFILE"];
    EXPECT_EQ(kestrel::pathFromUtf8(monsterFile), kestrel::pathFromUtf8(csv));
    EXPECT_EQ(cli("check \"" + folder + "/\xE7\x84\xA1\xE3\x81\x84.csv\"").status, 2);  // 無い.csv: not there
    EXPECT_EQ(dump.out.find('\r'), std::string::npos);
}
