#include "catalogue/monster_loader.h"
#include "support/monster_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>

using namespace kestrel;

namespace {

// cp932 texts used below.
const std::string kSlime = "\x83\x58\x83\x89\x83\x43\x83\x80";           // スライム
const std::string kSuraimu = "\x82\xb7\x82\xe7\x82\xa2\x82\xde";         // すらいむ
const std::string kCallFriends = "\x92\x87\x8a\xd4\x82\xf0\x8c\xc4\x82\xd4";  // 仲間を呼ぶ
const std::string kComma = "\x81\x41";                                     // 、
const std::string kBeast = "\x8f\x62";                                     // 獣
const std::string kQuestion = "\x81\x48";                                  // ？
const std::string kMeA = "\x83\x81" "A";                                   // メA: second byte 0x81, then 0x41
const std::string kSo = "\x83\x5c";                                        // ソ: second byte is a backslash
const std::string kFire = "\x89\xce";                                      // 火

struct Loaded {
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    LoadReport report;
    std::vector<LoaderMessage> messages;
    const MonsterRecord& operator[](int i) const { return catalogue->monsterTable[i]; }
};

Loaded load(const std::string& bytes)
{
    Loaded result;
    result.report = loadMonsterBytes(*result.catalogue, bytes, "monsters.csv",
                                     [&](const LoaderMessage& m) { result.messages.push_back(m); });
    return result;
}

// An extended-layout line of 78 columns with the given columns filled.
std::string extendedLine(const std::map<int, std::string>& columns)
{
    std::string line;
    for (int c = 0; c < 78; ++c) {
        if (c > 0)
            line += ',';
        auto it = columns.find(c);
        if (it != columns.end())
            line += it->second;
    }
    return line;
}

bool hasWarning(const LoadReport& report, int line, const std::string& part)
{
    for (const auto& w : report.warnings)
        if (w.line == line && w.what.find(part) != std::string::npos)
            return true;
    return false;
}

}  // namespace

TEST(HeaderFormat, MagicAndVersionChooseTheLayout)
{
    bool unsupported = false;
    EXPECT_EQ(formatOfHeader("HRVTNP15041199"), kBasicFormat);
    EXPECT_EQ(formatOfHeader("xx,HRVTNP15041200,yy"), kExtendedFormat);
    EXPECT_EQ(formatOfHeader("HRVTNP99999999999999"), kExtendedFormat);
    EXPECT_EQ(formatOfHeader("HRVTNP19010100", &unsupported), kExtendedFormat);
    EXPECT_TRUE(unsupported);
    EXPECT_EQ(formatOfHeader("name,HRVMOB and more"), kExtendedFormat);
    EXPECT_EQ(formatOfHeader("no magic here"), kBasicFormat);
    EXPECT_EQ(formatOfHeader("HRVTNP,version"), kBasicFormat);       // no number: basic
    EXPECT_EQ(formatOfHeader("HRVMOB HRVTNP1"), kBasicFormat);       // HRVTNP is looked for first
}

TEST(BasicLayout, FillsEveryColumnWithItsDefaults)
{
    Loaded t = load("HRVTNP14122700\r\n"
                    "0," + kSlime + ",2," + kBeast + "?,M,120,,35,x\r\n"
                    "1,B,3," + kQuestion + ",F\r\n"
                    "2,C,1,,f,5,6,7,8,a" + kComma + "b,ignored\n");
    ASSERT_EQ(t.catalogue->monsterCount, 3);
    EXPECT_STREQ(t[0].name, kSlime.c_str());
    EXPECT_STREQ(t[0].reading, kSlime.c_str());
    EXPECT_EQ(t[0].quizClass, 2);
    EXPECT_EQ(t[0].family, 1 | kUncertainFamily);
    EXPECT_EQ(t[0].metal, 1);
    EXPECT_EQ(t[0].hp, 120);
    EXPECT_EQ(t[0].mp, -1);       // empty field: unknown
    EXPECT_EQ(t[0].attack, 35);
    EXPECT_EQ(t[0].defense, -1);  // "x" is no number
    EXPECT_EQ(t[1].family, 14);
    EXPECT_EQ(t[1].floating, 1);
    EXPECT_EQ(t[1].hp, 0);        // missing columns stay zero
    EXPECT_EQ(t[2].floating, -1);
    EXPECT_EQ(t[2].family, 0);
    EXPECT_EQ(t[2].skillCount, 2);
    EXPECT_STREQ(t[2].skills[1], "b");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(t[i].loadIndex, 0);
}

