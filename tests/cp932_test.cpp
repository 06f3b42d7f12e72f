// Code page 932 conversion: the characters where converters disagree, and the
// whole table, which must come out the same on every platform.

#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <string>

using kestrel::cp932ToUtf8, kestrel::utf8ToCp932;

namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

std::uint64_t fnv1a(std::uint64_t hash, std::string_view bytes)
{
    for (unsigned char b : bytes)
        hash = (hash ^ b) * 0x100000001B3u;
    return hash;
}
constexpr std::uint64_t kFnvStart = 0xCBF29CE484222325u;

std::string utf8Of(char32_t cp)
{
    if (cp < 0x80)
        return std::string(1, static_cast<char>(cp));
    const std::size_t n = cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
    std::string out(n, '\0');
    for (std::size_t i = n - 1; i > 0; --i, cp >>= 6)
        out[i] = static_cast<char>(0x80 | (cp & 0x3F));
    out[0] = static_cast<char>((0xF00 >> n) | cp);  // 110xxxxx, 1110xxxx or 11110xxx
    return out;
}

// Digest of how every single byte (lead 0) or every pair lead+trail reads, with
// the number of pairs that form a character.
std::pair<std::uint64_t, int> readingRow(int lead)
{
    std::uint64_t hash = kFnvStart;
    int characters = 0;
    for (int b = 0; b < 256; ++b) {
        std::string bytes =
            lead ? std::string{static_cast<char>(lead), static_cast<char>(b)} : std::string(1, static_cast<char>(b));
        const std::string text = cp932ToUtf8(bytes);
        hash = fnv1a(fnv1a(hash, text), "|");
        characters += text != kReplacement;
    }
    return {hash, characters};
}

// Digest of how the 4096 scalars from block * 4096 write, with the number
// that have a code page 932 form.
std::pair<std::uint64_t, int> writingBlock(int block)
{
    std::uint64_t hash = kFnvStart;
    int characters = 0;
    for (char32_t cp = static_cast<char32_t>(block) * 4096; cp < static_cast<char32_t>(block + 1) * 4096; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        std::size_t unmapped = 0;
        const std::string bytes = utf8ToCp932(utf8Of(cp), &unmapped);
        hash = fnv1a(fnv1a(hash, bytes), "|");
        characters += unmapped == 0;
    }
    return {hash, characters};
}

// Row by row: the single bytes, then each lead byte with every trail byte. Then
// the Unicode scalars by blocks of 4096. KESTREL_PRINT_CP932_DIGESTS=1 prints them anew.
const std::pair<std::uint64_t, int> kReadingDigests[] = {
    {0x8A8EF1CFE86E46B2u, 191}, {0xFB0BD2563B8D2268u, 147}, {0x6AE7C8AA813BB24Bu, 145}, {0xCEA9CFD5B504AD56u, 134},
    {0xEED9CF133F4D3458u, 98},  {0x33C851B7286CA525u, 0},   {0x33C851B7286CA525u, 0},   {0x40760E9AEFB6304Fu, 83},
    {0x27F436047B5BE9F9u, 94},  {0x3D7222BC038071BEu, 188}, {0xEEB94ABF12331F86u, 188}, {0xF3F15376325FCC9Fu, 188},
    {0xBB6BE3DD5E93725Cu, 188}, {0xEC2C1488C6262943u, 188}, {0xB71EC7DD8420A6ADu, 188}, {0xE12E7496D098FADBu, 188},
    {0x8672A8759DBFCEC0u, 188}, {0x208509F911129B9Eu, 188}, {0xC43AFA05607D4FE8u, 188}, {0xCCEDBB1B8B7619C2u, 188},
    {0x1B8FC45EC5C89174u, 188}, {0x41DEE32B234B8E1Bu, 188}, {0x4C5461B612792676u, 188}, {0x390B99A563F7E2D8u, 188},
    {0xF0832E603B83FEF2u, 145}, {0xF76F3CC1F5BF426Fu, 188}, {0x56EF978536A2C499u, 188}, {0xFA4303156EEFA465u, 188},
    {0x87E7E987926932BDu, 188}, {0xD4D9CC42237372CBu, 188}, {0xDE34ED1364B0CA69u, 188}, {0x8145734BF35B5525u, 188},
    {0xF7ADF6C1C86FFCE9u, 188}, {0xA5DB49B6A35B0EA1u, 188}, {0xA6A8A8F7961E509Cu, 188}, {0x091F7BA19A917A21u, 188},
    {0x6181538CD86621C0u, 188}, {0x3A43177BBA9903A7u, 188}, {0x7EB5C8E82B6F26E4u, 188}, {0xE8568EDAA4C2319Du, 188},
    {0x52C3B6BB92A2169Cu, 188}, {0x939D996AC320B2E6u, 188}, {0xD4BD85CF371C75F3u, 100}, {0x33C851B7286CA525u, 0},
    {0x33C851B7286CA525u, 0},   {0xDDD990E579D1B40Bu, 188}, {0xB61BD90E6930F5A1u, 186}, {0x33C851B7286CA525u, 0},
    {0xCDB4DA33F96FDC75u, 188}, {0x3C680AE98C353611u, 188}, {0x2DF01A7810090BA5u, 188}, {0xE43BA089CDF3B4A9u, 188},
    {0x35EB9955E03AEDFDu, 188}, {0x061C3153586FE521u, 188}, {0x2B4A5B61AFD882DDu, 188}, {0xBB9A6B2669713969u, 188},
    {0xC685B09EA9B36B45u, 188}, {0x901A136ACAAF21B1u, 188}, {0x8A87BFA1731EE678u, 188}, {0x3322949AAA6501C5u, 188},
    {0x9734F91A853CAD21u, 12},
};
const std::pair<std::uint64_t, int> kWritingDigests[] = {
    {0xC6DA25AC03A8D911u, 253},  {0xAFCEFF3979E8A325u, 0},    {0xBF74B3A86182FF89u, 155},  {0x6CDFBCF581A30A26u, 237},
    {0x52A18FB2858EB604u, 220},  {0xFF7D2792AC44D265u, 1448}, {0x5289996E888AA39Au, 1485}, {0xC8B20D88F2BFC6B9u, 1241},
    {0x7E2D6802263E1142u, 1233}, {0x293B3BD62C91720Fu, 1055}, {0xAFCEFF3979E8A325u, 0},    {0xAFCEFF3979E8A325u, 0},
    {0xAFCEFF3979E8A325u, 0},    {0x7DABDBB897056325u, 0},    {0xF97EA8881410CF85u, 1880}, {0x9AB8CC9AFFF46845u, 197},
};

}  // namespace

