#pragma once
// Code page 932 (Microsoft's Shift_JIS): character boundaries and conversion to
// and from UTF-8. Inside the program every text is code page 932 bytes; only the
// edges (window, terminal, UTF-8 files, file names) convert. The conversion is
// the same on every platform, byte for byte (see cp932.cpp for the characters
// where the system converters disagree).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

// A double-byte character begins with 0x81-0x9F or 0xE0-0xFC.
constexpr bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length in bytes of the character that starts at text[pos]: 2 for a lead byte
// followed by another byte, else 1.
constexpr std::size_t charLengthAt(std::string_view text, std::size_t pos)
{
    return (isLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) ? 2 : 1;
}

// The longest prefix of text that fits maxBytes without splitting a double-byte
// character.
std::string_view cutAtCharBoundary(std::string_view text, std::size_t maxBytes);

// Copies text into dest (capacity bytes, NUL included), cut at a character
// boundary. Returns true when the whole text fitted.
bool copyTextField(char* dest, std::size_t capacity, std::string_view text);

// Converts code page 932 to UTF-8. Bytes that do not form a character are
// replaced by U+FFFD.
std::string cp932ToUtf8(std::string_view text);

// Converts UTF-8 to code page 932. Characters without a code page 932 form (and
// malformed UTF-8) become '?'. unmapped, when given, counts them.
std::string utf8ToCp932(std::string_view text, std::size_t* unmapped = nullptr);

// True when the whole text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

}  // namespace kestrel
