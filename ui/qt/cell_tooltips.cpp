#include "ui/qt/cell_tooltips.h"

#include "ui/qt/candidate_table_model.h"

#include <QHelpEvent>
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
        // Only a cell painted cut with "…" shows its whole text.
        if (text.isEmpty() || !index.data(CandidateTableModel::kElidedRole).toBool()) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        QToolTip::showText(help->globalPos(), text, view_.viewport(), view_.visualRect(index));
        return true;
    }

private:
    QTableView& view_;
};

}  // namespace

void showWholeTextOfCutCells(QTableView& view) { view.viewport()->installEventFilter(new CutCellTips(view)); }

}  // namespace kestrel::ui
