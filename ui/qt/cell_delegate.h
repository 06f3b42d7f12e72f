#pragma once
// Paints the candidate list's cells from the texts its model keeps laid out:
// the item background (selection included) and focus frame as the style draws
// them, and the text without shaping or eliding it again.

#include <QStyledItemDelegate>

namespace kestrel::ui {

class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace kestrel::ui