TEST(ExtendedLayout, FillsColumnsTextTablesAndDefaults)
{
    Loaded t = load("HRVTNP15041200\n" +
                    extendedLine({{1, kSlime}, {2, kSuraimu}, {3, kBeast}, {4, "12"}, {6, "80"}, {9, "40"},
                                  {10, "300"}, {14, "7"}, {40, "9"}, {46, "one<BR>two"}, {47, "three"},
                                  {48, "cave"}, {49, "-1"}, {52, "1"}, {54, "?"}, {55, "1"}, {56, "K"},
                                  {75, "3"}, {76, "2"}, {77, "4"}}) +
                    "\n" + extendedLine({{1, "B"}, {54, "1"}, {56, "KK"}, {75, ""}}) + "\n");
    ASSERT_EQ(t.catalogue->monsterCount, 2);
    const MonsterRecord& a = t[0];
    EXPECT_STREQ(a.reading, kSuraimu.c_str());
    EXPECT_EQ(a.bookNumber, 12);
    EXPECT_EQ(a.hp, 80);
    EXPECT_EQ(a.mp, -1);
    EXPECT_EQ(a.attack, -1);
    EXPECT_EQ(a.defense, 40);
    EXPECT_EQ(a.weight, 300);
    EXPECT_EQ(a.extraStats[0], 7);
    EXPECT_EQ(a.extraStats[1], -1);
    EXPECT_EQ(a.extraStats[26], 9);
    EXPECT_EQ(a.floating, -1);
    EXPECT_EQ(a.metal, 1);
    EXPECT_EQ(a.noAnger, -1);
    EXPECT_EQ(a.size, 1);
    EXPECT_EQ(a.typeLetter, 3);
    EXPECT_EQ(a.quizClass, 3);
    EXPECT_EQ(a.dealtSpread, 2);
    EXPECT_EQ(a.takenSpread, 4);
    EXPECT_EQ(triviaText1Of(*t.catalogue, a), "one<BR>two");
    EXPECT_EQ(triviaText2Of(*t.catalogue, a), "three");
    EXPECT_EQ(locationTextOf(*t.catalogue, a), "cave");
    const MonsterRecord& b = t[1];
    EXPECT_EQ(b.loadIndex, 1);
    EXPECT_EQ(b.hp, -1);          // empty HP: unknown
    EXPECT_EQ(b.floating, 0);     // empty floating: does not float
    EXPECT_EQ(b.noAnger, 1);
    EXPECT_EQ(b.typeLetter, 0);   // not exactly one letter
    EXPECT_EQ(b.quizClass, 1);    // empty class: never hidden
    EXPECT_TRUE(hasWarning(t.report, 3, "quiz class missing"));
    EXPECT_TRUE(hasWarning(t.report, 3, "type letter"));
}

