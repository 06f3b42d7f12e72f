// The candidate list's cells and rows on hand-made records (the stories fill the control).

#include "ui/list/list_view.h"
#include "ui/texts/texts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>

using namespace kestrel;
using namespace kestrel::ui;

namespace {

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

// A table of candidates with these names and every other field zero.
std::unique_ptr<Catalogue> catalogueOf(std::initializer_list<const char*> names)
{
    auto c = std::make_unique<Catalogue>();
    for (const char* name : names) {
        MonsterRecord& r = c->monsterTable[c->monsterCount];
        r.loadIndex = c->monsterCount++, r.isCandidate = 1;
        std::strcpy(r.name, name);
    }
    return c;
}

Rows rowsIn(const Catalogue& c, std::int32_t layout)
{
    ObservationState state;
    state.listLayout = layout;
    return candidateRows(c, state, 0);
}

void setSkills(MonsterRecord& r, std::initializer_list<const char*> utf8)
{
    r.skillCount = 0;
    for (const char* s : utf8)
        std::strcpy(r.skills[r.skillCount++], sjis(s).c_str());
    std::memset(r.skillHit, 0xFF, sizeof r.skillHit);
}

}  // namespace

TEST(ListView, FamilyAttributeAndStatCells)
{
    for (const auto& [family, cell] : std::initializer_list<std::pair<std::int32_t, std::string>>{
             {3 | 0x80, sjis("植?")}, {0, "?"}, {14, sjis("？")}, {15, "?"}, {15 | 0x80, "?"}})
        EXPECT_EQ(familyCell(family), cell) << family;

    auto c = catalogueOf({"slime"});
    c->monsterCount = 5000;  // a count beyond the table is read as the whole table
    MonsterRecord& r = c->monsterTable[0];
    r.metal = 1, r.floating = 1, r.hp = -1, r.mp = 3, r.attack = 85, r.dealtSpread = 2, r.defense = 40;
    EXPECT_EQ(rowsIn(*c, 0), (Rows{{"slime", "?", "M", "?", "3", "*85", "40", ""}}));
    r.metal = 0, r.floating = -1, r.takenSpread = 1;
    EXPECT_EQ(rowsIn(*c, 0), (Rows{{"slime", "?", sjis("浮"), "?", "3", "*85", "*40", ""}}));
}

TEST(ListView, DamageLayoutAlsoForEveryUnknownLayout)
{
    auto c = catalogueOf({"a", "b"});
    MonsterRecord& r = c->monsterTable[0];
    r.defense = 30, r.dealtSpread = 3, r.dealtMin = 5, r.dealtMax = 12, r.dealtRatio = 57.0f;
    r.takenMin = 8, r.takenMax = 110, r.takenRatio = 57.1f;  // above 57: no ratio
    c->monsterTable[1].defense = -1;
    const std::string tilde = sjis("～");
    for (std::int32_t layout : {3, 7, -1}) {
        ASSERT_EQ(columnsOf(layout).size(), 17u) << layout;  // the last two are pictures, with no text
        const Rows rows = rowsIn(*c, layout);
        ASSERT_EQ(rows.size(), 2u);
        const Row known(rows[0].begin() + 7, rows[0].end());
        EXPECT_EQ(known, (Row{"(+-3)   5", tilde, " 12", " 57%", "  8", tilde, "110", "", "", ""}));
        EXPECT_EQ(Row(rows[1].begin() + 7, rows[1].end()),
                  (Row{"?", "", "", "", "", "", "", "", "", ""}));  // unknown defense
    }
}

// The damage cells are formatted by hand: they must read as printf's formats
// "(+-%d) %3d", "%3d" and "%3.0f%%" would write them.
TEST(ListView, DamageCellsReadAsPrintfWritesThem)
{
    const std::int32_t ints[] = {0, 7, -7, 99, 100, -99, -100, 12345, 2147483647, -2147483647 - 1};
    const float ratios[] = {0.0f,  -0.0f, 0.5f,  1.5f,        2.5f,  -0.5f,      -0.4f,          9.5f,
                            10.5f, 56.5f, 57.0f, 0.49999997f, -1.5f, -123456.7f, -3.4028235e38f, 1e-30f};
    auto printf3 = [](const char* format, auto... values) {
        char text[128];
        std::snprintf(text, sizeof text, format, values...);
        return std::string(text);
    };
    auto c = catalogueOf({"a"});
    MonsterRecord& r = c->monsterTable[0];
    r.defense = 1;
    for (std::size_t k = 0; k < std::size(ints); ++k) {
        const std::int32_t spread = ints[(k + 3) % std::size(ints)], value = ints[k];
        r.dealtSpread = spread, r.dealtMin = value, r.dealtMax = value, r.takenSpread = 0, r.takenMin = value;
        r.dealtRatio = ratios[k], r.takenRatio = ratios[std::size(ratios) - 1 - k];
        const Row row = rowsIn(*c, 3).at(0);
        const std::string dealt = spread ? printf3("(+-%d) %3d", spread, value) : printf3("%3d", value);
        EXPECT_EQ(row[7], dealt);
        EXPECT_EQ(row[9], printf3("%3d", value));
        EXPECT_EQ(row[10], printf3("%3.0f%%", static_cast<double>(r.dealtRatio))) << r.dealtRatio;
        EXPECT_EQ(row[11], printf3("%3d", value));
        EXPECT_EQ(row[14], printf3("%3.0f%%", static_cast<double>(r.takenRatio))) << r.takenRatio;
    }
}

TEST(ListView, SkillsCell)
{
    MonsterRecord r{};
    setSkills(r, {"/", "メラ", "ヒャド"});
    EXPECT_EQ(skillsCell(r, 0), sjis("メラ、ヒャド"));

    setSkills(r, {"メラ", "ルカニ", "ヒャド"});
    r.skillHit[0] = 2, r.skillHit[1] = 1;  // the second word found ルカニ, but a count of 1 ignores it
    EXPECT_EQ(skillsCell(r, 1), sjis("ヒャド、メラ、ルカニ"));
    EXPECT_EQ(skillsCell(r, 2), sjis("ヒャド、ルカニ、メラ"));
    r.skillHit[1] = 2, r.skillHit[2] = 7;  // a repeated hit and one past skillCount
    EXPECT_EQ(skillsCell(r, 3), sjis("ヒャド、メラ、ルカニ"));
    EXPECT_EQ(skillsCell(r, 99), sjis("ヒャド、メラ、ルカニ"));
}

TEST(ListView, TriviaBlockFlagsTheFirstFourLinesOfEachText)
{
    auto c = catalogueOf({"a", "hidden"});
    c->monsterTable[1].isCandidate = 0;
    c->triviaText1[0] = "1<BR>2<BR>3<BR>4<BR>5";
    c->triviaText2[0] = "m1";
    MonsterRecord& r = c->monsterTable[0];
    r.triviaHit[2] = 1, r.triviaHit[4] = 1, r.triviaHit[5] = 1;  // lines 2 and 4 of the first, 1 of the second
    const std::string arrow = sjis("→"), line = sjis("＿＿＿＿＿＿＿＿＿＿＿＿＿");
    EXPECT_EQ(rowsIn(*c, 2), (Rows{{"a", " ", "", "", ""},
                                   {"", " ", "1", arrow, "m1"},
                                   {"", arrow, "2", " ", ""},
                                   {"", " ", "3", " ", ""},
                                   {"", arrow, "4", " ", ""},
                                   {"", " ", "5", " ", ""},
                                   {"", "", line, "", line}}));
}
