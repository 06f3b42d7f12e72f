#include "text/normaliser.h"
#include "text/reading_table.h"
#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <utility>

using namespace kestrel;
using namespace std::string_literals;

namespace {

// The plain rule: try every entry from the top of the table.
const ReadingEntry* linearFind(std::string_view text)
{
    for (const ReadingEntry& entry : readingTable)
        if (text.starts_with(entry.key))
            return &entry;
    return nullptr;
}

std::string linearNormalise(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const ReadingEntry* entry = charLengthAt(text, pos) == 2 ? linearFind(text.substr(pos)) : nullptr;
        const std::size_t length = entry ? std::strlen(entry->key) : charLengthAt(text, pos);
        out += entry ? std::string_view(entry->replacement) : text.substr(pos, length);
        pos += length;
    }
    return out;
}

}  // namespace

TEST(Normaliser, DocumentedAndBoundaryExamples)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\x82\xCD\x82\xB0\x82\xB5\x82\xA2\x82\xD9\x82\xCC\x82\xA8", "\xCA\xB9\xBC\xB2\xCE\xC9\xB5"},  // はげしいほのお
        {"\x82\xB7\x82\xE7", "\xBD\xD7"},
        {"\x83\x58\x83\x89", "\xBD\xD7"},
        {"\x83\x59\x83\x89", "\xBD\xD7"},  // すらスラズラ
        {"\x89\x8A", "\xCE\xC9\xB5"},
        {"\x89\xCE\x89\x8A", "\xB6\xB4\xDD"},
        {"\x89\xCE", "\xCB"},  // 炎 ﾎﾉｵ 火炎 ｶｴﾝ 火 ﾋ
        {"\x82\x6C\x82\x6F", "MP"},
        {"\x82\x8D\x82\x90", "MP"},
        {"mp", "mp"},  // ＭＰ ｍｐ
        {"\x90\xCE",
         "\xBE"
         "k"},
        {"\x91\xA7", "\x91\xA7"},  // 石 -> ｾk; 息 is not in the table
        {"\x82\xCF\x82\xC1\x82\xE1\x82\xEC\x82\xEE\x82\xEF\x82\xF0\x83\x92\x82\xF1\x83\x93\x83\x94\x83\x95\x83\x96",
         "\xCA\xC2\xD4\xDC\xB2\xB4\xA6\xA6\xDD\xDD\xCC\x83\x95\x83\x96"},  // ぱっゃゎゐゑをヲんンヴヵヶ: kana ends
        {"\x82\x88\x82\x90\x82\x4F\x82\x58\x81\x97\x81\x46\x81\x5E\x81\x45\x81\x5B\x81\x7C\x8B\x7A",
         "HP09@:/\xA5--\xB7\xD5\xB3"},                                     // ｈｐ０９＠：／・ー－吸
        {"\x89\xCE\x89\x8A\x82\xCC\x91\xA7", "\xB6\xB4\xDD\xC9\x91\xA7"},  // 火炎の息
        {"\x82\xAD\x89\xCE\x89\x8A", "\xB8\xB6\xCE\xC9\xB5"},              // く火炎 -> ｸｶﾎﾉｵ
        {"\x97\xCD\x82\xBD\x97\xCD", "\xC1\xB6\xD7\xC0\xD8\xD6\xB8"},      // 力た力 -> ﾁｶﾗﾀﾘﾖｸ
        {"\x89\xF1\x93\x5D\x89\xF1", "\xB6\xB2\xC3\xDD\xB6\xB2"},          // 回転回 -> ｶｲﾃﾝｶｲ
        {"\x89\xCE\x89"s, "\xCB\x89"},  // half a two-character key at the end cannot match past the text
        {"\xCA\xDE"
         "Ab1",
         "\xCA\xDE"
         "Ab1"},  // ﾊﾞ keeps its mark, ASCII its case
        {"", ""},
        {"a\x82", "a\x82"},
        {"\x82\xCD\0\x82\xCD"s, "\xCA"},
        {"\x82\0"s, "\x82"},  // the text ends at NUL
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(normaliseText(text), expected) << text;
}

TEST(Normaliser, BoundedResultIsCutAtCharacterBoundary)
{
    std::string kanji20, breath16;  // 吸 x20: 40 bytes, 60 normalised; 息 x16: copied, 32 bytes
    for (int i = 0; i < 20; ++i)
        kanji20 += "\x8B\x7A";
    for (int i = 0; i < 16; ++i)
        breath16 += "\x91\xA7";
    const struct {
        std::string text;
        std::size_t capacity;
        bool fits;
        std::string expected;
    } cases[] = {
        {kanji20, 32, false, normaliseText(kanji20).substr(0, 31)},      // a replacement may be cut between its bytes
        {breath16, 32, false, breath16.substr(0, 30)},                   // never half of 息
        {"a" + breath16.substr(2), 32, true, "a" + breath16.substr(2)},  // exactly 31 bytes
        {"ab" + breath16.substr(2), 32, false, "ab" + breath16.substr(4)},
        {"\x82\xA0", 1, false, ""},
        {"\x82\xA0", 0, false, ""},  // nothing written at all
    };
    for (const auto& c : cases) {
        char buffer[80];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(normaliseText(c.text, buffer, c.capacity), c.fits) << c.capacity;
        EXPECT_EQ(c.capacity > 0 ? std::string_view(buffer) : "", c.expected);
        const std::string_view past(buffer + c.capacity, sizeof buffer - c.capacity);
        EXPECT_EQ(past, std::string(past.size(), '#')) << "written past capacity " << c.capacity;
    }
}

TEST(Normaliser, IndexedLookupMatchesLinearScan)
{
    std::mt19937 rng(20240611);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto leadByte = [&] { return static_cast<char>(pick(0, 1) ? pick(0x81, 0x9F) : pick(0xE0, 0xFC)); };
    for (int round = 0; round < 10000; ++round) {
        std::string text;
        for (int n = pick(0, 24); n > 0; --n)
            switch (pick(0, 5)) {
            case 0:
            case 1: text += readingTable[pick(0, readingTable.size() - 1)].key; break;
            case 2: text += static_cast<char>(pick(0x20, 0x7E)); break;
            case 3: text += static_cast<char>(pick(0xA1, 0xDF)); break;
            case 4: text.append(readingTable[pick(0, 10)].key, 2); break;  // first half of a phrase key
            default: text += leadByte(), text += static_cast<char>(pick(0x01, 0xFF)); break;
            }
        if (pick(0, 3) == 0)
            text += leadByte();

        const std::string_view view(text);
        for (std::size_t pos = 0; pos < view.size(); pos += charLengthAt(view, pos))
            ASSERT_TRUE(!isLeadByte(static_cast<unsigned char>(view[pos])) ||
                        findReading(view.substr(pos)) == linearFind(view.substr(pos)))
                << "at " << pos;
        const std::string expected = linearNormalise(text);
        ASSERT_EQ(normaliseText(text), expected);
        for (std::size_t capacity : {32u, 64u}) {
            char dest[64];
            const bool fits = normaliseText(text, dest, capacity);
            const std::string_view kept = cutAtCharBoundary(expected, capacity - 1);
            ASSERT_EQ(std::string_view(dest), kept);
            ASSERT_EQ(fits, kept.size() == expected.size());
        }
    }
}
