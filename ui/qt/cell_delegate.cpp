#include "ui/qt/cell_delegate.h"

#include "ui/qt/candidate_table_model.h"

#include <QApplication>
#include <QtMath>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cstdint>

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

// The picture's colours: the bar, its tolerance part, the typed values.
const QColor kBarColour(0x2a, 0x6f, 0x97);
const QColor kToleranceColour(0xa9, 0xcc, 0xe0);
const QColor kMarkColour(0xe0, 0x1e, 0x37);

// A row of a picture column: its bar (lighter where the tolerance adds it) or
// a "?", then the marks, which meet those of the rows above and below.
void paintPicture(QPainter* painter, const QStyleOptionViewItem& option, const ListPicture& picture, int row,
                  int margin)
{
    const QRect cell = option.rect;
    const int left = cell.left() + margin;
    const int width = std::max(1, cell.width() - 2 * margin);
    const int barTop = cell.top() + cell.height() / 4;
    const int barHeight = std::max(2, cell.height() / 2);
    if (row >= 0 && static_cast<std::size_t>(row) < picture.bars.size()) {
        const PictureBar& bar = picture.bars[static_cast<std::size_t>(row)];
        if (!bar.known) {
            painter->setPen(option.palette.color(colourGroup(option), option.state & QStyle::State_Selected
                                                                          ? QPalette::HighlightedText
                                                                          : QPalette::Text));
            painter->drawText(cell, Qt::AlignCenter, QStringLiteral("?"));
        } else {
            const int low = picturePixel(picture, bar.low, left, width);
            const int high = picturePixel(picture, bar.high, left, width);
            painter->fillRect(low, barTop, high - low + 1, barHeight, kToleranceColour);
            const int solidLow = picturePixel(picture, bar.solidLow, left, width);
            const int solidHigh = picturePixel(picture, bar.solidHigh, left, width);
            painter->fillRect(solidLow, barTop, solidHigh - solidLow + 1, barHeight, kBarColour);
        }
    }
    for (const std::int64_t mark : picture.marks) {
        const int x = picturePixel(picture, mark, left, width);
        if (x >= cell.left() && x <= cell.right())
            painter->fillRect(x, cell.top(), 2, cell.height(), kMarkColour);
    }
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
    if (const ListPicture* picture = model->pictureOf(index.column())) {
        painter->save();
        paintPicture(painter, option, *picture, index.row(), margin + 2);
        painter->restore();
        return;
    }
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
