#pragma once
// How one field of a definition-file line is read.

#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrel {

// The leading decimal integer in the manner of "%d": blanks skipped, optional
// sign, digits, the rest ignored. nullopt when there is no number. Values beyond
// 32 bits are clamped.
std::optional<std::int32_t> leadingInteger(std::string_view field);

// Family code 1..14 of the field's first character (0 when none matches), with
// the uncertain bit 0x80 when an ASCII '?' follows it.
std::int32_t familyOfField(std::string_view field);

// The type letter R S K M T P O as 1..7; 0 for an empty field or anything else.
std::int32_t typeLetterOfField(std::string_view field);

}  // namespace kestrel
