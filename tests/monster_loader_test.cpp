#include "catalogue/monster_loader.h"
#include "support/monster_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

using namespace kestrel;
using R = MonsterRecord;
using Texts = std::vector<std::string>;
using Ints = std::vector<int>;

namespace {
const std::string kSlime = "\x83\x58\x83\x89\x83\x43\x83\x80";                // スライム
const std::string kCallFriends = "\x92\x87\x8a\xd4\x82\xf0\x8c\xc4\x82\xd4";  // 仲間を呼ぶ
const std::string kComma = "\x81\x41";                                        // 、
const std::string kSo = "\x83\x5c";                                           // ソ: second byte is a backslash

struct Loaded {
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    LoadReport report;
    explicit Loaded(const std::string& bytes) : report(loadMonsterBytes(*catalogue, bytes, "monsters.csv", {})) {}
    const R& operator[](int i) const { return catalogue->monsterTable[i]; }
    int count() const { return catalogue->monsterCount; }
    bool warned(int line, const std::string& part) const
    {
        auto hit = [&](const LoadWarning& w) { return w.line == line && w.what.find(part) != std::string::npos; };
        return std::any_of(report.warnings.begin(), report.warnings.end(), hit);
    }
};

Texts skillsOf(const R& r) { return Texts(r.skills, r.skills + r.skillCount); }

// An extended-layout file: the header, then one line of 78 columns per map, with the given columns filled.
using Columns = std::map<int, std::string>;
std::string extendedFile(std::initializer_list<Columns> lines, const char* header = "HRVTNP15041200")
{
    std::string file = std::string(header) + "\n";
    for (const auto& columns : lines) {
        for (int c = 0; c < 78; ++c)
            file += (c > 0 ? "," : "") + (columns.count(c) ? columns.at(c) : "");
        file += "\n";
    }
    return file;
}
}  // namespace

TEST(MonsterLoader, MagicAndVersionChooseTheLayout)
{
    const std::pair<const char*, int> cases[] = {
        {"HRVTNP15041199", kBasicFormat},          {"xx,HRVTNP15041200,yy", kExtendedFormat},
        {"no magic here", kBasicFormat},           {"HRVTNP99999999999999", kExtendedFormat},
        {"HRVTNP19010100", kExtendedFormat},       {"HRVTNP,1", kBasicFormat},
        {"name,HRVMOB and more", kExtendedFormat}, {"HRVMOB HRVTNP1", kBasicFormat}};  // HRVTNP is looked for first
    for (const auto& [header, format] : cases) {
        bool unsupported = false;
        EXPECT_EQ(formatOfHeader(header, &unsupported), format) << header;
        EXPECT_EQ(unsupported, std::string(header) == "HRVTNP19010100") << header;
    }
}

