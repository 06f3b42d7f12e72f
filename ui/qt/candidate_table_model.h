#pragma once
// The rows of the candidate list for a QTableView. The logic replaces the
// columns (the rows stay), deletes every row and appends rows one by one; the first change
// begins a model reset that stays open until endPendingReset(), so that a fill
// of any size reaches the view as a single reset. Cells stay code page 932 and
// are converted when the view asks for them (only the visible ones).

#include "ui/controls.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace kestrel::ui {

class CandidateTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every column; the rows stay until they are deleted.
    void setColumns(const std::vector<ListColumn>& columns);
    void deleteAllRows();
    void appendRow(const std::vector<std::string>& cells);

    bool resetPending() const { return resetPending_; }
    // Ends the reset the changes since the last call began; false when there was none.
    bool endPendingReset();

    const std::vector<ListColumn>& columns() const { return columns_; }
    // A cell as the logic gave it; empty outside the rows or beyond the row's cells.
    std::string cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void beginPendingReset();

    std::vector<ListColumn> columns_;
    std::vector<std::vector<std::string>> rows_;
    bool resetPending_ = false;
};

}  // namespace kestrel::ui
