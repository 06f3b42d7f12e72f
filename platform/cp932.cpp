#include "platform/cp932.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace kestrel {

std::string_view cutAtCharBoundary(std::string_view text, std::size_t maxBytes)
{
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

// Runs iconv over text; on a sequence it cannot convert it appends replacement
// and skips skipLength(rest) input bytes.
template <typename Skip>
std::string convert(const char* to, const char* from, std::string_view text, std::string_view replacement,
                    Skip skipLength, std::size_t* failures)
{
    std::string out;
    if (failures)
        *failures = 0;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(text);
    out.reserve(text.size() * 3 / 2 + 8);
    char buffer[1024];
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (rc != static_cast<std::size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL (a truncated character at the end).
        out.append(replacement);
        if (failures)
            ++*failures;
        std::size_t skip = skipLength(std::string_view(in, inLeft));
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

std::size_t utf8SequenceLength(std::string_view rest)
{
    unsigned char b = static_cast<unsigned char>(rest[0]);
    std::size_t len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
    std::size_t i = 1;
    while (i < len && i < rest.size() && (static_cast<unsigned char>(rest[i]) & 0xC0) == 0x80)
        ++i;
    return i;
}

}  // namespace

std::string cp932ToUtf8(std::string_view text)
{
    return convert("UTF-8", "CP932", text, "\xEF\xBF\xBD",
                   [](std::string_view rest) { return charLengthAt(rest, 0); }, nullptr);
}

std::string utf8ToCp932(std::string_view text, std::size_t* unmapped)
{
    return convert("CP932", "UTF-8", text, "?", utf8SequenceLength, unmapped);
}

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        std::size_t len;
        unsigned int cp;
        if (b < 0x80) { ++i; continue; }
        if (b >= 0xC2 && b <= 0xDF) { len = 2; cp = b & 0x1F; }
        else if (b >= 0xE0 && b <= 0xEF) { len = 3; cp = b & 0x0F; }
        else if (b >= 0xF0 && b <= 0xF4) { len = 4; cp = b & 0x07; }
        else return false;
        if (i + len > text.size())
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            unsigned char c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        i += len;
    }
    return true;
}

}  // namespace kestrel
