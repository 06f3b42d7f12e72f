// The candidate list's column layouts, its family and skills cells, and the
// two operations that put columns and rows into the list control.

#include "ui/list/list_view.h"

#include "ui/list/list_header.h"
#include "ui/texts/texts.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace kestrel::ui {

namespace {

struct ColumnText {
    const char* utf8;  // header as written here; converted to code page 932 when used
    int width;
    Align align;
};

constexpr Align L = Align::Left;
constexpr Align R = Align::Right;
constexpr Align C = Align::Centre;

constexpr std::array kSkillColumns = {
    ColumnText{"Name", 106, L}, ColumnText{"系", 29, C},   ColumnText{"属", 28, C},   ColumnText{" HP ", 42, R},
    ColumnText{" MP ", 36, R},  ColumnText{"攻撃", 42, R}, ColumnText{"守備", 42, R}, ColumnText{"特技", 536, L},
};
constexpr std::array kLocationColumns = {
    ColumnText{"Name", 106, L},
    ColumnText{"系", 29, C},
    ColumnText{"場所", 726, L},
};
constexpr std::array kTriviaColumns = {
    ColumnText{"Name", 106, L},         ColumnText{"", 27, C},
    ColumnText{"まめちしき１", 184, L}, ColumnText{"", 27, C},
    ColumnText{"まめちしき２", 184, L},
};
constexpr std::array kDamageColumns = {
    ColumnText{"Name", 106, L},     ColumnText{"系", 29, C},        ColumnText{"属", 28, C},
    ColumnText{" HP ", 42, R},      ColumnText{" MP ", 36, R},      ColumnText{"攻撃", 42, R},
    ColumnText{"守備", 42, R},      ColumnText{"与ダメ", 80, R},    ColumnText{"", 24, C},
    ColumnText{"", 30, R},          ColumnText{"", 34, R},          ColumnText{"被ダメ", 80, R},
    ColumnText{"", 24, C},          ColumnText{"", 30, R},          ColumnText{"", 34, R},
    ColumnText{"与ダメ図", 110, L}, ColumnText{"被ダメ図", 110, L},
};
// The damage layout's columns before its two picture columns came: a width list
// of that many, saved before, still fits them.
constexpr std::size_t kDamageTextColumns = 15;

template <std::size_t N>
std::vector<ListColumn> toColumns(const std::array<ColumnText, N>& table)
{
    std::vector<ListColumn> columns;
    columns.reserve(N);
    for (const ColumnText& c : table)
        columns.push_back(ListColumn{sjis(c.utf8), c.width, c.align, headerToolTip(sjis(c.utf8))});
    return columns;
}

// Family codes 1..14, in code order.
const std::array<std::string, kFamilyCount>& familyLabels()
{
    static const std::array<std::string, kFamilyCount> labels = [] {
        constexpr std::array<const char*, kFamilyCount> utf8 = {"獣", "鳥", "植", "虫", "怪", "物", "マ",
                                                                "エ", "水", "ス", "ゾ", "悪", "ド", "？"};
        std::array<std::string, kFamilyCount> out;
        for (int i = 0; i < kFamilyCount; ++i)
            out[i] = sjis(utf8[i]);
        return out;
    }();
    return labels;
}

constexpr std::string_view kSkillSeparator = "\x81\x41";  // 、

std::string_view skillText(const MonsterRecord& record, int k)
{
    return {record.skills[k], ::strnlen(record.skills[k], kSkillSize)};
}

bool isHiddenSkill(std::string_view skill) { return !skill.empty() && skill.front() == '/'; }

}  // namespace

std::int32_t effectiveLayout(std::int32_t listLayout)
{
    // A saved layout outside 0..3 has no column table of its own; it is shown
    // (and filled) as the damage layout, never used to index a missing table.
    return (listLayout >= 0 && listLayout <= 3) ? listLayout : 3;
}

std::size_t columnCountOf(std::int32_t listLayout)
{
    switch (effectiveLayout(listLayout)) {
    case 0: return kSkillColumns.size();
    case 1: return kLocationColumns.size();
    case 2: return kTriviaColumns.size();
    default: return kDamageColumns.size();
    }
}

std::vector<ListColumn> columnsOf(std::int32_t listLayout)
{
    switch (effectiveLayout(listLayout)) {
    case 0: return toColumns(kSkillColumns);
    case 1: return toColumns(kLocationColumns);
    case 2: return toColumns(kTriviaColumns);
    default: return toColumns(kDamageColumns);
    }
}

std::optional<std::int32_t> sortKeyOfColumn(std::int32_t listLayout, int column)
{
    const std::vector<ListColumn> columns = columnsOf(listLayout);
    if (column < 0 || column >= static_cast<int>(columns.size()))
        return std::nullopt;
    return headerSortKey(columns[static_cast<std::size_t>(column)].header);
}

std::string familyCell(std::int32_t family)
{
    if (family == 0)
        return "?";
    const std::int32_t code = family & ~kUncertainFamily;
    // A code without a label (above 14, or bits beyond the uncertain flag) is as
    // good as unknown: it shows the plain "?" whatever its uncertain bit says.
    if (code < 1 || code > kFamilyCount)
        return "?";
    std::string cell = familyLabels()[code - 1];
    if (family & kUncertainFamily)
        cell += '?';
    return cell;
}

std::string skillsCell(const MonsterRecord& record, std::int32_t searchWordCount)
{
    const int count = std::clamp<std::int32_t>(record.skillCount, 0, kMaxSkills);
    std::array<int, kMaxSkills> order{};
    std::array<bool, kMaxSkills> placed{};
    int n = 0;
    // The skills the search matched come first, in the order the words found them.
    const int hits = std::clamp<std::int32_t>(searchWordCount, 0, kMaxSkills);
    for (int h = 0; h < hits; ++h) {
        const std::uint8_t k = record.skillHit[h];
        if (k == kNoSkillHit || k >= count || placed[k])
            continue;
        placed[k] = true;
        order[n++] = k;
    }
    for (int k = 0; k < count; ++k)
        if (!placed[k])
            order[n++] = k;

    std::size_t length = 0;
    for (int i = 0; i < n; ++i)
        length += skillText(record, order[i]).size() + kSkillSeparator.size();
    std::string cell;
    cell.reserve(length);
    bool first = true;
    for (int i = 0; i < n; ++i) {
        const std::string_view skill = skillText(record, order[i]);
        if (isHiddenSkill(skill))
            continue;
        if (!first)
            cell += kSkillSeparator;
        cell += skill;
        first = false;
    }
    return cell;
}

void buildColumns(Controls& controls, const ObservationState& state, const std::vector<std::int32_t>& widths)
{
    controls.setText(kIdCandidateCount, std::to_string(state.candidateCount));
    std::vector<ListColumn> columns = columnsOf(state.listLayout);
    const bool olderDamageWidths = effectiveLayout(state.listLayout) == 3 && widths.size() == kDamageTextColumns;
    if (widths.size() == columns.size() || olderDamageWidths)
        for (std::size_t i = 0; i < widths.size(); ++i)
            columns[i].width = widths[i];
    controls.setColumns(kIdList, columns);
}

void fillList(Controls& controls, const Catalogue& catalogue, const ObservationState& state, std::int32_t debugLevel)
{
    controls.setText(kIdCandidateCount, std::to_string(state.candidateCount));
    if (state.listLocked)
        return;  // the rows keep their last content while the list is locked
    controls.replaceRows(kIdList, candidateRows(catalogue, state, debugLevel));
}

}  // namespace kestrel::ui
