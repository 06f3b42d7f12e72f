#pragma once
// One character of code page 932 converted by the system's own converter:
// iconv's "CP932" on Linux and macOS, MultiByteToWideChar and WideCharToMultiByte
// with code page 932 on Windows. Only cp932.cpp uses these: it settles the
// characters where the converters disagree before it asks them, and asks once
// per double-byte code for its reading table.

#include <optional>
#include <string>
#include <string_view>

namespace kestrel::detail {

// The Unicode scalar of one character (one byte, or a lead and a trail byte);
// nullopt when the bytes do not form a character.
std::optional<char32_t> systemDecodeCp932(std::string_view character);

// Appends the code page 932 form of a scalar of the Basic Multilingual Plane to
// out; false (out unchanged) when the code page has none.
bool systemEncodeCp932(char32_t scalar, std::string& out);

}  // namespace kestrel::detail
