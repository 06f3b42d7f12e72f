#include "ui/qt/candidate_table_model.h"

#include "ui/qt/qt_text.h"

#include <utility>

namespace kestrel::ui {

namespace {

Qt::Alignment alignmentOf(Align align)
{
    switch (align) {
    case Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Centre: return Qt::AlignCenter;
    case Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

void CandidateTableModel::beginPendingReset()
{
    if (resetPending_)
        return;
    beginResetModel();
    resetPending_ = true;
}

bool CandidateTableModel::endPendingReset()
{
    if (!resetPending_)
        return false;
    resetPending_ = false;
    endResetModel();
    return true;
}

void CandidateTableModel::setColumns(const std::vector<ListColumn>& columns)
{
    beginPendingReset();
    columns_ = columns;
    texts_.clear();  // laid out for the old columns
}

bool CandidateTableModel::setPictures(std::vector<ListPicture> pictures)
{
    if (pictures == pictures_)
        return false;
    pictures_ = std::move(pictures);
    return true;
}

void CandidateTableModel::deleteAllRows()
{
    beginPendingReset();
    rows_.clear();
}

void CandidateTableModel::appendRow(const std::vector<std::string>& cells)
{
    beginPendingReset();
    rows_.push_back(cells);
}

void CandidateTableModel::replaceRows(std::vector<std::vector<std::string>> rows)
{
    if (!resetPending_ && rows == rows_)
        return;  // the same rows again: the view stays as drawn
    beginPendingReset();
    rows_ = std::move(rows);
}

std::string_view CandidateTableModel::cellText(int row, int column) const
{
    if (row < 0 || column < 0 || static_cast<std::size_t>(row) >= rows_.size())
        return {};
    const std::vector<std::string>& cells = rows_[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? std::string_view(cells[static_cast<std::size_t>(column)])
                                                           : std::string_view();
}

std::string CandidateTableModel::cell(int row, int column) const { return std::string(cellText(row, column)); }

const CellText* CandidateTableModel::laidOutCell(int row, int column, int width, const QFont& font) const
{
    const std::string_view text = cellText(row, column);
    return text.empty() ? nullptr : &texts_.laidOut(column, text, width, font);
}

bool CandidateTableModel::elided(int row, int column) const
{
    const CellText* text = texts_.find(column, cellText(row, column));
    return text != nullptr && text->elided;
}

Qt::Alignment CandidateTableModel::cellAlignment(int column) const
{
    if (column < 0 || column >= columnCount())
        return alignmentOf(Align::Left);
    return alignmentOf(columns_[static_cast<std::size_t>(column)].align);
}

int CandidateTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CandidateTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant CandidateTableModel::data(const QModelIndex& index, int role) const
{
    // The view may ask while a reset is open: every index is checked against
    // the rows as they are now.
    if (!index.isValid() || index.column() >= columnCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)  // the view shows the tip only for a cut cell
        return toQString(cell(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole)
        return alignmentOf(columns_[static_cast<std::size_t>(index.column())].align).toInt();
    if (role == kElidedRole)
        return elided(index.row(), index.column());
    return {};
}

QVariant CandidateTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const ListColumn& column = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return toQString(column.header);
    if (role == Qt::TextAlignmentRole)
        return alignmentOf(column.align).toInt();
    if (role == Qt::ToolTipRole && !column.toolTip.empty())
        return toQString(column.toolTip);
    return {};
}

}  // namespace kestrel::ui
