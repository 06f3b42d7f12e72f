#include "ui/list_view.h"
#include "ui/memory_controls.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace kestrel;
using namespace kestrel::ui;

namespace {

struct NoEvents : ControlEvents {
    void onTextChanged(int) override {}
    void onClicked(int) override {}
};

MonsterRecord& add(Catalogue& c, const char* name)
{
    MonsterRecord& r = c.monsterTable[c.monsterCount];
    r.loadIndex = c.monsterCount++;
    r.isCandidate = 1;
    std::strcpy(r.name, name);
    return r;
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
    EXPECT_EQ(familyCell(3 | 0x80), sjis("植?"));
    EXPECT_EQ(familyCell(0), "?");
    EXPECT_EQ(familyCell(14), sjis("？"));
    EXPECT_EQ(familyCell(15), "?");
    EXPECT_EQ(familyCell(15 | 0x80), "?");

    auto c = std::make_unique<Catalogue>();
    MonsterRecord& r = add(*c, "slime");
    r.metal = 1, r.floating = 1, r.hp = -1, r.mp = 3, r.attack = 85, r.dealtSpread = 2, r.defense = 40;
    ObservationState state;
    auto row = candidateRows(*c, state, 0).at(0);
    ASSERT_EQ(row.size(), 8u);
    EXPECT_EQ(row[2], "M");
    EXPECT_EQ(row[3], "?");
    EXPECT_EQ(row[5], "*85");
    EXPECT_EQ(row[6], "40");
    r.metal = 0, r.floating = -1, r.takenSpread = 1;
    row = candidateRows(*c, state, 0).at(0);
    EXPECT_EQ(row[2], sjis("浮"));
    EXPECT_EQ(row[6], "*40");
}

TEST(ListView, DamageLayout)
{
    auto c = std::make_unique<Catalogue>();
    MonsterRecord& r = add(*c, "a");
    r.defense = 30, r.dealtSpread = 3, r.dealtMin = 5, r.dealtMax = 12, r.dealtRatio = 57.0f;
    r.takenMin = 8, r.takenMax = 110, r.takenRatio = 57.1f;
    MonsterRecord& unknown = add(*c, "b");
    unknown.defense = -1;
    ObservationState state;
    state.listLayout = 7;  // no such layout: shown as the damage layout
    EXPECT_EQ(columnsOf(7).size(), 15u);
    EXPECT_EQ(columnsOf(7)[3].header, " HP ");
    const auto rows = candidateRows(*c, state, 0);
    ASSERT_EQ(rows.size(), 2u);
    const std::vector<std::string> expected = {"(+-3)   5", sjis("～"), " 12", " 57%", "  8", sjis("～"), "110", ""};
    EXPECT_EQ(std::vector<std::string>(rows[0].begin() + 7, rows[0].end()), expected);
    ASSERT_EQ(rows[1].size(), 15u);
    EXPECT_EQ(rows[1][7], "?");
    for (int i = 8; i < 15; ++i)
        EXPECT_EQ(rows[1][i], "") << i;

    r.weight = 42;
    const auto debugRow = candidateRows(*c, state, 8).at(0);
    EXPECT_EQ(debugRow[7], "Weight =   42");
    EXPECT_EQ(debugRow[8], "");
}

TEST(ListView, SkillsCell)
{
    MonsterRecord r{};
    setSkills(r, {"/", "メラ", "ヒャド"});
    EXPECT_EQ(skillsCell(r, 0), sjis("メラ、ヒャド"));

    setSkills(r, {"メラ", "ルカニ", "ヒャド"});
    r.skillHit[0] = 2;
    EXPECT_EQ(skillsCell(r, 1), sjis("ヒャド、メラ、ルカニ"));
    r.skillHit[1] = 1;  // beyond the word count: not a hit
    EXPECT_EQ(skillsCell(r, 1), sjis("ヒャド、メラ、ルカニ"));
    EXPECT_EQ(skillsCell(r, 2), sjis("ヒャド、ルカニ、メラ"));
    r.skillHit[1] = 2, r.skillHit[2] = 7;  // a repeated hit and one past skillCount
    EXPECT_EQ(skillsCell(r, 3), sjis("ヒャド、メラ、ルカニ"));
    EXPECT_EQ(skillsCell(r, 99), sjis("ヒャド、メラ、ルカニ"));
}

TEST(ListView, TriviaBlock)
{
    auto c = std::make_unique<Catalogue>();
    MonsterRecord& r = add(*c, "a");
    c->triviaText1[0] = "l1<BR>l2<BR>l3";
    c->triviaText2[0] = "m1";
    r.triviaHit[2] = 1, r.triviaHit[5] = 1;
    add(*c, "hidden").isCandidate = 0;
    ObservationState state;
    state.listLayout = 2;
    const auto rows = candidateRows(*c, state, 0);
    const std::string arrow = sjis("→"), line = sjis("＿＿＿＿＿＿＿＿＿＿＿＿＿");
    const std::vector<std::vector<std::string>> expected = {
        {"a", " ", "", "", ""},      {"", " ", "l1", arrow, "m1"}, {"", arrow, "l2", " ", ""},
        {"", " ", "l3", " ", ""},    {"", "", line, "", line},
    };
    EXPECT_EQ(rows, expected);

    c->triviaText1[0] = "1<BR>2<BR>3<BR>4<BR>5";
    r.triviaHit[4] = 1;
    const auto longer = candidateRows(*c, state, 0);
    ASSERT_EQ(longer.size(), 7u);
    EXPECT_EQ(longer[4][1], arrow);  // line 4 has a flag
    EXPECT_EQ(longer[5][1], " ");    // line 5 has none
}

TEST(ListView, FillAndBuild)
{
    auto c = std::make_unique<Catalogue>();
    setSkills(add(*c, "a"), {"x"});
    c->monsterCount = 5000;  // a count beyond the table is read as the whole table
    ObservationState state;
    state.candidateCount = 1;
    MemoryControls controls;
    NoEvents events;
    controls.create({{kIdList, ControlKind::List, ""}, {kIdCandidateCount, ControlKind::Static, ""}}, events);
    buildColumns(controls, state);
    EXPECT_EQ(controls.columns(kIdList).size(), 8u);
    EXPECT_EQ(controls.text(kIdCandidateCount), "1");
    fillList(controls, *c, state, 0);
    ASSERT_EQ(controls.rows(kIdList).size(), 1u);
    EXPECT_EQ(controls.rows(kIdList)[0][7], "x");

    state.listLocked = 1;
    state.candidateCount = 0;
    c->monsterTable[0].isCandidate = 0;
    fillList(controls, *c, state, 0);
    EXPECT_EQ(controls.text(kIdCandidateCount), "0");
    EXPECT_EQ(controls.rows(kIdList).size(), 1u);

    state.listLocked = 0, state.listLayout = 1;
    buildColumns(controls, state);
    EXPECT_EQ(controls.columns(kIdList)[2].header, sjis("場所"));
    fillList(controls, *c, state, 0);
    EXPECT_TRUE(controls.rows(kIdList).empty());
}
