#include "engine/normaliser.h"
#include "engine/reading_table.h"
#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

using namespace kestrel;

namespace {

std::string norm(std::string_view text) { return normaliseText(text); }

// The plain rule: try every entry from the top of the table.
const ReadingEntry* linearFind(std::string_view text)
{
    for (const ReadingEntry& entry : readingTable) {
        std::string_view key(entry.key);
        if (text.substr(0, key.size()) == key)
            return &entry;
    }
    return nullptr;
}

std::string linearNormalise(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        if (!isLeadByte(static_cast<unsigned char>(text[pos])) || pos + 1 == text.size()) {
            out += text[pos++];
        } else if (const ReadingEntry* entry = linearFind(text.substr(pos))) {
            out += entry->replacement;
            pos += std::strlen(entry->key);
        } else {
            out += text.substr(pos, 2);
            pos += 2;
        }
    }
    return out;
}

}  // namespace

TEST(ReadingTable, SectionsStandInOrder)
{
    ASSERT_EQ(readingTable.size(), 305u);
    EXPECT_STREQ(readingTable[0].key, "\x97\xCD\x82\xBD");  // 力た
    EXPECT_STREQ(readingTable[10].key, "\x93\x5D\x82\xD4");  // 転ぶ
    EXPECT_STREQ(readingTable[11].key, "\x82\x9F");          // ぁ
    EXPECT_STREQ(readingTable[93].key, "\x82\xF1");          // ん
    EXPECT_STREQ(readingTable[94].key, "\x83\x40");          // ァ
    EXPECT_STREQ(readingTable[173].key, "\x83\x93");         // ン
    EXPECT_STREQ(readingTable[174].key, "\x83\x94");         // ヴ
    EXPECT_STREQ(readingTable[175].key, "\x81\x97");         // ＠
    EXPECT_STREQ(readingTable[196].key, "\x82\x8D");         // ｍ
    EXPECT_STREQ(readingTable[197].key, "\x8A\xE2");         // 岩
    EXPECT_STREQ(readingTable[304].key, "\x93\xC5");         // 毒
}

TEST(Normaliser, KanaLoseVoicingSizeAndKind)
{
    EXPECT_EQ(norm("\x82\xCD\x82\xB0\x82\xB5\x82\xA2\x82\xD9\x82\xCC\x82\xA8"),  // はげしいほのお
              "\xCA\xB9\xBC\xB2\xCE\xC9\xB5");                                  // ﾊｹｼｲﾎﾉｵ
    EXPECT_EQ(norm("\x82\xB7\x82\xE7"), "\xBD\xD7");  // すら -> ｽﾗ
    EXPECT_EQ(norm("\x83\x58\x83\x89"), "\xBD\xD7");  // スラ
    EXPECT_EQ(norm("\x83\x59\x83\x89"), "\xBD\xD7");  // ズラ
    EXPECT_EQ(norm("\x82\xCF"), "\xCA");              // ぱ -> ﾊ
    EXPECT_EQ(norm("\x82\xC1\x82\xE1\x82\xEC"), "\xC2\xD4\xDC");  // っゃゎ -> ﾂﾔﾜ
    EXPECT_EQ(norm("\x82\xEE\x82\xEF"), "\xB2\xB4");  // ゐゑ -> ｲｴ
    EXPECT_EQ(norm("\x82\xF0\x83\x92"), "\xA6\xA6");  // をヲ -> ｦｦ
    EXPECT_EQ(norm("\x82\xF1\x83\x93"), "\xDD\xDD");  // んン -> ﾝﾝ
    EXPECT_EQ(norm("\x83\x94"), "\xCC");              // ヴ -> ﾌ
    EXPECT_EQ(norm("\x83\x95\x83\x96"), "\x83\x95\x83\x96");  // ヵヶ stay
}

TEST(Normaliser, TwoCharacterKeysWinOverOne)
{
    EXPECT_EQ(norm("\x89\x8A"), "\xCE\xC9\xB5");      // 炎 -> ﾎﾉｵ
    EXPECT_EQ(norm("\x89\xCE\x89\x8A"), "\xB6\xB4\xDD");  // 火炎 -> ｶｴﾝ
    EXPECT_EQ(norm("\x89\xCE"), "\xCB");              // 火 -> ﾋ
    EXPECT_EQ(norm("\x89\xCE\x89\x8A\x82\xCC\x91\xA7"),  // 火炎の息
              "\xB6\xB4\xDD\xC9\x91\xA7");
    EXPECT_EQ(norm("\x82\xAD\x89\xCE\x89\x8A"), "\xB8\xB6\xCE\xC9\xB5");  // く火炎 -> ｸｶﾎﾉｵ
    EXPECT_EQ(norm("\x97\xCD\x82\xBD"), "\xC1\xB6\xD7\xC0");  // 力た -> ﾁｶﾗﾀ
    EXPECT_EQ(norm("\x97\xCD"), "\xD8\xD6\xB8");      // 力 -> ﾘﾖｸ
    EXPECT_EQ(norm("\x89\xF1\x93\x5D\x89\xF1"), "\xB6\xB2\xC3\xDD\xB6\xB2");  // 回転回 -> ｶｲﾃﾝｶｲ
    // Half a two-character key at the end cannot match past the text.
    EXPECT_EQ(norm(std::string_view("\x89\xCE\x89", 3)), "\xCB\x89");  // 火 + lone lead byte
}

