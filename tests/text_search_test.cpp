#include "engine/text_search.h"

#include "engine/normaliser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace kestrel {
namespace {

// Code page 932 texts used below.
#define SLIME "\x83\x58\x83\x89\x83\x43\x83\x80"            // スライム
#define ZURAIMU "\x83\x59\x83\x89\x83\x43\x83\x80"          // ズライム
#define SURARIN "\x82\xb7\x82\xe7\x82\xe8\x82\xf1"          // すらりん
#define DRAKEE "\x83\x68\x83\x89\x83\x4c\x81\x5b"           // ドラキー
#define FULL_AT "\x81\x97"                                  // ＠
#define FULL_SPACE "\x81\x40"                               // 　(full-width space)
#define SURA "\x83\x58\x83\x89"                             // スラ
#define HONOO "\x82\xd9\x82\xcc\x82\xa8"                    // ほのお
#define HAGESHII_HONOO "\x82\xcd\x82\xb0\x82\xb5\x82\xa2\x82\xd9\x82\xcc\x82\xa8"  // はげしいほのお
#define HOMURA_BREATH "\x89\x8a\x82\xcc\x82\xa2\x82\xab"    // 炎のいき
#define KAEN_BREATH "\x89\xce\x89\x8a\x82\xcc\x82\xa2\x82\xab"  // 火炎のいき
#define FIRE "\x89\xce"                                     // 火
#define HOMURA "\x89\x8a"                                   // 炎
#define ICE "\x95\x58"                                      // 氷
#define FULL_MP "\x82\x6c\x82\x6f"                          // ＭＰ
#define TAMERU "\x82\xbd\x82\xdf\x82\xe9"                   // ためる
#define TAMERU_KATAKANA "\x83\x5e\x83\x81\x83\x8b"          // タメル
#define NOROI "\x8e\xf4\x82\xa2"                            // 呪い
#define RUKANAN "\x83\x8b\x83\x4a\x83\x69\x83\x93"          // ルカナン
#define TATAKU "\x82\xbd\x82\xbd\x82\xad"                   // たたく

// Appends a candidate record as the loader leaves it: skill keys normalised.
MonsterRecord& addMonster(Catalogue& catalogue, const char* name, std::initializer_list<const char*> skills = {})
{
    MonsterRecord& record = catalogue.monsterTable[catalogue.monsterCount];
    record.loadIndex = catalogue.monsterCount++;
    record.isCandidate = 1;
    std::strncpy(record.name, name, kNameSize - 1);
    for (const char* skill : skills) {
        std::strncpy(record.skills[record.skillCount], skill, kSkillSize - 1);
        normaliseText(skill, record.skillKeys[record.skillCount], kSkillSize);
        ++record.skillCount;
    }
    return record;
}

// What the search edit's change handler does, then the criteria of a refresh.
void search(Catalogue& catalogue, ObservationState& state, const std::string& text)
{
    for (int i = 0; i < catalogue.monsterCount; ++i)
        catalogue.monsterTable[i].isCandidate = 1;
    splitSearchText(state.search, text);
    normaliseSearchWords(state.search);
    applyTextCriteria(catalogue, state, !text.empty(), text);
}

std::vector<std::string> candidateNames(const Catalogue& catalogue)
{
    std::vector<std::string> names;
    for (int i = 0; i < catalogue.monsterCount; ++i)
        if (catalogue.monsterTable[i].isCandidate)
            names.emplace_back(catalogue.monsterTable[i].name);
    return names;
}

std::vector<int> skillHits(const MonsterRecord& record)
{
    std::vector<int> hits;
    for (std::uint8_t hit : record.skillHit)
        if (hit != kNoSkillHit)
            hits.push_back(hit);
    return hits;
}

TEST(SplitSearchText, SeparatorsWordLimitAndAtSigns)
{
    SearchState s{};
    std::memset(s.searchWordsNormalised, 'x', sizeof s.searchWordsNormalised);
    splitSearchText(s, "  a" FULL_SPACE FULL_SPACE "bb  c ");
    EXPECT_EQ(s.searchWordCount, 3);
    EXPECT_STREQ(s.searchWords[0], "a");
    EXPECT_STREQ(s.searchWords[1], "bb");
    EXPECT_STREQ(s.searchWords[2], "c");
    EXPECT_STREQ(s.searchWordsNormalised[0], "");
    EXPECT_FALSE(s.nameSearchActive);

    splitSearchText(s, "1 2 3 4 5 6 7 8 9");
    EXPECT_EQ(s.searchWordCount, 8);
    EXPECT_STREQ(s.searchWords[7], "8");

    // The first at-sign word is the name search, a later one an ordinary word.
    splitSearchText(s, "x " FULL_AT SURA " @y z");
    EXPECT_TRUE(s.nameSearchActive);
    EXPECT_STREQ(s.nameSearchText, SURA);
    EXPECT_EQ(s.searchWordCount, 3);
    EXPECT_STREQ(s.searchWords[1], "@y");
    EXPECT_STREQ(s.searchWords[2], "z");
    EXPECT_STREQ(s.searchWords[3], "");

    // Nine words with a name search among the first eight leave seven.
    splitSearchText(s, "@n 2 3 4 5 6 7 8 9");
    EXPECT_EQ(s.searchWordCount, 7);
    EXPECT_STREQ(s.searchWords[6], "8");

    splitSearchText(s, "@");
    EXPECT_TRUE(s.nameSearchActive);
    EXPECT_STREQ(s.nameSearchText, "");
    EXPECT_EQ(s.searchWordCount, 0);

    splitSearchText(s, "");
    EXPECT_FALSE(s.nameSearchActive);
    EXPECT_EQ(s.searchWordCount, 0);
}

TEST(SplitSearchText, SlotHoldsSixtyFourBytesAndNeverCutsACharacter)
{
    SearchState s{};
    const std::string ascii63(63, 'a');
    // The double-byte character does not fit: it and the rest of its word are gone.
    splitSearchText(s, ascii63 + TATAKU "b next");
    EXPECT_EQ(std::string(s.searchWords[0]), ascii63);
    EXPECT_STREQ(s.searchWords[1], "next");
    EXPECT_EQ(s.searchWordCount, 2);

    splitSearchText(s, std::string(70, 'q'));
    EXPECT_EQ(std::string(s.searchWords[0]), std::string(64, 'q'));

    // Half a character at the end of the text is not kept.
    splitSearchText(s, "ab\x82");
    EXPECT_STREQ(s.searchWords[0], "ab");

    // A normalised word may grow by half; it is held whole.
    std::string ices;
    for (int i = 0; i < 32; ++i)
        ices += ICE;
    splitSearchText(s, ices);
    normaliseSearchWords(s);
    EXPECT_EQ(std::strlen(s.searchWordsNormalised[0]), 96u);
}

TEST(TextSearch, NameSearchMatchesNormalisedBeginning)
{
    auto catalogue = std::make_unique<Catalogue>();
    addMonster(*catalogue, SLIME);
    addMonster(*catalogue, ZURAIMU);
    addMonster(*catalogue, SURARIN);
    addMonster(*catalogue, DRAKEE);
    ObservationState state;

    search(*catalogue, state, FULL_AT SURA);
    EXPECT_EQ(candidateNames(*catalogue), (std::vector<std::string>{SLIME, ZURAIMU, SURARIN}));

    // An at-sign alone searches nothing.
    search(*catalogue, state, "@");
    EXPECT_EQ(candidateNames(*catalogue).size(), 4u);

    // The name search stays in force with the box unticked.
    for (auto& r : catalogue->monsterTable)
        r.isCandidate = 1;
    splitSearchText(state.search, "@" SURA " " TATAKU);
    normaliseSearchWords(state.search);
    applyTextCriteria(*catalogue, state, false, "@" SURA " " TATAKU);
    EXPECT_EQ(candidateNames(*catalogue).size(), 3u);

    // Names are matched by their current bytes, after records move or change.
    swapRecords(*catalogue, 0, 3);
    search(*catalogue, state, "@" SURA);
    EXPECT_FALSE(catalogue->monsterTable[0].isCandidate);
    EXPECT_TRUE(catalogue->monsterTable[3].isCandidate);
    std::strcpy(catalogue->monsterTable[3].name, DRAKEE);
    search(*catalogue, state, "@" SURA);
    EXPECT_FALSE(catalogue->monsterTable[3].isCandidate);
}

TEST(TextSearch, SkillWordsMatchNormalisedSkills)
{
    auto catalogue = std::make_unique<Catalogue>();
    MonsterRecord& fierce = addMonster(*catalogue, "a", {TATAKU, HAGESHII_HONOO});
    MonsterRecord& breath = addMonster(*catalogue, "b", {NOROI, HOMURA_BREATH, HAGESHII_HONOO});
    addMonster(*catalogue, "c", {KAEN_BREATH});
    addMonster(*catalogue, "d", {"MP" TATAKU});
    addMonster(*catalogue, "e");
    ObservationState state;

    search(*catalogue, state, HONOO);
    EXPECT_EQ(candidateNames(*catalogue), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(skillHits(fierce), std::vector<int>{1});
    EXPECT_EQ(skillHits(breath), std::vector<int>{1});  // the first skill that holds the word

    search(*catalogue, state, FIRE);
    EXPECT_TRUE(candidateNames(*catalogue).empty());

    search(*catalogue, state, FULL_MP);
    EXPECT_EQ(candidateNames(*catalogue), std::vector<std::string>{"d"});
    search(*catalogue, state, "mp");
    EXPECT_TRUE(candidateNames(*catalogue).empty());

    // Hits follow the words that first matched them; a skill is listed once.
    search(*catalogue, state, HONOO " " TATAKU " " HONOO);
    EXPECT_EQ(candidateNames(*catalogue), std::vector<std::string>{"a"});
    EXPECT_EQ(skillHits(fierce), (std::vector<int>{1, 0}));

    // A record already excluded is left alone.
    for (auto& r : catalogue->monsterTable)
        r.isCandidate = 1;
    fierce.isCandidate = 0;
    std::memset(fierce.skillHit, 7, sizeof fierce.skillHit);
    applyTextCriteria(*catalogue, state, true, "x");
    EXPECT_EQ(fierce.skillHit[0], 7);
}

TEST(TextSearch, SkillButtonAddsAndRemovesItsLabel)
{
    EXPECT_STREQ(skillButtonLabel(1, 4), TAMERU);
    EXPECT_STREQ(skillButtonLabel(4, 4), TAMERU);
    EXPECT_EQ(skillButtonLabel(0, 4), nullptr);
    EXPECT_EQ(skillButtonLabel(1, 16), nullptr);

    const std::string added = toggleSkillWord("@" SURA " " NOROI FULL_SPACE RUKANAN, TAMERU);
    EXPECT_EQ(added, NOROI " " RUKANAN " " TAMERU);
    EXPECT_EQ(toggleSkillWord(added, TAMERU), NOROI " " RUKANAN " ");
    EXPECT_EQ(toggleSkillWord(TAMERU_KATAKANA, TAMERU), TAMERU_KATAKANA " " TAMERU);
    EXPECT_EQ(toggleSkillWord("", TAMERU), TAMERU);
    // Of two equal words the last is removed.
    EXPECT_EQ(toggleSkillWord(TAMERU " " NOROI " " TAMERU, TAMERU), TAMERU " " NOROI " ");
}

TEST(TextSearch, TriviaSearchesRawTextPerLine)
{
    auto catalogue = std::make_unique<Catalogue>();
    addMonster(*catalogue, "a");
    addMonster(*catalogue, "b");
    addMonster(*catalogue, "c");
    catalogue->triviaText1[0] = "x<BR>" HOMURA " " ICE "<BR>y";
    catalogue->triviaText2[0] = HOMURA " " ICE;
    catalogue->triviaText1[1] = HOMURA "<BR>" ICE;
    catalogue->triviaText1[2] = "1<BR>2<BR>3<BR>4<BR>" HOMURA " " ICE;
    ObservationState state;
    state.listLayout = 2;

    search(*catalogue, state, HOMURA " " ICE);
    EXPECT_EQ(candidateNames(*catalogue), (std::vector<std::string>{"a", "c"}));
    const auto& hits = catalogue->monsterTable[0].triviaHit;
    EXPECT_EQ(std::vector<int>(hits, hits + kTriviaHits), (std::vector<int>{1, 0, 1, 0, 0, 1, 0, 0, 0}));
    // A fifth line keeps the record found but has no flag of its own.
    const auto& late = catalogue->monsterTable[2].triviaHit;
    EXPECT_EQ(std::vector<int>(late, late + kTriviaHits), (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 0}));

    // A name-search word alone leaves no word, so the trivia is not searched.
    search(*catalogue, state, "@");
    EXPECT_EQ(candidateNames(*catalogue).size(), 3u);
}

}  // namespace
}  // namespace kestrel