TEST(SkillList, SplitsOnlyAtWholeFullWidthCommas)
{
    // メA holds the bytes 0x81 0x41 across a character boundary: no split there.
    Loaded t = load("HRVTNP14122700\n"
                    "0,N,1,,,,,,," + kMeA + kComma + kSo + kComma + kComma + "x" + kComma + "\n"
                    "0,N,1,,,,,,," + kComma + "a\n"
                    "0,N,1,,,,,,,1" + kComma + "2" + kComma + "3" + kComma + "4" + kComma + "5" + kComma + "6" +
                    kComma + "7" + kComma + "8" + kComma + "9\n");
    ASSERT_EQ(t.catalogue->monsterCount, 3);
    ASSERT_EQ(t[0].skillCount, 4);  // メA, ソ, empty, x; the final separator adds nothing
    EXPECT_EQ(std::string(t[0].skills[0]), kMeA);
    EXPECT_EQ(std::string(t[0].skills[1]), kSo);
    EXPECT_EQ(std::string(t[0].skills[2]), "(N)");  // an empty skill reads as the start of 仲間を呼ぶ
    EXPECT_STREQ(t[0].skills[3], "x");
    ASSERT_EQ(t[1].skillCount, 2);
    EXPECT_EQ(std::string(t[1].skills[0]), "(N)");
    ASSERT_EQ(t[2].skillCount, 8);
    EXPECT_STREQ(t[2].skills[7], "8");
    EXPECT_TRUE(hasWarning(t.report, 4, "9 skills"));
}

TEST(SkillList, CallFriendsGetsTheNameAndKeysAreNormalised)
{
    Loaded t = load("HRVTNP14122700\n0," + kSlime + ",1,,,,,,," + kCallFriends + kComma + kFire + kComma +
                    kCallFriends + "X\n");
    ASSERT_EQ(t[0].skillCount, 3);
    EXPECT_EQ(std::string(t[0].skills[0]), kCallFriends + "(" + kSlime + ")");
    EXPECT_EQ(std::string(t[0].skills[2]), kCallFriends + "X");  // longer than 仲間を呼ぶ: unchanged
    EXPECT_EQ(std::string(t[0].skillKeys[1]), "\xcb");          // 火 -> ﾋ
    EXPECT_EQ(std::string(t[0].readingKey), "\xbd\xd7\xb2\xd1"); // スライム -> ｽﾗｲﾑ
}

TEST(FieldLimits, OverlongTextIsCutAtACharacterBoundary)
{
    std::string longName = "a";
    for (int i = 0; i < 20; ++i)
        longName += kSo;  // 41 bytes; 31 would split a character
    std::string longSkill(70, 's');
    std::string hugeField(300, 'z');
    Loaded t = load("HRVTNP15041200\n" + extendedLine({{1, longName}, {45, longSkill}, {46, hugeField}}) + "\n");
    EXPECT_EQ(std::strlen(t[0].name), 31u);
    EXPECT_EQ(std::string(t[0].name), longName.substr(0, 31));
    EXPECT_EQ(std::strlen(t[0].skills[0]), 63u);
    EXPECT_EQ(triviaText1Of(*t.catalogue, t[0]).size(), 255u);
    EXPECT_TRUE(hasWarning(t.report, 2, "name longer"));
    EXPECT_TRUE(hasWarning(t.report, 2, "skill longer"));
    std::string evenName = "ab";
    for (int i = 0; i < 20; ++i)
        evenName += kSo;
    Loaded u = load("HRVTNP15041200\n" + extendedLine({{1, evenName}}) + "\n");
    EXPECT_EQ(std::strlen(u[0].name), 30u);  // the 16th ソ would not fit whole
}

TEST(FileStructure, LineEndsEmptyLinesAndCapacity)
{
    Loaded t = load("HRVTNP14122700\r\n0,A,1\r\n\r\n0,B,2,,,,,,,x");
    ASSERT_EQ(t.catalogue->monsterCount, 3);
    EXPECT_STREQ(t[0].name, "A");
    EXPECT_STREQ(t[1].name, "");     // an empty line is an empty record
    EXPECT_STREQ(t[2].skills[0], "x");  // last line without a line feed
    EXPECT_EQ(load("").catalogue->monsterCount, 0);
    EXPECT_EQ(load("HRVTNP15041200\n").catalogue->monsterCount, 0);

    Loaded full = load(kestrel::testing::generatedExtendedFile(1030, 7));
    EXPECT_EQ(full.catalogue->monsterCount, kMaxMonsters);
    EXPECT_EQ(full.report.dataLines, 1030);
    EXPECT_EQ(full[1023].loadIndex, 1023);
    EXPECT_TRUE(hasWarning(full.report, 1026, "past the 1024th"));
}

