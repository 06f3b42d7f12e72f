#include "engine/text_search.h"

#include "text/normaliser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>

namespace kestrel {
namespace {

#define FULL_AT "\x81\x97"                                       // ＠
#define FULL_SPACE "\x81\x40"                                    // 　(full-width space)
#define SURA "\x83\x58\x83\x89"                                  // スラ
#define HONOO "\x82\xd9\x82\xcc\x82\xa8"                         // ほのお
#define HAGESHII_HONOO "\x82\xcd\x82\xb0\x82\xb5\x82\xa2" HONOO  // はげしいほのお
#define HOMURA "\x89\x8a"                                        // 炎
#define ICE "\x95\x58"                                           // 氷
#define TAMERU "\x82\xbd\x82\xdf\x82\xe9"                        // ためる
#define NOROI "\x8e\xf4\x82\xa2"                                 // 呪い
#define RUKANAN "\x83\x8b\x83\x4a\x83\x69\x83\x93"               // ルカナン
#define TATAKU "\x82\xbd\x82\xbd\x82\xad"                        // たたく

// Appends a candidate record as the loader leaves it: skill keys normalised.
void add(Catalogue& catalogue, const char* name, std::initializer_list<const char*> skills = {})
{
    MonsterRecord& record = catalogue.monsterTable[catalogue.monsterCount];
    record.loadIndex = catalogue.monsterCount++;
    std::strncpy(record.name, name, kNameSize - 1);
    for (const char* skill : skills)
        normaliseText(skill, record.skillKeys[record.skillCount++], kSkillSize);
}

// What the search edit's change handler and a refresh do; the load indices of the candidates left.
std::string search(Catalogue& catalogue, ObservationState& state, const std::string& text, bool ticked = true)
{
    splitSearchText(state.search, text);
    normaliseSearchWords(state.search);
    for (int i = 0; i < catalogue.monsterCount; ++i)
        catalogue.monsterTable[i].isCandidate = 1;
    applyTextCriteria(catalogue, state, ticked, text);
    std::string left;
    for (int i = 0; i < catalogue.monsterCount; ++i)
        if (catalogue.monsterTable[i].isCandidate)
            left += std::to_string(catalogue.monsterTable[i].loadIndex);
    return left;
}

TEST(TextSearch, SeparatorsWordLimitAtSignsAndSlotBytes)
{
    // Count, name search, then every slot up to the last one in use.
    const std::pair<std::string, std::string> cases[] = {
        {"  a" FULL_SPACE FULL_SPACE "bb  c ", "3:a|bb|c"},
        {"1 2 3 4 5 6 7 8 9", "8:1|2|3|4|5|6|7|8"},
        {"x " FULL_AT SURA " @y z", "3 @" SURA ":x|@y|z"},  // the first at-sign word only is the name
        {"@n 2 3 4 5 6 7 8 9", "7 @n:2|3|4|5|6|7|8"},
        {"@", "0 @:"},
        {"", "0:"},
        {std::string(63, 'a') + TATAKU "b next", "2:" + std::string(63, 'a') + "|next"},  // 2nd byte would not fit
        {std::string(70, 'q'), "1:" + std::string(64, 'q')},
        {"ab\x82", "1:ab"},  // half a character at the end is not kept
    };
    SearchState s{};
    for (const auto& [text, expected] : cases) {
        std::memset(s.searchWordsNormalised, 'x', sizeof s.searchWordsNormalised);
        splitSearchText(s, text);
        std::string got = std::to_string(s.searchWordCount) + (s.nameSearchActive ? " @" : "") +
                          std::string(s.nameSearchText, strnlen(s.nameSearchText, sizeof s.nameSearchText)) + ":";
        for (const auto& word : s.searchWords)
            got += std::string(word, strnlen(word, kSearchWordBytes)) + "|";
        EXPECT_EQ(got.substr(0, got.find_last_not_of('|') + 1), expected) << text;
        EXPECT_EQ(s.searchWordsNormalised[0][0], '\0');
    }
    // A normalised word may grow by half; it is held whole.
    const std::string ices = [] {
        std::string t;
        for (int i = 0; i < 32; ++i)
            t += ICE;
        return t;
    }();
    splitSearchText(s, ices);
    normaliseSearchWords(s);
    EXPECT_EQ(strnlen(s.searchWordsNormalised[0], kNormalisedWordBytes), 96u);
}

TEST(TextSearch, NameSearchMatchesNormalisedBeginning)
{
    auto catalogue = std::make_unique<Catalogue>();
    // スライム ズライム すらりん ドラキー
    for (const char* name : {"\x83\x58\x83\x89\x83\x43\x83\x80", "\x83\x59\x83\x89\x83\x43\x83\x80",
                             "\x82\xb7\x82\xe7\x82\xe8\x82\xf1", "\x83\x68\x83\x89\x83\x4c\x81\x5b"})
        add(*catalogue, name);
    ObservationState state;
    EXPECT_EQ(search(*catalogue, state, FULL_AT SURA), "012");
    EXPECT_EQ(search(*catalogue, state, "@"), "0123");
    EXPECT_EQ(search(*catalogue, state, "@" SURA " " TATAKU, false), "012");  // the box drops the skill word only
    // Names are matched by their current bytes, after records move or change.
    swapRecords(*catalogue, 0, 3);
    EXPECT_EQ(search(*catalogue, state, "@" SURA), "120");
    std::strcpy(catalogue->monsterTable[3].name, "x");
    EXPECT_EQ(search(*catalogue, state, "@" SURA), "12");
}

TEST(TextSearch, SkillWordsMatchNormalisedSkillsAndTriviaTheRawText)
{
    auto catalogue = std::make_unique<Catalogue>();
    add(*catalogue, "a", {TATAKU, HAGESHII_HONOO});
    add(*catalogue, "b", {NOROI, HOMURA "\x82\xcc\x82\xa2\x82\xab", HAGESHII_HONOO});  // 炎のいき
    add(*catalogue, "c", {"\x89\xce" HOMURA "\x82\xcc\x82\xa2\x82\xab"});              // 火炎のいき
    add(*catalogue, "d", {"MP" TATAKU});
    add(*catalogue, "e");
    // The skill indices or trivia flags a search left, as digits (free skill slots left out).
    const auto digits = [](const auto& array) {
        std::string d;
        for (int v : array)
            d += v == kNoSkillHit ? "" : std::to_string(v);
        return d;
    };
    ObservationState state;
    EXPECT_EQ(search(*catalogue, state, HONOO), "01");
    EXPECT_EQ(digits(catalogue->monsterTable[0].skillHit), "1");
    EXPECT_EQ(digits(catalogue->monsterTable[1].skillHit), "1");    // the first skill that holds the word
    EXPECT_EQ(search(*catalogue, state, "\x89\xce"), "");           // 火 is not 火炎
    EXPECT_EQ(search(*catalogue, state, "\x82\x6c\x82\x6f"), "3");  // ＭＰ
    EXPECT_EQ(search(*catalogue, state, "mp"), "");
    // Hits follow the words that first matched them; a skill is listed once.
    EXPECT_EQ(search(*catalogue, state, HONOO " " TATAKU " " HONOO), "0");
    EXPECT_EQ(digits(catalogue->monsterTable[0].skillHit), "10");

    // The trivia layout looks for the raw text, space included, in each line instead.
    catalogue->triviaText1[0] = "x<BR>" HOMURA " " ICE "<BR>y";
    catalogue->triviaText2[0] = HOMURA " " ICE;
    catalogue->triviaText1[1] = HOMURA "<BR>" ICE;
    catalogue->triviaText1[2] = "1<BR>2<BR>3<BR>4<BR>" HOMURA " " ICE;  // a fifth line has no flag of its own
    state.listLayout = 2;
    EXPECT_EQ(search(*catalogue, state, HOMURA " " ICE), "02");
    EXPECT_EQ(digits(catalogue->monsterTable[0].triviaHit), "101001000");
    EXPECT_EQ(digits(catalogue->monsterTable[2].triviaHit), "100000000");
    EXPECT_EQ(search(*catalogue, state, "@"), "01234");  // no word left: the trivia is not searched
}

TEST(TextSearch, SkillButtonAddsAndRemovesItsLabel)
{
    for (int quizClass : {1, 4})
        EXPECT_STREQ(skillButtonLabel(quizClass, 4), TAMERU);
    EXPECT_EQ(skillButtonLabel(0, 4), nullptr);
    EXPECT_EQ(skillButtonLabel(1, 16), nullptr);

    const std::string added = toggleSkillWord("@" SURA " " NOROI FULL_SPACE RUKANAN, TAMERU);
    EXPECT_EQ(added, NOROI " " RUKANAN " " TAMERU);
    EXPECT_EQ(toggleSkillWord(added, TAMERU), NOROI " " RUKANAN " ");
    EXPECT_EQ(toggleSkillWord("\x83\x5e\x83\x81\x83\x8b", TAMERU), "\x83\x5e\x83\x81\x83\x8b " TAMERU);  // タメル
    EXPECT_EQ(toggleSkillWord("", TAMERU), TAMERU);
    EXPECT_EQ(toggleSkillWord(TAMERU " " NOROI " " TAMERU, TAMERU), TAMERU " " NOROI " ");  // the last is removed
}

}  // namespace
}  // namespace kestrel
