#include "ui/qt/cell_tooltips.h"

#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QTableView>
#include <QToolTip>

namespace kestrel::ui {

namespace {

class CutCellTips : public QObject {
public:
    explicit CutCellTips(QTableView& view) : QObject(&view), view_(view) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || watched != view_.viewport())
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = view_.indexAt(help->pos());
        const QString text = index.isValid() ? index.data(Qt::ToolTipRole).toString() : QString();
        if (text.isEmpty() || !isCut(index, text)) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        QToolTip::showText(help->globalPos(), text, view_.viewport(), view_.visualRect(index));
        return true;
    }

private:
    // The room the style leaves for a cell's text against the width the text needs.
    bool isCut(const QModelIndex& index, const QString& text) const
    {
        const int margin = view_.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view_) + 1;
        const int room = view_.visualRect(index).width() - 2 * margin;
        return view_.fontMetrics().horizontalAdvance(text) > room;
    }

    QTableView& view_;
};

}  // namespace

void showWholeTextOfCutCells(QTableView& view)
{
    view.viewport()->installEventFilter(new CutCellTips(view));
}

}  // namespace kestrel::ui