TEST(FileStructure, TextTablesAreClearedByEveryLoad)
{
    auto catalogue = std::make_unique<Catalogue>();
    loadMonsterBytes(*catalogue, "HRVTNP15041200\n" + extendedLine({{1, "A"}, {46, "old trivia"}}) + "\n", "f", {});
    loadMonsterBytes(*catalogue, "HRVTNP14122700\n0,B,1\n", "f", {});
    ASSERT_EQ(catalogue->monsterCount, 1);
    EXPECT_EQ(triviaText1Of(*catalogue, catalogue->monsterTable[0]), "");
}

TEST(Encoding, Utf8FilesReadLikeTheirCp932Form)
{
    const std::string utf8Line = "0,\xe3\x82\xb9\xe3\x83\xa9\xe3\x82\xa4\xe3\x83\xa0,1,\xe7\x8d\xa3\n";  // スライム, 獣
    for (const std::string& file : {"\xef\xbb\xbfHRVTNP14122700\n" + utf8Line, "HRVTNP14122700\n" + utf8Line}) {
        Loaded t = load(file);
        EXPECT_EQ(t.report.encoding, FileEncoding::Utf8);
        EXPECT_EQ(std::string(t[0].name), kSlime);
        EXPECT_EQ(t[0].family, 1);
    }
    Loaded plain = load("HRVTNP14122700\n0," + kSlime + ",1\n");
    EXPECT_EQ(plain.report.encoding, FileEncoding::Cp932);
    EXPECT_EQ(std::string(plain[0].name), kSlime);
}

TEST(Messages, OpenFailureAndUnsupportedVersion)
{
    auto catalogue = std::make_unique<Catalogue>();
    std::vector<LoaderMessage> messages;
    auto sink = [&](const LoaderMessage& m) { messages.push_back(m); };
    catalogue->monsterCount = 5;
    EXPECT_FALSE(loadMonsterFile(*catalogue, "", sink).opened);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(catalogue->monsterCount, 0);

    kestrel::testing::TempDir dir;
    EXPECT_FALSE(loadMonsterFile(*catalogue, dir.path() + "/missing.csv", sink).opened);
    EXPECT_FALSE(loadMonsterFile(*catalogue, dir.path(), sink).opened);  // a folder is no file
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "File open error !! : " + dir.path() + "/missing.csv");
    EXPECT_EQ(messages[0].caption, "");

    messages.clear();
    std::string path = dir.write("old.csv", "HRVTNP19010100\n" + extendedLine({{1, "A"}}) + "\n");
    EXPECT_TRUE(loadMonsterFile(*catalogue, path, sink).opened);
    EXPECT_EQ(catalogue->monsterCount, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "INFORMATION");
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages[0].text.substr(0, 4), "\x82\xb1\x82\xcc");  // この
    EXPECT_NE(messages[0].text.find("\n\nVer 3.0"), std::string::npos);
    EXPECT_EQ(messages[0].text.substr(messages[0].text.size() - path.size() - 3), "\n\n" + path + "\n");
}

TEST(SampleFile, LoadsWholeWithoutWarnings)
{
    auto catalogue = std::make_unique<Catalogue>();
    LoadReport report = loadMonsterFile(*catalogue, kestrel::testing::sampleFilePath(), {});
    EXPECT_EQ(report.format, kExtendedFormat);
    EXPECT_GE(catalogue->monsterCount, 60);
    for (const auto& w : report.warnings)
        ADD_FAILURE() << "line " << w.line << ": " << w.what;
}
