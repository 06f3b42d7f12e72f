#pragma once
// The rows of the candidate list for a QTableView. The logic replaces the
// columns (the rows stay), deletes every row and appends rows one by one; the first change
// begins a model reset that stays open until endPendingReset(), so that a fill
// of any size reaches the view as a single reset. Cells stay code page 932 and
// are converted when the view asks for them (only the visible ones); for
// painting, each distinct text is laid out once for its column's width and kept
// (see CellTexts), so a refill paints without shaping texts again.

#include "ui/controls.h"
#include "ui/qt/cell_texts.h"

#include <QAbstractTableModel>

#include <string>
#include <string_view>
#include <vector>

namespace kestrel::ui {

class CandidateTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // data() with this role: whether the cell's text was cut with "…" when it
    // was last painted (false for a cell not painted at its column's width).
    static constexpr int kElidedRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every column; the rows stay until they are deleted.
    void setColumns(const std::vector<ListColumn>& columns);
    void deleteAllRows();
    void appendRow(const std::vector<std::string>& cells);
    // Every row at once, taken over without a copy.
    void replaceRows(std::vector<std::vector<std::string>> rows);

    // The columns drawn as pictures; false when they were these already.
    bool setPictures(std::vector<ListPicture> pictures);
    // The picture of a column; nullptr for a column that shows its text.
    const ListPicture* pictureOf(int column) const
    {
        for (const ListPicture& picture : pictures_)
            if (picture.column == column)
                return &picture;
        return nullptr;
    }

    bool resetPending() const { return resetPending_; }
    // Ends the reset the changes since the last call began; false when there was none.
    bool endPendingReset();

    const std::vector<ListColumn>& columns() const { return columns_; }
    // A cell as the logic gave it; empty outside the rows or beyond the row's cells.
    std::string cell(int row, int column) const;

    // The cell's text laid out for a room width pixels wide in font; nullptr for
    // an empty cell or one outside the rows.
    const CellText* laidOutCell(int row, int column, int width, const QFont& font) const;
    // Whether the cell's text was cut with "…" when it was last painted.
    bool elided(int row, int column) const;
    Qt::Alignment cellAlignment(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void beginPendingReset();
    // The cell's bytes, without a copy; empty outside the rows.
    std::string_view cellText(int row, int column) const;

    std::vector<ListColumn> columns_;
    std::vector<std::vector<std::string>> rows_;
    std::vector<ListPicture> pictures_;
    bool resetPending_ = false;
    mutable CellTexts texts_;
};

}  // namespace kestrel::ui
