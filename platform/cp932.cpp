#include "platform/cp932.h"

#include "platform/cp932_system.h"

#include <array>
#include <cstring>

namespace kestrel {

std::string_view cutAtCharBoundary(std::string_view text, std::size_t maxBytes)
{
    // A character never reaches past the text's end, so a text that fits is whole.
    if (text.size() <= maxBytes)
        return text;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t len = charLengthAt(text, pos);
        if (pos + len > maxBytes)
            break;
        pos += len;
    }
    return text.substr(0, pos);
}

bool copyTextField(char* dest, std::size_t capacity, std::string_view text)
{
    if (capacity == 0)
        return text.empty();
    std::string_view kept = cutAtCharBoundary(text, capacity - 1);
    std::memcpy(dest, kept.data(), kept.size());
    dest[kept.size()] = '\0';
    return kept.size() == text.size();
}

namespace {

// Where the converters disagree, the program decides once, the same on every
// platform (iconv's "CP932" and Windows' code page 932 are asked only after
// these):
// - The single bytes 0x80, 0xA0, 0xFD, 0xFE and 0xFF are not characters: they
//   read as U+FFFD, and U+0080 and U+F8F0-F8F3 have no code page 932 form.
//   (Windows reads 0x80 as U+0080 and the others, unless told to be strict, as
//   the private-use U+F8F0-F8F3, and writes those back; iconv refuses them.)
// - The JIS forms of seven characters, as a Unicode keyboard on other systems
//   types them, write as the code page 932 character that looks the same:
//   U+301C WAVE DASH and U+FF5E 0x8160, U+2016 and U+2225 0x8161, U+2212 and
//   U+FF0D 0x817C, U+00A2 and U+FFE0 0x8191, U+00A3 and U+FFE1 0x8192, U+00AC
//   and U+FFE2 0x81CA, U+2014 and U+2015 0x815C. Reading always gives the second
//   form of each pair. (iconv accepts them; Windows refuses them, or with best
//   fit takes some.)
// - U+00A5 YEN SIGN and U+203E OVERLINE have no code page 932 form: the bytes
//   0x5C and 0x7E read back as the backslash and the tilde, and a yen sign in a
//   file name would become a folder separator. (iconv writes 0x5C and 0x7E,
//   Windows with best fit 0x5C for the yen sign.)
struct EncodeEdge {
    char32_t scalar;
    const char* bytes;  // nullptr: no code page 932 form
};

constexpr EncodeEdge kEncodeEdges[] = {
    {0x0080, nullptr},    {0x00A2, "\x81\x91"}, {0x00A3, "\x81\x92"}, {0x00A5, nullptr},    {0x00AC, "\x81\xCA"},
    {0x2014, "\x81\x5C"}, {0x2016, "\x81\x61"}, {0x203E, nullptr},    {0x2212, "\x81\x7C"}, {0x301C, "\x81\x60"},
    {0xF8F0, nullptr},    {0xF8F1, nullptr},    {0xF8F2, nullptr},    {0xF8F3, nullptr},
};

bool isRefusedSingleByte(unsigned char byte) { return byte == 0x80 || byte == 0xA0 || byte >= 0xFD; }

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes the well-formed UTF-8 sequence at text[pos] into cp and returns its
// length; for a malformed one returns the number of bytes to skip and sets cp
// to a value above U+10FFFF.
std::size_t decodeUtf8At(std::string_view text, std::size_t pos, char32_t& cp)
{
    constexpr char32_t kMalformed = 0x110000;
    unsigned char b = static_cast<unsigned char>(text[pos]);
    std::size_t len = b < 0x80                   ? 1
                      : (b >= 0xC2 && b <= 0xDF) ? 2
                      : (b >= 0xE0 && b <= 0xEF) ? 3
                      : (b >= 0xF0 && b <= 0xF4) ? 4
                                                 : 0;
    if (len == 0) {
        cp = kMalformed;
        return 1;
    }
    cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (std::size_t k = 1; k < len; ++k) {
        if (pos + k >= text.size() || (static_cast<unsigned char>(text[pos + k]) & 0xC0) != 0x80) {
            cp = kMalformed;
            return k;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos + k]) & 0x3F);
    }
    if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
        cp = kMalformed;
    return len;
}

// Appends the code page 932 form of cp; false when it has none.
bool encodeScalar(char32_t cp, std::string& out)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
        return true;
    }
    for (const EncodeEdge& edge : kEncodeEdges) {
        if (edge.scalar == cp) {
            if (!edge.bytes)
                return false;
            out += edge.bytes;
            return true;
        }
    }
    return cp < 0x10000 && detail::systemEncodeCp932(cp, out);
}

// How every non-ASCII single byte and every lead byte with every trail byte
// reads, asked of the system converter once, character by character. 0 marks
// bytes that do not form a character (no code page 932 character reads as
// U+0000 but the NUL byte, which never gets here).
struct ReadingTable {
    static constexpr int kLeads = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);
    std::array<char16_t, 128> single{};
    std::array<std::array<char16_t, 256>, kLeads> pairs{};

    static int leadIndex(unsigned char lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1); }
};

char16_t readingOf(std::string_view character)
{
    std::optional<char32_t> cp = detail::systemDecodeCp932(character);
    return cp && *cp <= 0xFFFF ? static_cast<char16_t>(*cp) : 0;
}

const ReadingTable& readingTable()
{
    static const ReadingTable table = [] {
        ReadingTable t;
        for (int b = 0x80; b <= 0xFF; ++b) {
            const char byte = static_cast<char>(b);
            if (!isLeadByte(static_cast<unsigned char>(b)) && !isRefusedSingleByte(static_cast<unsigned char>(b)))
                t.single[static_cast<std::size_t>(b - 0x80)] = readingOf(std::string_view(&byte, 1));
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLeadByte(static_cast<unsigned char>(lead)))
                continue;
            auto& row = t.pairs[static_cast<std::size_t>(ReadingTable::leadIndex(static_cast<unsigned char>(lead)))];
            for (int trail = 0; trail <= 0xFF; ++trail) {
                const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                row[static_cast<std::size_t>(trail)] = readingOf(std::string_view(bytes, 2));
            }
        }
        return t;
    }();
    return table;
}

}  // namespace

std::string cp932ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 3 / 2 + 8);
    std::size_t pos = 0;
    while (pos < text.size()) {
        unsigned char b = static_cast<unsigned char>(text[pos]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++pos;
            continue;
        }
        const ReadingTable& table = readingTable();
        const std::size_t len = charLengthAt(text, pos);
        const char16_t cp = len == 1 ? table.single[b - 0x80U]
                                     : table.pairs[static_cast<std::size_t>(ReadingTable::leadIndex(b))]
                                                  [static_cast<unsigned char>(text[pos + 1])];
        appendUtf8(out, cp ? cp : 0xFFFD);
        pos += len;
    }
    return out;
}

std::string utf8ToCp932(std::string_view text, std::size_t* unmapped)
{
    std::string out;
    out.reserve(text.size());
    std::size_t failures = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t cp;
        pos += decodeUtf8At(text, pos, cp);
        if (!encodeScalar(cp, out)) {
            out += '?';
            ++failures;
        }
    }
    if (unmapped)
        *unmapped = failures;
    return out;
}

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        std::size_t len;
        unsigned int cp;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            cp = b & 0x07;
        } else
            return false;
        if (i + len > text.size())
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            unsigned char c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        i += len;
    }
    return true;
}

}  // namespace kestrel