TEST(Normaliser, SymbolsDigitsLettersAndKanji)
{
    EXPECT_EQ(norm("\x82\x6C\x82\x6F"), "MP");  // ＭＰ
    EXPECT_EQ(norm("\x82\x8D\x82\x90"), "MP");  // ｍｐ
    EXPECT_EQ(norm("\x82\x88\x82\x90"), "HP");  // ｈｐ
    EXPECT_EQ(norm("mp"), "mp");
    EXPECT_EQ(norm("\x82\x4F\x82\x58"), "09");  // ０９
    EXPECT_EQ(norm("\x81\x97\x81\x46\x81\x5E"), "@:/");  // ＠：／
    EXPECT_EQ(norm("\x81\x45"), "\xA5");        // ・ -> ･
    EXPECT_EQ(norm("\x81\x5B\x81\x7C"), "--");  // ー－
    EXPECT_EQ(norm("\x90\xCE"), "\xBE" "k");    // 石 -> ｾk
    EXPECT_EQ(norm("\x8B\x7A"), "\xB7\xD5\xB3");  // 吸 -> ｷﾕｳ
    EXPECT_EQ(norm("\x91\xA7"), "\x91\xA7");    // 息 stays
}

TEST(Normaliser, SingleBytesAndBrokenTextAreCopied)
{
    EXPECT_EQ(norm("\xCA\xDE" "Ab1"), "\xCA\xDE" "Ab1");  // ﾊﾞ keeps its mark, ASCII its case
    EXPECT_EQ(norm(""), "");
    EXPECT_EQ(norm("a\x82"), "a\x82");  // lead byte without trail byte
    EXPECT_EQ(norm(std::string_view("\x82\xCD\0\x82\xCD", 5)), "\xCA");  // ends at NUL
    EXPECT_EQ(norm(std::string_view("\x82\0", 2)), "\x82");
}

TEST(Normaliser, BoundedResultIsCutAtCharacterBoundary)
{
    std::string kanji20;  // 吸 x20: 40 bytes, 60 normalised
    for (int i = 0; i < 20; ++i)
        kanji20 += "\x8B\x7A";
    std::string breath16;  // 息 x16: copied, 32 bytes
    for (int i = 0; i < 16; ++i)
        breath16 += "\x91\xA7";

    char buffer[80];
    auto run = [&](std::string_view text, std::size_t capacity, bool fits, std::string_view expected) {
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(normaliseText(text, buffer, capacity), fits);
        EXPECT_EQ(std::string_view(buffer), expected);
        for (std::size_t i = capacity; i < sizeof buffer; ++i)
            ASSERT_EQ(buffer[i], '#') << "written past capacity " << capacity;
    };
    std::string full = normaliseText(kanji20);
    run(kanji20, 64, true, full);
    run(kanji20, 32, false, full.substr(0, 31));  // a replacement may be cut between its bytes
    run(breath16, 64, true, breath16);
    run(breath16, 32, false, breath16.substr(0, 30));  // never half of 息
    run("a" + breath16.substr(2), 32, true, "a" + breath16.substr(2));  // exactly 31 bytes
    run("ab" + breath16.substr(2), 32, false, "ab" + breath16.substr(4));

    std::memset(buffer, '#', sizeof buffer);
    EXPECT_FALSE(normaliseText("\x82\xA0", buffer, 0));
    EXPECT_EQ(buffer[0], '#');
    EXPECT_FALSE(normaliseText("\x82\xA0", buffer, 1));
    EXPECT_EQ(buffer[0], '\0');
}

TEST(Normaliser, IndexedLookupMatchesLinearScan)
{
    std::mt19937 rng(20240611);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto leadByte = [&] { return static_cast<char>(pick(0, 1) ? pick(0x81, 0x9F) : pick(0xE0, 0xFC)); };

    for (int round = 0; round < 10000; ++round) {
        std::string text;
        for (int n = pick(0, 24); n > 0; --n) {
            switch (pick(0, 5)) {
            case 0:
            case 1: text += readingTable[pick(0, readingTable.size() - 1)].key; break;
            case 2: text += static_cast<char>(pick(0x20, 0x7E)); break;
            case 3: text += static_cast<char>(pick(0xA1, 0xDF)); break;
            case 4: text.append(readingTable[pick(0, 10)].key, 2); break;  // first half of a phrase key
            default: text += leadByte(), text += static_cast<char>(pick(0x01, 0xFF)); break;
            }
        }
        if (pick(0, 3) == 0)
            text += leadByte();

        std::string_view view(text);
        for (std::size_t pos = 0; pos < view.size(); pos += charLengthAt(view, pos)) {
            if (isLeadByte(static_cast<unsigned char>(view[pos]))) {
                ASSERT_EQ(findReading(view.substr(pos)), linearFind(view.substr(pos))) << "at " << pos;
            }
        }

        std::string expected = linearNormalise(text);
        ASSERT_EQ(normaliseText(text), expected);
        for (std::size_t capacity : {32u, 64u}) {
            char dest[64];
            bool fits = normaliseText(text, dest, capacity);
            std::string_view kept = cutAtCharBoundary(expected, capacity - 1);
            ASSERT_EQ(std::string_view(dest), kept);
            ASSERT_EQ(fits, kept.size() == expected.size());
        }
    }
}
