// The picture columns as painted: each row's bar between its ends on the
// column's shared axis, the tolerance part lighter, a "?" for a row without a
// bar, and the marked values as lines through every row.

#include "ui/qt/candidate_table_model.h"
#include "ui/qt/qt_controls.h"

#include <QImage>
#include <QTableView>

#include <gtest/gtest.h>

#include <optional>

namespace kestrel::ui {
namespace {

struct NoEvents : ControlEvents {
    void onTextChanged(int) override {}
    void onClicked(int) override {}
};

const QColor kSolid(0x2a, 0x6f, 0x97), kLight(0xa9, 0xcc, 0xe0), kMark(0xe0, 0x1e, 0x37);

// The first and last x of a colour along a line of a cell, as shares of its width.
std::optional<std::pair<double, double>> spanOf(const QImage& image, const QRect& cell, int y, const QColor& colour)
{
    std::optional<std::pair<double, double>> span;
    for (int x = cell.left(); x <= cell.right(); ++x) {
        if (QColor(image.pixel(x, y)) != colour)
            continue;
        const double share = double(x - cell.left()) / cell.width();
        span = span ? std::pair{span->first, share} : std::pair{share, share};
    }
    return span;
}

TEST(ListPictures, BarsSitOnTheSharedAxisWithTheirToleranceLighterAndTheMarksCrossEveryRow)
{
    NoEvents events;
    QtControls controls;
    controls.create({{50, ControlKind::List, ""}}, events);
    auto* view = qobject_cast<QTableView*>(controls.widget(50));
    controls.setColumns(50, {{"Name", 80, Align::Left}, {"図", 400, Align::Left}});
    controls.replaceRows(50, {{"a", ""}, {"b", ""}, {"c", ""}});
    ListPicture picture;
    picture.column = 1;
    picture.axisLow = 100, picture.axisHigh = 200;
    picture.marks = {150};
    picture.bars = {{true, 100, 200, 120, 160}, {}, {true, 140, 160, 140, 160}};
    controls.setListPictures(50, {picture});
    controls.flush();
    view->resize(600, 200);
    controls.show();
    const QImage image = view->viewport()->grab().toImage();
    auto cell = [&](int row) { return view->visualRect(view->model()->index(row, 1)); };
    auto middle = [&](int row) { return cell(row).center().y(); };

    const auto solid = spanOf(image, cell(0), middle(0), kSolid);
    const auto light = spanOf(image, cell(0), middle(0), kLight);
    ASSERT_TRUE(solid && light);
    EXPECT_NEAR(solid->first, 0.2, 0.03);
    EXPECT_NEAR(solid->second, 0.6, 0.03);
    EXPECT_LT(light->first, 0.03) << "the tolerance part reaches the axis's low end";
    EXPECT_GT(light->second, 0.95);
    const auto short_ = spanOf(image, cell(2), middle(2), kSolid);
    ASSERT_TRUE(short_);
    EXPECT_NEAR(short_->first, 0.4, 0.03);
    EXPECT_FALSE(spanOf(image, cell(2), middle(2), kLight)) << "no tolerance part, none drawn";

    // The row without a bar: no bar colour, some ink in its middle (the "?").
    EXPECT_FALSE(spanOf(image, cell(1), middle(1), kSolid));
    const QRect unknown = cell(1);
    const QRgb background = image.pixel(unknown.left() + 2, unknown.top() + 1);
    int ink = 0;
    for (int x = unknown.center().x() - 8; x <= unknown.center().x() + 8; ++x)
        for (int y = unknown.top(); y <= unknown.bottom(); ++y)
            ink += image.pixel(x, y) != background && QColor(image.pixel(x, y)) != kMark ? 1 : 0;
    EXPECT_GT(ink, 0);

    // The mark at 150, halfway, from the top of the first row to the bottom of the last.
    for (int row = 0; row < 3; ++row)
        for (int y : {cell(row).top(), cell(row).bottom()}) {
            const auto mark = spanOf(image, cell(row), y, kMark);
            ASSERT_TRUE(mark) << row;
            EXPECT_NEAR(mark->first, 0.5, 0.03) << row;
        }
}

}  // namespace
}  // namespace kestrel::ui
