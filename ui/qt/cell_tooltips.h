#pragma once
// Tooltips of a list's cells: a cell whose text the view cuts with "…" shows
// its whole text when the mouse rests on it; a cell shown whole shows none.

class QTableView;

namespace kestrel::ui {

void showWholeTextOfCutCells(QTableView& view);

}  // namespace kestrel::ui
