#pragma once
// The constant reading table behind normaliseText: each entry turns one or two
// double-byte characters into a short run of single-byte characters. Entries are
// tried in table order, and a two-character key stands before the one-character
// key that begins it, so the longer key wins.

#include <array>
#include <cstddef>
#include <string_view>

namespace kestrel {

inline constexpr std::size_t kReadingFieldSize = 10;
inline constexpr std::size_t kReadingTableSize = 305;

struct ReadingEntry {
    char key[kReadingFieldSize];          // one or two double-byte characters
    char replacement[kReadingFieldSize];  // one to four single-byte characters
};

extern const std::array<ReadingEntry, kReadingTableSize> readingTable;

// The first entry in table order whose key matches the start of text (a
// two-character key must match all four bytes), or nullptr. text must begin
// with a double-byte character.
const ReadingEntry* findReading(std::string_view text);

}  // namespace kestrel
