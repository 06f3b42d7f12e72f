#include "ui/qt/cell_delegate.h"

#include "ui/qt/candidate_table_model.h"

#include <QApplication>
#include <QtMath>
#include <QPainter>
#include <QStyle>

namespace kestrel::ui {

namespace {

// The margin the style's item views leave on either side of a text.
int textMargin(const QWidget* widget)
{
    const QStyle* style = widget ? widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

QPalette::ColorGroup colourGroup(const QStyleOptionViewItem& option)
{
    if (!(option.state & QStyle::State_Enabled))
        return QPalette::Disabled;
    return option.state & QStyle::State_Active ? QPalette::Normal : QPalette::Inactive;
}

}  // namespace

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* model = qobject_cast<const CandidateTableModel*>(index.model());
    if (model == nullptr) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // A plain cell has no background of its own: the view's is already there.
    if (option.state & (QStyle::State_Selected | QStyle::State_MouseOver) ||
        option.backgroundBrush.style() != Qt::NoBrush)
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, widget);

    const int margin = textMargin(widget);
    const QRect room = option.rect.adjusted(margin, 0, -margin, 0);
    if (const CellText* text = model->laidOutCell(index.row(), index.column(), room.width(), option.font)) {
        const QSizeF size = text->shown.size();
        const Qt::Alignment align = model->cellAlignment(index.column());
        // Whole pixels: the glyphs drawn before are reused from the glyph cache.
        const int width = qCeil(size.width());
        int x = room.left();
        if (align & Qt::AlignRight)
            x = room.right() + 1 - width;
        else if (align & Qt::AlignHCenter)
            x = room.left() + (room.width() - width) / 2;
        const int y = room.top() + (room.height() - qCeil(size.height())) / 2;
        painter->save();  // the view's own pen and font for the grid
        painter->setFont(option.font);
        painter->setPen(option.palette.color(
            colourGroup(option), option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawStaticText(QPoint(x, y), text->shown);
        painter->restore();
    }

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        focus.backgroundColor = option.palette.color(
            colourGroup(option), option.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
}

}  // namespace kestrel::ui
