#pragma once
// Changing single number fields of a definition file's bytes, every other byte
// kept: the same layout, encoding and line ends.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

enum class StatColumn { Attack, Defense };

struct FieldEdit {
    std::int32_t record = 0;  // the record's place in the file: 0 for the first data line
    StatColumn column = StatColumn::Attack;
    std::int32_t value = 0;
};

// The bytes with each edit's field replaced by the decimal value. nullopt (and
// why in error) when a record's line is missing or too short to hold the field.
std::optional<std::string> editDefinitionBytes(std::string_view bytes, const std::vector<FieldEdit>& edits,
                                               std::string& error);

}  // namespace kestrel
