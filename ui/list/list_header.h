#pragma once
// The candidate list's column headers as a reader meets them: what the markers
// in each column mean, and which sort a click on the header chooses.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel::ui {

// The tooltip of a header (code page 932 in and out); empty for none.
std::string headerToolTip(std::string_view header);

// The sort key (as the sort radios number them) a click on the header chooses;
// nullopt for a header without one.
std::optional<std::int32_t> headerSortKey(std::string_view header);

}  // namespace kestrel::ui
