#include "ui/hints/differences_table.h"

#include "ui/hints/hint_texts.h"
#include "ui/list/list_view.h"
#include "ui/texts/texts.h"

#include <cstring>

namespace kestrel::ui {

namespace {

struct TraitWords {
    const char* label;  // UTF-8
    const char* first;  // the cell of the first answer
    const char* second;
};

// Per trait up to push, in the order of Trait; the answers as in kFirstAnswers.
constexpr TraitWords kTraitWords[] = {
    {"浮遊", "浮く", "浮かない"},   {"メタル", "メタル", "ちがう"}, {"大きさ", "普通", "大きい"},
    {"MP吸", "吸えない", "吸えた"}, {"怒り", "怒る", "怒らない"},   {"重さ", "押せた", "押せない"},
};
constexpr std::int64_t kFirstValue[] = {1, 1, 0, 0, 1, 0};

std::string cellOf(Trait trait, const TraitValue& v)
{
    if (!v.known)
        return "?";
    const auto t = static_cast<std::size_t>(trait);
    if (t < std::size(kTraitWords))
        return sjis(v.low == kFirstValue[t] ? kTraitWords[t].first : kTraitWords[t].second);
    switch (trait) {
    case Trait::family: return familyCell(static_cast<std::int32_t>(v.low));
    case Trait::dealtDamage:
    case Trait::takenDamage: return std::to_string(v.low) + sjis("～") + std::to_string(v.high);
    default: return std::to_string(v.low);
    }
}

std::string labelOf(Trait trait)
{
    const auto t = static_cast<std::size_t>(trait);
    if (t < std::size(kTraitWords))
        return sjis(kTraitWords[t].label);
    switch (trait) {
    case Trait::family: return sjis("系統");
    case Trait::dealtDamage: return sjis("与ダメ");
    case Trait::takenDamage: return sjis("被ダメ");
    default: return "HP";
    }
}

}  // namespace

void addDifferencesTableControls(std::vector<ControlSpec>& items)
{
    items.push_back({kIdDifferencesHeading, ControlKind::Static, sjis("違い（残りが5体以下のとき）"), 0});
    for (int id : kIdDifferenceColumns)
        items.push_back({id, ControlKind::Static, "", 0});
    for (int r = 0; r < kDifferenceRows; ++r) {
        items.push_back({differenceLabelId(r), ControlKind::Static, "", 0});
        for (int c = 0; c < static_cast<int>(kIdDifferenceColumns.size()); ++c)
            items.push_back({differenceCellId(r, c), ControlKind::Static, "", 0});
    }
    items.push_back({kIdDifferenceNote, ControlKind::Static, "", 0});
}

DifferencesTable differencesTable(const Catalogue& catalogue, const Differences& d)
{
    DifferencesTable table;
    const std::size_t n = d.candidates.size();
    if (n < 2 || n > kIdDifferenceColumns.size())
        return table;
    for (std::int32_t i : d.candidates) {
        const MonsterRecord& r = catalogue.monsterTable[static_cast<std::size_t>(i)];
        table.columns.emplace_back(r.name, ::strnlen(r.name, sizeof r.name));
    }
    std::vector<DifferencesTable::Row> rows;
    for (const TraitRow& t : d.traits) {
        DifferencesTable::Row row{labelOf(t.trait), {}, false};
        for (const TraitValue& v : t.values)
            row.cells.push_back(cellOf(t.trait, v));
        rows.push_back(std::move(row));
    }
    for (const SkillRow& s : d.skills) {
        DifferencesTable::Row row{s.text, {}, true};
        for (bool has : s.has)
            row.cells.push_back(sjis(has ? "○" : "―"));
        rows.push_back(std::move(row));
    }
    if (rows.empty())
        table.note = sjis("戦いで見えるものに違いはない");
    else if (rows.size() > static_cast<std::size_t>(kDifferenceRows)) {
        // The last row makes room for the note.
        const std::size_t shown = kDifferenceRows;
        table.note = sjis("ほかに ") + std::to_string(rows.size() - shown) + sjis(" 項目の違い");
        rows.resize(shown);
    }
    table.rows = std::move(rows);
    return table;
}

void showDifferencesTable(Controls& controls, const DifferencesTable& table)
{
    for (std::size_t c = 0; c < kIdDifferenceColumns.size(); ++c) {
        const std::string name = c < table.columns.size() ? table.columns[c] : std::string();
        controls.setText(kIdDifferenceColumns[c], name);
        controls.setToolTip(kIdDifferenceColumns[c], name);
    }
    for (int r = 0; r < kDifferenceRows; ++r) {
        const auto* row =
            static_cast<std::size_t>(r) < table.rows.size() ? &table.rows[static_cast<std::size_t>(r)] : nullptr;
        controls.setText(differenceLabelId(r), row ? row->label : std::string());
        controls.setToolTip(differenceLabelId(r), row && row->skill ? sjis("クリックで特技検索に足す") : std::string());
        for (std::size_t c = 0; c < kIdDifferenceColumns.size(); ++c) {
            const std::string cell = row && c < row->cells.size() ? row->cells[c] : std::string();
            controls.setText(differenceCellId(r, static_cast<int>(c)), cell);
        }
    }
    controls.setText(kIdDifferenceNote, table.note);
}

}  // namespace kestrel::ui