TEST(Cp932, CharactersWhereConvertersDisagreeBehaveTheSameEverywhere)
{
    const std::pair<const char*, const char*> writes[] = {
        {"\xE3\x80\x9C", "\x81\x60"},
        {"\xEF\xBD\x9E", "\x81\x60"},  // 〜 ～
        {"\xE2\x88\x92", "\x81\x7C"},
        {"\xEF\xBC\x8D", "\x81\x7C"},  // − －
        {"\xE2\x80\x94", "\x81\x5C"},
        {"\xE2\x80\x95", "\x81\x5C"},  // — ―
        {"\xE2\x80\x96", "\x81\x61"},
        {"\xE2\x88\xA5", "\x81\x61"},  // ‖ ∥
        {"\xC2\xA2", "\x81\x91"},
        {"\xC2\xA3", "\x81\x92"},
        {"\xC2\xAC", "\x81\xCA"},
        {"\xC2\xA5", "?"},
        {"\xE2\x80\xBE", "?"},
        {"\xC2\x80", "?"},
        {"\xEF\xA3\xB0", "?"},
        {"\xEF\xA3\xB3", "?"},
        {"\xF0\x9F\x98\x80", "?"},
        {"\xC0\xAF", "??"},
        {"\xE3\x81", "?"},
        {"\xED\xA0\x80", "?"},
    };
    for (const auto& [utf8, cp932] : writes)
        EXPECT_EQ(utf8ToCp932(utf8), cp932) << utf8;

    const std::pair<std::string, std::string> reads[] = {
        {"\x80", kReplacement},
        {"\xA0", kReplacement},
        {"\xFD", kReplacement},
        {"\xFF", kReplacement},
        {"\x81\x60", "\xEF\xBD\x9E"},
        {"\x81\x5C", "\xE2\x80\x95"},
        {"\x5C\x7E", "\\~"},
        {"\x82", kReplacement},  // a lead byte at the end
        {"\x82\x20"
         "A",
         kReplacement + "A"},
        {"\xB1", "\xEF\xBD\xB1"},
    };
    for (const auto& [cp932, utf8] : reads)
        EXPECT_EQ(cp932ToUtf8(cp932), utf8);
}

// The digests below were taken from one platform; every other one must match
// them, row by row. A difference names the lead byte or Unicode block to look at.
TEST(Cp932, WholeTableIsTheSameOnEveryPlatform)
{
    std::vector<int> rows{0};  // the single bytes, then each lead byte in order
    for (int b = 0; b < 256; ++b)
        if (kestrel::isLeadByte(static_cast<unsigned char>(b)))
            rows.push_back(b);
    if (std::getenv("KESTREL_PRINT_CP932_DIGESTS")) {
        for (int row : rows) {
            const auto [hash, characters] = readingRow(row);
            std::printf("    {0x%016llXu, %d},\n", static_cast<unsigned long long>(hash), characters);
        }
        std::printf("--\n");
        for (int block = 0; block < 16; ++block) {
            const auto [hash, characters] = writingBlock(block);
            std::printf("    {0x%016llXu, %d},\n", static_cast<unsigned long long>(hash), characters);
        }
    }
    ASSERT_EQ(rows.size(), std::size(kReadingDigests));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto [hash, characters] = readingRow(rows[i]);
        EXPECT_EQ(std::pair(hash, characters), kReadingDigests[i]) << "lead byte " << std::hex << rows[i];
    }
    for (int block = 0; block < 16; ++block) {
        const auto [hash, characters] = writingBlock(block);
        EXPECT_EQ(std::pair(hash, characters), kWritingDigests[block]) << "scalars from " << std::hex << block * 4096;
    }
}