TEST(MonsterLoader, BothFillEveryColumnWithItsDefaults)
{
    auto row = [](const R& r) {
        return Ints{r.quizClass, r.family,     r.metal,         r.floating,      r.hp,
                    r.mp,        r.attack,     r.defense,       r.weight,        r.bookNumber,
                    r.noAnger,   r.size,       r.typeLetter,    r.dealtSpread,   r.takenSpread,
                    r.loadIndex, r.skillCount, r.extraStats[0], r.extraStats[1], r.extraStats[26]};
    };
    Loaded b("HRVTNP14122700\r\n0," + kSlime +
             ",2,\x8f\x62?,M,120,,35,x\r\n1,B,3,\x81\x48,F\r\n"  // 獣? ？
             "2,C,1,,f,5,6,7,8,a" +
             kComma + "b,ignored\n");
    ASSERT_EQ(b.count(), 3);
    EXPECT_EQ(Texts({b[0].reading, b[2].skills[0], b[2].skills[1]}), (Texts{kSlime, "a", "b"}));
    EXPECT_EQ(row(b[0]), (Ints{2, 1 | kUncertainFamily, 1, 0, 120, -1, 35, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(row(b[1]), (Ints{3, 14, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));  // missing columns: 0
    EXPECT_EQ(row(b[2]), (Ints{1, 0, 0, -1, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0}));
    const std::string suraimu = "\x82\xb7\x82\xe7\x82\xa2\x82\xde";  // すらいむ
    Loaded t(extendedFile(
        {{{1, kSlime}, {2, suraimu}, {3, "\x8f\x62"},    {4, "12"},     {6, "80"},    {9, "40"},  {10, "300"},
          {14, "7"},   {40, "9"},    {46, "one<BR>two"}, {47, "three"}, {48, "cave"}, {49, "-1"}, {52, "1"},
          {54, "?"},   {55, "1"},    {56, "K"},          {75, "3"},     {76, "2"},    {77, "4"}},
         {{1, "B"}, {54, "1"}, {56, "KK"}, {75, ""}}}));  // 獣
    ASSERT_EQ(t.count(), 2);
    EXPECT_EQ(row(t[0]), (Ints{3, 1, 1, -1, 80, -1, -1, 40, 300, 12, -1, 1, 3, 2, 4, 0, 0, 7, -1, 9}));
    // Empty HP unknown, empty floating none, "KK" no letter, empty class 1.
    EXPECT_EQ(row(t[1]), (Ints{1, 0, 0, 0, -1, -1, -1, -1, -1, 0, 1, 0, 0, 0, 0, 1, 0, -1, -1, -1}));
    const Catalogue& c = *t.catalogue;
    EXPECT_EQ(Texts({t[0].reading, triviaText1Of(c, t[0]), triviaText2Of(c, t[0]), locationTextOf(c, t[0])}),
              (Texts{suraimu, "one<BR>two", "three", "cave"}));
    EXPECT_TRUE(t.warned(3, "quiz class missing") && t.warned(3, "type letter"));
    loadMonsterBytes(*t.catalogue, "HRVTNP14122700\n0,B,1\n", "f", {});
    EXPECT_EQ(triviaText1Of(c, t[0]), "");  // the text tables belong to one load only
}

TEST(MonsterLoader, SplitsAtWholeCommasAndNamesCallFriends)
{
    const std::string meA =
        "\x83\x81"
        "A";  // メA: the bytes 0x81 0x41 across a character boundary
    std::string nine = "1";
    for (char c = '2'; c <= '9'; ++c)
        nine += kComma + c;
    Loaded t("HRVTNP14122700\n0,N,1,,,,,,," + meA + kComma + kSo + kComma + kComma + "x" + kComma +
             "\n"
             "0,N,1,,,,,,," +
             kComma + "a\n0,N,1,,,,,,," + nine + "\n0," + kSlime + ",1,,,,,,," + kCallFriends + kComma + "\x89\xce" +
             kComma + kCallFriends + "X\n");  // 火
    // The final separator adds nothing. An empty skill is the start of 仲間を呼ぶ and gets the name; 仲間を呼ぶX
    // is longer and stays as it is.
    EXPECT_EQ(skillsOf(t[0]), (Texts{meA, kSo, "(N)", "x"}));
    EXPECT_EQ(skillsOf(t[1]), (Texts{"(N)", "a"}));
    EXPECT_EQ(skillsOf(t[2]), (Texts{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_TRUE(t.warned(4, "9 skills"));
    EXPECT_EQ(skillsOf(t[3]), (Texts{kCallFriends + "(" + kSlime + ")", "\x89\xce", kCallFriends + "X"}));
    EXPECT_EQ(Texts({t[3].skillKeys[1], t[3].readingKey}), (Texts{"\xcb", "\xbd\xd7\xb2\xd1"}));  // ﾋ, ｽﾗｲﾑ
}

TEST(MonsterLoader, OverlongTextIsCutAtACharacterBoundaryAndTheTableHolds1024)
{
    std::string so20;
    for (int i = 0; i < 20; ++i)
        so20 += kSo;
    // "a" + 20 ソ: byte 31 would split a character; with "ab" the 16th ソ does not fit.
    Loaded t(
        extendedFile({{{1, "a" + so20}, {45, std::string(70, 's')}, {46, std::string(300, 'z')}}, {{1, "ab" + so20}}}));
    EXPECT_EQ(t[0].name, ("a" + so20).substr(0, 31));
    EXPECT_EQ(std::string(t[0].skills[0]).size(), 63u);
    EXPECT_EQ(triviaText1Of(*t.catalogue, t[0]).size(), 255u);
    EXPECT_EQ(std::string(t[1].name).size(), 30u);
    Loaded full(kestrel::testing::generatedExtendedFile(1030, 7));
    EXPECT_EQ(std::tuple(full.count(), full.report.dataLines, full[1023].loadIndex), std::tuple(1024, 1030, 1023));
    EXPECT_TRUE(t.warned(2, "name longer") && t.warned(2, "skill longer") && full.warned(1026, "past the 1024th"));
}

TEST(MonsterLoader, LineEndsEmptyLinesAndEncoding)
{
    Loaded t("HRVTNP14122700\r\n0,A,1\r\n\r\n0,B,2,,,,,,,x");
    ASSERT_EQ(t.count(), 3);
    // An empty line is an empty record; the last line needs no line feed.
    EXPECT_EQ(Texts({t[0].name, t[1].name, t[2].skills[0]}), (Texts{"A", "", "x"}));
    EXPECT_EQ(t.report.encoding, FileEncoding::Cp932);
    EXPECT_EQ(Loaded("").count() + Loaded("HRVTNP15041200\n").count(), 0);
    // UTF-8, with or without a byte order mark, reads like its cp932 form (スライム, 獣).
    const std::string utf8 = "HRVTNP14122700\n0,\xe3\x82\xb9\xe3\x83\xa9\xe3\x82\xa4\xe3\x83\xa0,1,\xe7\x8d\xa3\n";
    for (const std::string& file : {"\xef\xbb\xbf" + utf8, utf8}) {
        Loaded u(file);
        EXPECT_EQ(std::tuple(u.report.encoding, u[0].name, u[0].family), std::tuple(FileEncoding::Utf8, kSlime, 1));
    }
}

TEST(MonsterLoader, OpenFailureUnsupportedVersionAndTheSample)
{
    Loaded t("HRVTNP14122700\n0,A\n");  // a record that an empty path clears
    std::vector<LoaderMessage> messages;
    auto sink = [&](const LoaderMessage& m) { messages.push_back(m); };
    EXPECT_FALSE(loadMonsterFile(*t.catalogue, "", sink).opened);  // an empty path: nothing, silently
    EXPECT_TRUE(messages.empty() && t.count() == 0);
    kestrel::testing::TempDir dir;
    EXPECT_FALSE(loadMonsterFile(*t.catalogue, dir.path() + "/missing.csv", sink).opened);
    EXPECT_FALSE(loadMonsterFile(*t.catalogue, dir.path(), sink).opened);  // a folder is no file
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "File open error !! : " + dir.path() + "/missing.csv");
    EXPECT_EQ(messages[0].caption, "");
    std::string path = dir.write("old.csv", extendedFile({{{1, "A"}}}, "HRVTNP19010100"));
    EXPECT_TRUE(loadMonsterFile(*t.catalogue, path, sink).opened && t.count() == 1);
    ASSERT_EQ(messages.size(), 3u);
    const LoaderMessage& m = messages[2];
    EXPECT_EQ(std::tuple(m.caption, m.icon), std::tuple("INFORMATION", MessageIcon::Error));
    EXPECT_EQ(m.text.substr(0, 4), "\x82\xb1\x82\xcc");  // この
    EXPECT_NE(m.text.find("\n\nVer 3.0"), std::string::npos);
    EXPECT_EQ(m.text.substr(m.text.size() - path.size() - 3), "\n\n" + path + "\n");
    LoadReport sample = loadMonsterFile(*t.catalogue, kestrel::testing::sampleFilePath(), sink);
    EXPECT_EQ(std::tuple(sample.format, messages.size()), std::tuple(kExtendedFormat, 3u));
    EXPECT_GE(t.count(), 60);
    for (const auto& w : sample.warnings)
        ADD_FAILURE() << "sample line " << w.line << ": " << w.what;
}
