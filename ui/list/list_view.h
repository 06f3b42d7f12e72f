#pragma once
// The candidate list (control 1037): its four column layouts, the rows of the
// candidates in table order, and the count beside it (static 1040).

#include "catalogue/catalogue.h"
#include "engine/observation_state.h"
#include "ui/controls.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrel::ui {

inline constexpr int kIdList = 1037;
inline constexpr int kIdCandidateCount = 1040;

// The layout a listLayout value shows: 0 特技, 1 場所, 2 まめ, 3 ダメージ; any
// other value is shown and used as the ダメージ layout.
std::int32_t effectiveLayout(std::int32_t listLayout);

// The column table of a layout.
std::vector<ListColumn> columnsOf(std::int32_t listLayout);
// The number of columns of a layout.
std::size_t columnCountOf(std::int32_t listLayout);

// The sort key (as the sort radios number them) a click on the header of
// column in the layout chooses; nullopt for a column without one.
std::optional<std::int32_t> sortKeyOfColumn(std::int32_t listLayout, int column);

// The family cell: "?" for 0, the family label with "?" after it when uncertain.
std::string familyCell(std::int32_t family);

// The skills cell of the 特技 layout: skills that start with "/" are hidden; the
// skills a search matched come first, then the rest, joined by "、".
std::string skillsCell(const MonsterRecord& record, std::int32_t searchWordCount);

// Every row of the list for the candidates: one row each (row form), or a block
// of rows each in the まめ layout.
std::vector<std::vector<std::string>> candidateRows(const Catalogue& catalogue, const ObservationState& state,
                                                    std::int32_t debugLevel);

// Shows the count and puts the columns of the current layout into the list,
// with the remembered widths when there are as many as the layout has columns
// (or, in the damage layout, as many as its text columns: the picture columns
// then take their own).
void buildColumns(Controls& controls, const ObservationState& state, const std::vector<std::int32_t>& widths = {});
// Shows the count and, unless the list is locked, replaces the rows.
void fillList(Controls& controls, const Catalogue& catalogue, const ObservationState& state, std::int32_t debugLevel);

}  // namespace kestrel::ui
