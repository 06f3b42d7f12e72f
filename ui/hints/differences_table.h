#pragma once
// The "違い" part of the hint panel: for 2 to 5 candidates a small table with
// the candidates as columns and, as rows, the attributes the fight shows in
// which they differ, then the skills some have and others do not. A skill
// row's label is the skill as typed into the search; a click on it adds it.

#include "catalogue/catalogue.h"
#include "engine/differences.h"
#include "ui/controls.h"

#include <array>
#include <string>
#include <vector>

namespace kestrel::ui {

inline constexpr int kIdDifferencesHeading = 3040;
inline constexpr std::array<int, 5> kIdDifferenceColumns = {3041, 3042, 3043, 3044, 3045};
inline constexpr int kDifferenceRows = 6;
// Row r: its label at 3046 + 6r, its cells at 3047 + 6r to 3051 + 6r.
inline constexpr int kIdDifferenceRowFirst = 3046;
inline constexpr int kIdDifferenceNote = 3082;

constexpr int differenceLabelId(int row) { return kIdDifferenceRowFirst + 6 * row; }
constexpr int differenceCellId(int row, int column) { return kIdDifferenceRowFirst + 6 * row + 1 + column; }

// Appends the table's controls (all empty at first).
void addDifferencesTableControls(std::vector<ControlSpec>& items);

// What the table shows, as texts (code page 932).
struct DifferencesTable {
    std::vector<std::string> columns;  // candidate names
    struct Row {
        std::string label;
        std::vector<std::string> cells;
        bool skill = false;  // the label is a skill as typed
    };
    std::vector<Row> rows;  // at most kDifferenceRows
    std::string note;       // nothing differs, or how many rows did not fit
};

// The table for the differences; empty columns when none are to be shown.
DifferencesTable differencesTable(const Catalogue& catalogue, const Differences& differences);

void showDifferencesTable(Controls& controls, const DifferencesTable& table);

}  // namespace kestrel::ui
