#pragma once
// The canonical form of Japanese text for matching and for the reading sort:
// kana of either kind become half-width katakana without voicing marks, full-width
// digits and a few letters and symbols become ASCII, and a fixed set of kanji and
// phrases become their readings. Single-byte characters are copied unchanged.

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrel {

// The whole normalised text (it may be up to half as long again as the source).
std::string normaliseText(std::string_view source);

// Writes the normalised text, NUL-terminated, into dest of capacity bytes. A result
// that does not fit is cut at a character boundary. Returns true when it fitted.
bool normaliseText(std::string_view source, char* dest, std::size_t capacity);

}  // namespace kestrel
