// The candidate list as painted: cells from their laid-out texts where their
// column's alignment puts them, cut with "…" to the column's width as it is now
// and in the view's font, with the selection drawn by the style.

#include "ui/qt/candidate_table_model.h"
#include "ui/qt/qt_controls.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTableView>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace kestrel::ui {
namespace {

struct NoEvents : ControlEvents {
    void onTextChanged(int) override {}
    void onClicked(int) override {}
};

struct List {
    NoEvents events;
    QtControls controls;
    QTableView* view = nullptr;
    CandidateTableModel* model = nullptr;

    List(const std::vector<ListColumn>& columns, const std::vector<std::vector<std::string>>& rows)
    {
        controls.create({{50, ControlKind::List, ""}}, events);
        view = qobject_cast<QTableView*>(controls.widget(50));
        model = qobject_cast<CandidateTableModel*>(view->model());
        controls.setColumns(50, columns);
        for (const auto& row : rows)
            controls.appendRow(50, row);
        controls.flush();
        view->resize(760, 240);
        controls.show();
    }

    QImage painted() const { return view->viewport()->grab().toImage(); }
    bool elided(int row, int column) const
    {
        return model->data(model->index(row, column), CandidateTableModel::kElidedRole).toBool();
    }
    // The columns x0..x1 of pixels that differ from the background in a cell,
    // its grid line left out; nullopt when the cell is blank.
    std::optional<std::pair<int, int>> ink(const QImage& image, int row, int column) const
    {
        const QRect cell = view->visualRect(model->index(row, column)).adjusted(0, 0, -2, -2);
        const QRgb background = image.pixel(cell.topLeft());
        std::optional<std::pair<int, int>> span;
        for (int x = cell.left(); x <= cell.right(); ++x)
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                if (image.pixel(x, y) != background) {
                    span = span ? std::pair{span->first, x} : std::pair{x, x};
                    break;
                }
        return span;
    }
};

TEST(CandidateList, CellsSitWhereTheirAlignmentPutsThemAndTheSelectionIsDrawn)
{
    List list({{"L", 200, Align::Left}, {"R", 200, Align::Right}, {"C", 200, Align::Centre}},
              {{"ab", "ab", "ab"}, {"x", "x", "x"}, {"", "", ""}});
    const QImage image = list.painted();
    const struct {
        int column;
        double where;  // the middle of the ink as a fraction of the cell's width
        double slack;
    } cases[] = {{0, 0.0, 0.15}, {1, 1.0, 0.15}, {2, 0.5, 0.03}};
    for (const auto& c : cases) {
        const auto span = list.ink(image, 0, c.column);
        ASSERT_TRUE(span) << "column " << c.column;
        const double middle = (span->first + span->second) / 2.0 - list.view->columnViewportPosition(c.column);
        EXPECT_NEAR(middle / 200, c.where, c.slack) << "column " << c.column;
    }
    for (int column = 0; column < 3; ++column)
        EXPECT_FALSE(list.ink(image, 2, column)) << "an empty cell stays blank";

    list.view->selectRow(1);
    const QImage selected = list.painted();
    const QPoint inside = list.view->visualRect(list.model->index(1, 0)).center() + QPoint(60, 0);
    EXPECT_EQ(QColor(selected.pixel(inside)), list.view->palette().color(QPalette::Highlight));
    EXPECT_EQ(QColor(selected.pixel(inside - QPoint(0, list.view->rowHeight(0)))),
              list.view->palette().color(QPalette::Base));
    // The selected row's texts in the highlighted text's colour: no pixel nearer the plain text's.
    const QColor text = list.view->palette().color(QPalette::Text);
    const QColor highlighted = list.view->palette().color(QPalette::HighlightedText);
    auto distance = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    };
    ASSERT_TRUE(list.ink(selected, 1, 0));
    const QRect cell = list.view->visualRect(list.model->index(1, 0)).adjusted(0, 0, -2, -2);
    int dark = 0;
    for (int x = cell.left(); x <= cell.right(); ++x)
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            dark += distance(selected.pixel(x, y), text) < distance(selected.pixel(x, y), highlighted) ? 1 : 0;
    EXPECT_EQ(dark, 0);
}

TEST(CandidateList, TextsAreCutToTheColumnWidthAndTheFontAsTheyAreNow)
{
    const std::string longText(30, 'W');
    List list({{"A", 80, Align::Left}, {"B", 80, Align::Left}}, {{longText, ""}, {"ab", ""}});
    const int wide = list.view->fontMetrics().horizontalAdvance(QString(30, QLatin1Char('W'))) + 40;
    QImage image = list.painted();
    EXPECT_TRUE(list.elided(0, 0));
    EXPECT_FALSE(list.elided(1, 0));
    EXPECT_FALSE(list.ink(image, 0, 1)) << "a cut text stays inside its own cell";

    QHeaderView* header = list.view->horizontalHeader();
    header->resizeSection(0, wide);
    image = list.painted();
    EXPECT_FALSE(list.elided(0, 0));
    const auto whole = list.ink(image, 0, 0);
    ASSERT_TRUE(whole);
    EXPECT_GT(whole->second - whole->first, wide / 2);

    QFont big = list.view->font();
    big.setPointSize(big.pointSize() * 4);
    list.view->setFont(big);
    list.painted();
    EXPECT_TRUE(list.elided(0, 0)) << "a larger font cuts the text again";
}

}  // namespace
}  // namespace kestrel::ui
