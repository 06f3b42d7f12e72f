// Reading the candidate list on real widgets: a cut cell shows its whole text
// as a tooltip (and a whole cell none), the headers explain their markers, and
// a click on a header sorts as its sort radio does.

#include "qt/main_window_fixture.h"
#include "ui/ids.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QTableView>
#include <QToolTip>

using namespace kestrel::ui;

namespace {

struct Window : MainWindowFixture {
    QTableView* view = nullptr;

    Window() : MainWindowFixture("QUIZCLASS=4\r\n", [](QtControls&) {}) { view = at<QTableView>(1037); }
    bool radioChecked(int id) const { return at<QAbstractButton>(id)->isChecked(); }
    // What the list shows when the mouse rests on the cell.
    QString tipAt(int row, int column)
    {
        QToolTip::hideText();
        view->viewport()->repaint();  // a cell's text is cut as it is painted
        const QRect cell = view->visualRect(view->model()->index(row, column));
        QHelpEvent event(QEvent::ToolTip, cell.center(), view->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(view->viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

}  // namespace

TEST(ListReading, OnlyACutCellShowsItsWholeTextAsATooltip)
{
    Window w;
    ASSERT_GT(w.view->model()->rowCount(), 0);
    const QString name = w.view->model()->index(0, 0).data().toString();
    w.view->setColumnWidth(0, 400);
    EXPECT_EQ(w.tipAt(0, 0), QString());
    w.view->setColumnWidth(0, 12);
    EXPECT_EQ(w.tipAt(0, 0), name);
}

TEST(ListReading, HeadersExplainTheirMarkersAndSortOnAClick)
{
    Window w;
    const QAbstractItemModel* model = w.view->model();
    EXPECT_TRUE(model->headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString().contains(QStringLiteral("透")));

    QHeaderView* header = w.view->horizontalHeader();
    const auto clickHeader = [&](int column) {
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    };
    clickHeader(4);  // MP (which header sorts how is the scenarios' business)
    EXPECT_TRUE(w.radioChecked(id::kSortRadios[3]));
}
